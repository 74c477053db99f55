// The system's file dialogs driven from a timer as a person would. Names that make the path too
// long are refused in the dialog (Wine's dialog overran its buffer on them).
#include "support/win32/SystemDialogs.h"

#include "support/win32/tests/TestResources.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <dlgs.h>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

using zul::Windows::FileDialog;

namespace {

// Calls each(window) for the visible windows of this thread until it gives false.
void EachVisibleWindow(const std::function<bool(HWND)>& each) {
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM each) -> BOOL {
            return !::IsWindowVisible(window) ||
                   (*reinterpret_cast<const std::function<bool(HWND)>*>(each))(window);
        },
        reinterpret_cast<LPARAM>(&each));
}

HWND NameBox(HWND dialog) {
    HWND box = ::GetDlgItem(dialog, cmb13);
    return box != nullptr ? box : ::GetDlgItem(dialog, edt1);
}

// Types each name and presses OK, one a tick, recording whether the dialog stayed open; then
// Cancel. Whatever is still open at the time limit fails the test and is closed.
class DialogDriver {
public:
    explicit DialogDriver(std::deque<std::string> names) : names_(std::move(names)) {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 100, &Tick);
        watchdog_ = ::SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) {
            EachVisibleWindow([](HWND window) {
                ADD_FAILURE() << "still open at the time limit: \"" << kvtest::TextOf(window)
                              << "\"";
                ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                return true;
            });
        });
    }
    ~DialogDriver() {
        ::KillTimer(nullptr, timer_);
        ::KillTimer(nullptr, watchdog_);
        current_ = nullptr;
    }
    std::vector<bool> stillOpen;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = nullptr;
        EachVisibleWindow([&box](HWND window) {
            if (kvtest::ClassOf(window) == "#32770" && NameBox(window) != nullptr)
                box = window;
            return box == nullptr;
        });
        if (current_ != nullptr && box != nullptr)
            current_->Step(box);
    }
    void Step(HWND box) {
        ::KillTimer(nullptr, timer_); // no tick while the steps run nested loops
        if (names_.empty() || ++steps_ > 10) {
            ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        ::SetWindowTextA(NameBox(box), names_.front().c_str());
        names_.pop_front();
        ::SendMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        stillOpen.push_back(::IsWindow(box) && ::IsWindowVisible(box));
        timer_ = ::SetTimer(nullptr, 0, 100, &Tick);
    }

    static DialogDriver* current_;
    std::deque<std::string> names_;
    UINT_PTR timer_ = 0;
    UINT_PTR watchdog_ = 0;
    int steps_ = 0;
};

DialogDriver* DialogDriver::current_ = nullptr;

} // namespace

TEST(FileDialog, ANameTheDialogOrTheCheckRefusesKeepsItOpenForAnother) {
    kvtest::TestApp app;
    kvtest::TempFolder folder;
    const std::string folderPath = folder.Path().string();
    kvtest::WriteText(folder.File("da.kvd"), "KOLV");
    // The open dialog starts in a folder too long for it, which is left out.
    std::filesystem::path deep = folder.Path();
    while (deep.string().size() < 300)
        deep /= std::string(60, 'd');
    std::filesystem::create_directories(deep);
    const auto save = FileDialog::Kind::Save;
    const DWORD saveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                            OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
    struct Case {
        FileDialog::Kind kind;
        DWORD flags;
        std::deque<std::string> names;
        std::string chosen;
        UINT message; // 0: none
    };
    const Case cases[] = {
        // A full path of 300 characters in the open dialog.
        {FileDialog::Kind::Open,
         kvtest::OpenForReading,
         {folderPath + "\\" + std::string(300 - folderPath.size() - 1, 'n'),
          folderPath + "\\da.kvd"},
         "da.kvd",
         IDS_TEST_ERR_008},
        {save, saveFlags, {"offen", "neu"}, "neu.kvd", 0}, // the path check refuses "offen"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.substr(0, 20));
        FileDialog dialog(c.kind, "Kolvane-Dateien (*.kvd)|*.kvd|Alle Dateien (*.*)|*.*||",
                          c.kind == save ? "kvd" : "", "", c.flags);
        dialog.SetInitialFolder((c.kind == save ? folderPath : deep.string()) + "\\");
        // The check sees the full path the dialog would return, extension added.
        std::vector<std::string> checked;
        dialog.SetPathCheck([&checked](const std::string& path) {
            checked.push_back(path);
            return path.find("offen") == std::string::npos;
        });
        kvtest::ModalScript script(app);
        script.ShowSystemDialog();
        if (c.message != 0)
            script.ExpectMessage(c.message);
        DialogDriver driver(c.names);
        EXPECT_EQ(app.RunModal(dialog), IDOK);
        EXPECT_EQ(driver.stillOpen, (std::vector<bool>{true, false}));
        EXPECT_EQ(dialog.Path(), folderPath + "\\" + c.chosen);
        EXPECT_EQ(checked.back(), dialog.Path());
        EXPECT_EQ(checked.size(), c.message == 0 ? c.names.size() : 1u);
    }
}
