// The system's own file dialogs, shown for real and driven from a timer in
// their message loop as a person would: a name typed into the name box, OK
// pressed. Names that make the path too long are refused in the dialog (under
// Wine the dialog overran its buffer and ended the program on such names).
#include "support/win32/SystemDialogs.h"

#include "support/win32/tests/TestResources.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/ModalScript.h"
#include "testkit/win32/TestApp.h"

#include <dlgs.h>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

using zul::Windows::FileDialog;

namespace {

// Types each name into the dialog in turn and presses OK, one name a tick;
// records whether the dialog was still open after each. Ends the dialog with
// Cancel when the names run out or the time is up, so that no test hangs.
class DialogDriver {
public:
    explicit DialogDriver(std::deque<std::string> names) : names_(std::move(names)) {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 100, &Tick);
        watchdog_ = ::SetTimer(nullptr, 0, 10000, &Watchdog);
    }
    ~DialogDriver() {
        ::KillTimer(nullptr, timer_);
        ::KillTimer(nullptr, watchdog_);
        current_ = nullptr;
    }
    std::vector<bool> stillOpen;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current_ != nullptr)
            current_->Step();
    }
    // Whatever is still open after the time limit (a message of the system's
    // dialog, the dialog itself) fails the test and is closed.
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND window, LPARAM) -> BOOL {
                if (::IsWindowVisible(window)) {
                    ADD_FAILURE() << "still open at the time limit: \"" << kvtest::TextOf(window)
                                  << "\"";
                    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                }
                return TRUE;
            },
            0);
    }
    void Step() {
        const HWND box = FindFileDialog();
        if (box == nullptr)
            return;
        ::KillTimer(nullptr, timer_); // no tick while the steps run nested loops
        if (names_.empty() || ++steps_ > 10) {
            ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        const HWND nameBox = ::GetDlgItem(box, cmb13) != nullptr ? ::GetDlgItem(box, cmb13)
                                                                 : ::GetDlgItem(box, edt1);
        ::SetWindowTextA(nameBox, names_.front().c_str());
        names_.pop_front();
        ::SendMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        stillOpen.push_back(::IsWindow(box) && ::IsWindowVisible(box));
        timer_ = ::SetTimer(nullptr, 0, 100, &Tick);
    }

    // The visible dialog of this thread with a name box.
    static HWND FindFileDialog() {
        HWND found = nullptr;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND window, LPARAM result) -> BOOL {
                if (!::IsWindowVisible(window) || kvtest::ClassOf(window) != "#32770" ||
                    (::GetDlgItem(window, cmb13) == nullptr &&
                     ::GetDlgItem(window, edt1) == nullptr))
                    return TRUE;
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
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
         OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_READONLY,
         {folderPath + "\\" + std::string(300 - folderPath.size() - 1, 'n'), "da.kvd"},
         "da.kvd",
         IDS_TEST_ERR_008},
        {save, saveFlags, {"offen", "neu"}, "neu.kvd", 0}, // the path check refuses "offen"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.substr(0, 20));
        FileDialog dialog(c.kind, "Kolvane-Dateien (*.kvd)|*.kvd|Alle Dateien (*.*)|*.*||",
                          c.kind == save ? "kvd" : "", "", c.flags);
        dialog.SetInitialFolder(folderPath + "\\");
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
        EXPECT_TRUE(script.Finished());
    }
}

TEST(FileDialog, AnInitialFolderTooLongForTheDialogIsLeftOut) {
    kvtest::TestApp app;
    kvtest::TempFolder folder;
    std::filesystem::path deep = folder.Path();
    while (deep.string().size() < 300)
        deep /= std::string(60, 'd');
    std::filesystem::create_directories(deep);
    FileDialog dialog(FileDialog::Kind::Open, "Alle Dateien (*.*)|*.*||", "", "", OFN_NOCHANGEDIR);
    dialog.SetInitialFolder(deep.string() + "\\");
    kvtest::ModalScript script(app);
    script.ShowSystemDialog();
    DialogDriver driver({}); // cancels once the dialog is there
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
}
