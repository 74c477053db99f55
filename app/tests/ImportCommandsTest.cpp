// The main window's import commands, the import window answered through RunModal.
#include "app/tests/MainWindowTest.h"
#include "core/NativeFile.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/SystemDialogs.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/Input.h"

#include <utility>

using kolvane::MainDialog;
using namespace kvtest;
using zul::Windows::Dialog;

namespace {

HWND ListOf(Dialog& d) {
    return ::GetDlgItem(d.Handle(), MainDialog::ListId);
}

class ImportCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Show();
    }
    void OpenCollection(const std::vector<std::string>& artists) {
        kvtest::RecordingReporter reporter;
        ASSERT_EQ(kolvane::SaveNativeFile(collection, kvtest::Entries(artists), reporter), 1);
        ASSERT_EQ(main.Document().OpenPath(collection), 1);
    }
    std::string Ini(const std::string& text) {
        const std::string path = folder.File("cdplayer.ini");
        kvtest::WriteText(path, text);
        return path;
    }
    kvtest::TempFolder folder;
    std::string collection = folder.File("Sammlung.kvd");
};

} // namespace

// Shown in the main window's own order; which rows get the selection and the
// focus is CollectionViewTest's.
TEST_F(ImportCommandsTest, ChosenEntriesAreAppendedInTheImportListsOrderAndSelected) {
    OpenCollection({"M10", "M11"});
    main.View().SortColumnClicked(0);
    ModalScript script;
    script.ChooseFile(Ini("[0]\r\nArtist=Yes\r\n[1]\r\nArtist=Abba\r\n[2]\r\nArtist=Zappa\r\n"))
        .Then([](Dialog& d) {
            kvtest::ClickHeader(ListOf(d), 0);
            kvtest::ClickHeader(ListOf(d), 0); // descending: Zappa, Yes, Abba
            SelectRows(ListOf(d), {0, 1});
            Drain(d);
            kvtest::Press(d, IDOK);
        });
    Command(main.Handle(), IDM_IMPORT_CDPLAYER);
    Drain(main);

    const kolvane::DiscCollection& entries = main.View().Entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2].Artist, "Zappa");
    EXPECT_EQ(entries[2].DiscId, "2");
    EXPECT_EQ(entries[3].Artist, "Yes");
    EXPECT_EQ(ArtistColumn(List()), "M10,M11,Yes,Zappa");
    EXPECT_EQ(main.GetText(), " * Sammlung.kvd - Kolvane-Verwaltung");
    EXPECT_EQ(kvtest::TextOf(::GetDlgItem(main.Handle(), MainDialog::StatusId)),
              "4 Eintr\xE4ge, 2 ausgew\xE4hlt");
}

// The entry dialog is owned by the import window.
TEST_F(ImportCommandsTest, EnterInTheImportWindowShowsTheEntryReadOnly) {
    OpenCollection({"Abba"});
    HWND importWindow = nullptr;
    ModalScript script;
    script.ChooseFile(Ini("[0]\r\nArtist=Cream\r\n"))
        .Then([&](Dialog& d) {
            importWindow = d.Handle();
            SelectRows(ListOf(d), {0});
            Drain(d);
            PressKey(d, VK_RETURN);
            kvtest::Press(d, IDCANCEL);
        })
        .Then([&](Dialog& d) {
            EXPECT_EQ(::GetWindow(d.Handle(), GW_OWNER), importWindow);
            EXPECT_EQ(kvtest::TextOf(::GetDlgItem(d.Handle(), IDC_ENTRY_ARTIST)), "Cream");
            kvtest::Press(d, IDOK);
        });
    Command(main.Handle(), IDM_IMPORT_CDPLAYER);
    EXPECT_EQ(ArtistColumn(List()), "Abba");
    EXPECT_FALSE(main.View().IsModified());
}

// Every way out of the import window, failures too, is ImportWindowTest's.
TEST_F(ImportCommandsTest, ACancelledImportLeavesTheMainCollectionAlone) {
    OpenCollection({"Abba", "Beatles"});
    main.View().SelectAll(false);
    ModalScript script;
    script.ChooseFile(collection).Then([](Dialog& d) {
        PressKey(d, 'A', Ctrl);
        PressKey(d, VK_ESCAPE);
    });
    Command(main.Handle(), IDM_IMPORT_NATIVE);
    Drain(main);
    EXPECT_EQ(ArtistColumn(List()), "Abba,Beatles");
    EXPECT_TRUE(SelectedRows(List()).empty());
    EXPECT_FALSE(main.View().IsModified());
}

// A file dialog cancelled over the still hidden import window leaves no
// active window when it closes (its owner cannot be activated).
TEST_F(ImportCommandsTest, AnImportEndingUnseenGivesTheMainWindowTheKeyboardBack) {
    OpenCollection({"Abba"});
    ::SetActiveWindow(main.Handle());
    ::SetFocus(List());
    ModalScript script;
    script.ThenSystem([](zul::Windows::SystemDialog& d) {
        ::SetActiveWindow(nullptr);
        d.Answer(IDCANCEL);
    });
    Command(main.Handle(), IDM_IMPORT_CDPLAYER);
    Drain(main);
    EXPECT_EQ(::GetActiveWindow(), main.Handle());
    EXPECT_EQ(::GetFocus(), List());
}

// Each text painted before the next comes (Wine's static paints as its text
// is set; Windows' only asks for a paint). The first text's delay made 0.
TEST_F(ImportCommandsTest, LoadsAndImportsShowTheirProgressInTheMainStatusLine) {
    struct NoDelay {
        DWORD saved = std::exchange(zul::Windows::StatusLineProgress::delayMs, 0);
        ~NoDelay() { zul::Windows::StatusLineProgress::delayMs = saved; }
    } noDelay;
    HWND status = ::GetDlgItem(main.Handle(), MainDialog::StatusId);
    std::vector<std::string> shown; // the texts set, and "unpainted" before one
    kvtest::MessageLog log([&](HWND window, UINT message, WPARAM, LPARAM lParam) {
        if (window == status && message == WM_SETTEXT) {
            if (::GetUpdateRect(status, nullptr, FALSE))
                shown.push_back("unpainted");
            shown.push_back(reinterpret_cast<const char*>(lParam));
        }
        return false;
    });
    std::vector<std::string> artists(2000, "Abba");
    OpenCollection(artists);
    // Reading is the first half, filling the list the second; then the text
    // from before and the new count.
    std::vector<std::string> expected;
    for (int percent = 0; percent <= 100; ++percent)
        expected.push_back("Lade ... " + std::to_string(percent) + " %");
    expected.insert(expected.end(),
                    {"0 Eintr\xE4ge, 0 ausgew\xE4hlt", "2000 Eintr\xE4ge, 0 ausgew\xE4hlt"});
    EXPECT_EQ(shown, expected);

    shown.clear();
    ModalScript script;
    script.ChooseFile(Ini("[0]\r\nArtist=Cream\r\n")).Then([](Dialog& d) {
        kvtest::Press(d, IDCANCEL);
    });
    Command(main.Handle(), IDM_IMPORT_CDPLAYER);
    EXPECT_EQ(shown, (std::vector<std::string>{"Importiere ... 50 %", "Importiere ... 100 %",
                                               "2000 Eintr\xE4ge, 0 ausgew\xE4hlt"}));
}
