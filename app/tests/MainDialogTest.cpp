// The main window: commands from menus and keys, its dialogs answered through RunModal.
#include "app/EntryDialog.h"
#include "app/tests/MainWindowTest.h"
#include "core/NativeFile.h"
#include "support/win32/CellEdit.h"
#include "testkit/TempFolder.h"
#include "testkit/win32/TestApp.h"

using kolvane::MainDialog;
using namespace kvtest;
using zul::Windows::Dialog;

namespace {

class MainDialogTest : public MainWindowTest {
protected:
    void Open(const std::vector<std::string>& artists = {}) { Show(kvtest::Entries(artists)); }
    HWND Window() const { return main.Handle(); }
    // Each setting as the window shows it: button row (flag, buttons, menu
    // check), delete question, Hot-Edit (flag, menu, panes), folders, fields.
    std::string ShownSettings() {
        const auto bit = [](bool on) { return on ? '1' : '0'; };
        const auto visible = [&](int id) {
            return bit(::IsWindowVisible(::GetDlgItem(Window(), id)));
        };
        return std::string("buttons ") + bit(main.ShowsButtons()) +
               visible(MainDialog::CloseButtonId) + visible(MainDialog::HelpButtonId) +
               bit(MenuChecked(Window(), IDM_BUTTONS)) + " ask " + bit(main.AsksBeforeDelete()) +
               " hot " + bit(main.HotEditOn()) + bit(MenuChecked(Window(), IDM_HOT_EDIT)) +
               bit(main.TracksEdit().IsEnabled()) + bit(main.NotesEdit().IsEnabled()) + " " +
               main.Document().WorkDir() + " " + main.ExportDirKvd() + " " + main.ExportDirCsv() +
               " " + main.ExportDirIni() + " " + std::to_string(main.ExportFields().ToByte());
    }
};

} // namespace

TEST(MainWindowResources, TheMenuWithItsTextsAndIds) {
    EXPECT_EQ(MenuResource(IDR_MENU_MAIN), "&Datei\n"
                                           "  1001 &Neu\tStrg-N\n"
                                           "  1002 &Laden ...\tStrg-L\n"
                                           "  1003 &Speichern\tStrg-S\n"
                                           "  1004 Speichern &unter ...\n"
                                           "  -\n"
                                           "  1015 &Drucken ...\tStrg-P\n"
                                           "  -\n"
                                           "  1 B&eenden\tAlt-F4\n"
                                           "&Bearbeiten\n"
                                           "  1007 &Einf\xFCgen ...\tEinfg\n"
                                           "  1005 &\xC4ndern ...\tEnter\n"
                                           "  1006 &L\xF6schen\tEntf\n"
                                           "  -\n"
                                           "  1017 Alles &markieren\tStrg-A\n"
                                           "  1018 Markierungen au&fheben\tStrg-U\n"
                                           "  -\n"
                                           "  1019 &Suchen ...\tStrg-F\n"
                                           "  1020 &Weitersuchen\tStrg-G\n"
                                           "&Ansicht\n"
                                           "  1021 &Zusatz-Informationen anzeigen\tStrg-I\n"
                                           "  1043 Zusatz-Info auf &Standard-Gr\xF6\xDF"
                                           "e setzen\n"
                                           "  -\n"
                                           "  1044 &Grid anzeigen\tStrg-Alt-G\n"
                                           "  1052 &Buttons anzeigen\tStrg-Alt-B\n"
                                           "&Extras\n"
                                           "  &Importieren\n"
                                           "    1010 &Kolvane-Daten ...\n"
                                           "    1009 &cdplayer.ini ...\n"
                                           "    1011 Kolvane-Daten v&1.x ...\n"
                                           "  E&xportieren\n"
                                           "    1013 &Kolvane-Daten ...\n"
                                           "    1014 C&SV-Datei ...\n"
                                           "    1012 &cdplayer.ini ...\n"
                                           "  -\n"
                                           "  1045 &Hot-Edit\tStrg-Alt-H\n"
                                           "  -\n"
                                           "  1008 &Einstellungen ...\tStrg-E\n"
                                           "&Hilfe\n"
                                           "  1046 Hilfe-&Startseite ...\n"
                                           "  9 &Hilfe ...\tF1\n"
                                           "  -\n"
                                           "  1016 I&nfo ...\n");
}

TEST_F(MainDialogTest, FirstStartUsesTheDefaultsAndDestroyingWritesTheWindowsKeys) {
    Open();
    EXPECT_EQ(ShownSettings(), "buttons 0000 ask 1 hot 1111 .\\ .\\ .\\ .\\ 55"); // fields 0x37

    ::DestroyWindow(Window());
    ASSERT_TRUE(store->OpenSection(kolvane::MainWindowSection));
    unsigned char none = 0xEE, fields = 0;
    store->GetBinary("ExportFields", 1, &none, &fields);
    EXPECT_TRUE(store->GetBool("DelChk", false));
    EXPECT_EQ(fields, 0x37);
    store->CloseSection();
}

TEST_F(MainDialogTest, StoredValuesWithTheWorkDirAsTheDefaultOfTheExportDirs) {
    ASSERT_TRUE(store->OpenSection(kolvane::MainWindowSection));
    store->PutBool("MainButtons", true);
    store->PutBool("DelChk", false);
    store->PutBool("HotEdit", false);
    store->PutString("WorkDir", "C:\\Daten");
    store->PutString("ExportDirCsv", "C:\\Export\\Csv");
    const unsigned char twoBytes[2] = {0x01, 0x02}; // of the wrong size: the default
    store->PutBinary("ExportFields", 2, twoBytes);
    store->CloseSection();

    Open();
    EXPECT_EQ(
        ShownSettings(),
        "buttons 1111 ask 0 hot 0000 C:\\Daten\\ C:\\Daten\\ C:\\Export\\Csv\\ C:\\Daten\\ 55");

    // "Schließen" first from the left, "Hilfe" first from the right.
    const RECT closeRect = main.Item(MainDialog::CloseButtonId).RectInParent();
    const RECT helpRect = main.Item(MainDialog::HelpButtonId).RectInParent();
    const RECT listRect = zul::Windows::Window(List()).RectInParent();
    const RECT client = zul::Windows::Window(Window()).ClientRect();
    EXPECT_EQ(closeRect.left, listRect.left);
    EXPECT_GT(closeRect.top, listRect.bottom);
    EXPECT_EQ(client.right - helpRect.right, listRect.left); // the same outer margin

    PressKey(main, 'B', Ctrl | Alt);
    EXPECT_EQ(ShownSettings().substr(0, 12), "buttons 0000");
    EXPECT_GT(zul::Windows::Window(List()).RectInParent().bottom, listRect.bottom);
    ::DestroyWindow(Window());
    ASSERT_TRUE(store->OpenSection(kolvane::MainWindowSection));
    EXPECT_FALSE(store->GetBool("MainButtons", true));
    store->CloseSection();
}

// The list commands' states are RecordListDialogTest's; here the entry
// commands and the main window's keys for the views.
TEST_F(MainDialogTest, CommandStatesFollowTheEntriesTheSelectionAndTheViews) {
    Open();
    HWND w = Window();
    // Save, Change, Delete, Print and the export drop-down: "+" enabled.
    const auto states = [w] {
        std::string shown;
        for (UINT id : {IDM_SAVE, IDM_CHANGE, IDM_DELETE, IDM_PRINT})
            shown += MenuEnabled(w, id) ? '+' : '-';
        return shown + (MenuPositionEnabled(::GetSubMenu(::GetMenu(w), 3), 1) ? '+' : '-');
    };
    EXPECT_EQ(states(), "-----");
    for (UINT id : {IDM_NEW, IDM_LOAD, IDM_SAVE_AS, IDM_INSERT, IDM_IMPORT_NATIVE, IDM_SETTINGS,
                    IDM_HELP_START, IDM_INFO})
        EXPECT_TRUE(MenuEnabled(w, id)) << id;

    Load(kvtest::Entries({"Abba", "Beatles", "Cream"}));
    EXPECT_EQ(states(), "---+-");
    SelectRows(List(), {1});
    main.RefreshAll();
    EXPECT_EQ(states(), "-++++");
    PressKey(main, 'A', Ctrl);
    EXPECT_EQ(main.View().SelectedCount(), 3);
    EXPECT_EQ(states(), "--+++"); // Change takes one
    PressKey(main, 'U', Ctrl);
    EXPECT_EQ(states(), "---+-");

    PressKey(main, 'I', Ctrl);
    EXPECT_FALSE(main.ShowsSidePane());
    PressKey(main, 'G', Ctrl | Alt);
    EXPECT_FALSE(main.ShowsGrid());
}

TEST_F(MainDialogTest, DeleteAsksFirstAndLeavesTheFocusOnTheRowOfTheMark) {
    Open({"A", "B", "C", "D", "E"});
    ModalScript script;
    script.Then([](Dialog& d) {
        EXPECT_NE(TextOf(::GetDlgItem(d.Handle(), IDC_DELETE_TEXT)).find("2 Eintr"),
                  std::string::npos);
        kvtest::Press(d, IDCANCEL);
    });
    SelectRows(List(), {1, 2});
    PressKey(main, VK_DELETE);
    EXPECT_EQ(main.View().RowCount(), 5);
    EXPECT_FALSE(main.View().IsModified());

    script.Press(IDOK);
    PressKey(main, VK_DELETE);
    EXPECT_EQ(ArtistColumn(List()), "A,D,E");
    EXPECT_TRUE(main.View().IsModified());
    // The mark was row 1: that row now has the focus, and nothing is selected.
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_FOCUSED), 1);
    EXPECT_TRUE(SelectedRows(List()).empty());

    // The last rows, without a question: the focus goes to the new last row.
    main.SetAskBeforeDelete(false);
    SelectRows(List(), {2});
    PressKey(main, VK_DELETE);
    EXPECT_EQ(main.View().RowCount(), 2);
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_FOCUSED), 1);
}

// With two selected neither the double click, Enter nor the command opens a
// dialog. (Entries typed and changed are e2e/flow-german-dialogs.sh.)
TEST_F(MainDialogTest, DoubleClickInsertsOrChangesAndNoEmptyOrUnchangedEntryIsStored) {
    Open({"Abba", "Beatles"});
    ModalScript script;
    script.Then([](Dialog& d) {
        EXPECT_EQ(d.GetText(), "Eintrag hinzuf\xFCgen");
        for (int id : kolvane::EntryDialog::FieldEditIds)
            EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), id)), "") << id;
        kvtest::Press(d, IDOK); // six empty fields
    });
    script.Then([](Dialog& d) {
        EXPECT_EQ(d.GetText(), "Eintrag \xE4ndern");
        EXPECT_EQ(TextOf(::GetDlgItem(d.Handle(), kolvane::EntryDialog::FieldEditIds[0])), "Abba");
        kvtest::Press(d, IDOK); // unchanged
    });
    const auto doubleClick = [&](LPARAM at) {
        ::SendMessageA(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::SendMessageA(List(), WM_LBUTTONUP, 0, at);
        Drain(main);
    };
    RECT client{};
    ::GetClientRect(List(), &client);
    const LPARAM empty = MAKELPARAM(10, client.bottom - 5); // below the rows
    doubleClick(empty);
    EXPECT_EQ(main.View().RowCount(), 2);
    SelectRows(List(), {0});
    doubleClick(kvtest::RowPoint(List(), 0));

    SelectRows(List(), {0, 1}); // more than one: nothing
    doubleClick(empty);
    PressKey(main, VK_RETURN);
    Command(main.Handle(), IDM_CHANGE);
    Drain(main);
    EXPECT_FALSE(main.View().IsModified());
}

// Saving asks nothing. (Loading and saving otherwise are the flows'.)
TEST_F(MainDialogTest, CtrlSWritesAFileRemovedSinceLoadingAnew) {
    kvtest::TempFolder folder;
    const std::string path = folder.File("Haupt.kvd");
    kvtest::RecordingReporter reporter;
    ASSERT_EQ(kolvane::SaveNativeFile(path, kvtest::Entries({"Nena", "Falco"}), reporter), 1);
    Open();
    ASSERT_EQ(main.Document().OpenPath(path), 1);
    ASSERT_TRUE(::DeleteFileA(path.c_str()));
    main.SetAskBeforeDelete(false);
    SelectRows(List(), {0});
    PressKey(main, VK_DELETE);
    ModalScript script; // no question
    PressKey(main, 'S', Ctrl);
    EXPECT_FALSE(main.View().IsModified());
    kolvane::DiscCollection written;
    EXPECT_EQ(kolvane::LoadNativeFile(path, written, reporter), 1);
    EXPECT_EQ(written.size(), 1u);
}

// Escape does nothing, also with the button row shown.
TEST_F(MainDialogTest, EscapeDoesNothingAndNewOrClosingAsksToSaveAChangedCollection) {
    Open({"Abba"});
    main.View().Add(Entry("Beatles"));
    main.RefreshAll();
    ModalScript script;
    PressKey(main, VK_ESCAPE);
    ::SetFocus(::GetDlgItem(Window(), MainDialog::TracksId));
    PressKey(main, VK_ESCAPE);
    Command(main.Handle(), IDM_BUTTONS);
    ::SetFocus(List());
    PressKey(main, VK_ESCAPE);
    ASSERT_TRUE(::IsWindow(Window()));

    script.Press(IDNO); // "Nein": an empty, untitled collection
    PressKey(main, 'N', Ctrl);
    EXPECT_EQ(main.View().RowCount(), 0);

    main.View().Add(Entry("Cream"));
    main.RefreshAll();
    script.Press(IDCANCEL); // "Abbrechen": the window stays
    ::SendMessageA(Window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(::IsWindow(Window()));
    EXPECT_TRUE(main.View().IsModified());

    script.Press(IDNO); // "Nein": closed through the menu item, changes dropped
    Command(main.Handle(), IDOK);
    EXPECT_EQ(main.Handle(), nullptr);
}

// Enter on a button of the button row presses it and changes no entry.
TEST_F(MainDialogTest, HelpCommandsOpenTheStartPageAndTheWindowsPageAndEnterPressesAButton) {
    kvtest::TestApp app; // records the pages asked for
    store = app.Settings();
    Open({"Abba"});
    Command(main.Handle(), IDM_HELP_START);
    PressKey(main, VK_F1);
    if (!main.ShowsButtons())
        Command(main.Handle(), IDM_BUTTONS);
    SelectRows(List(), {0});
    ModalScript script(app); // no entry dialog
    ASSERT_TRUE(kvtest::TabTo(main, MainDialog::HelpButtonId));
    PressKey(main, VK_RETURN);
    EXPECT_EQ(app.PagesAsked(),
              (std::vector<std::string>{"help/index.html", "help/ref_dlg_main.html",
                                        "help/ref_dlg_main.html"}));
    ASSERT_TRUE(kvtest::TabTo(main, MainDialog::CloseButtonId));
    PressKey(main, VK_RETURN);
    EXPECT_EQ(main.Handle(), nullptr) << "closed";
}

TEST_F(MainDialogTest, RightClickShowsTheContextMenuWithTheStatesOfTheSelection) {
    Open({"Abba", "Beatles", "Cream"});
    // The clicked row becomes the selection: one of three.
    EXPECT_EQ(kvtest::RowContextMenu(main, List(), 1), "1007+ 1005+ 1006+ 1017+ 1018+ ");
    EXPECT_EQ(SelectedRows(List()), std::vector<int>{1});
    SelectRows(List(), {0, 1, 2});
    // A click on a selected row keeps the selection: all three.
    EXPECT_EQ(kvtest::RowContextMenu(main, List(), 2), "1007+ 1005- 1006+ 1017- 1018+ ");
}

namespace {

zul::Windows::EditorDescriptor TextEditorEverywhere(void*, int, int) {
    return {zul::Windows::EditorKind::Text, 0, 0, 0};
}

HWND OpenCellEditor(MainDialog& main, int row) {
    HWND list = main.ListControl().Handle();
    RECT cell{};
    ListView_GetSubItemRect(list, row, 0, LVIR_BOUNDS, &cell);
    cell.right = cell.left + ListView_GetColumnWidth(list, 0);
    return zul::Windows::CellEdit::Open(list, cell, row, 0, ES_LEFT, 0);
}

} // namespace

TEST_F(MainDialogTest, KeysGoToTheFocusedEditorBeforeTheEntryCommands) {
    Open({"Abba", "Beatles", "Cream"});
    main.View().SetTracks(1, "1. Eins");
    main.ListControl().SetEditorChoice(&TextEditorEverywhere, nullptr);
    struct Case {
        const char* editor;
        std::function<HWND()> focus;
    };
    const Case cases[] = {
        {"cell editor", [&] { return OpenCellEditor(main, 1); }},
        {"tracks pane",
         [&] { return ::SetFocus(::GetDlgItem(Window(), MainDialog::TracksId)), ::GetFocus(); }},
        {"notes pane",
         [&] { return ::SetFocus(::GetDlgItem(Window(), MainDialog::NotesId)), ::GetFocus(); }},
    };
    ModalScript script; // any dialog fails the test
    for (const Case& c : cases) {
        SelectRows(List(), {1});
        Drain(main);
        const HWND editor = c.focus();
        ASSERT_NE(editor, nullptr) << c.editor;
        ASSERT_EQ(::GetFocus(), editor) << c.editor;
        for (const auto& [key, modifiers] : std::vector<std::pair<UINT, int>>{
                 {VK_DELETE, 0}, {'A', Ctrl}, {'C', Ctrl}, {'V', Ctrl}, {'X', Ctrl}}) {
            PressKey(main, key, modifiers);
            EXPECT_EQ(::GetFocus(), editor) << c.editor << " key " << key;
        }
        PressKey(main, VK_RETURN);
        PressKey(main, VK_ESCAPE);
        EXPECT_NE(::GetFocus(), editor) << c.editor << ": Escape ends the edit";
        EXPECT_EQ(main.View().RowCount(), 3) << c.editor;
        EXPECT_EQ(SelectedRows(List()), std::vector<int>{1}) << c.editor;
    }
    // Enter ended the cell edit and stored what Delete left of the artist.
    EXPECT_EQ(main.View().GetAt(1).Artist, "eatles");
    EXPECT_EQ(main.View().GetAt(1).Tracks, "1. Eins");

    ::SetFocus(List());
    SelectRows(List(), {1});
    script.Press(IDCANCEL); // the delete question: "Nein"
    PressKey(main, VK_DELETE);
    script.Press(IDCANCEL); // the entry dialog
    PressKey(main, VK_RETURN);
    PressKey(main, 'A', Ctrl);
    EXPECT_EQ(SelectedRows(List()), (std::vector<int>{0, 1, 2}));
}

// Scrolled out of view above or below, the focused row's menu is at the
// list's top left corner.
TEST_F(MainDialogTest, ShiftF10AndTheMenuKeyOpenTheContextMenuAtTheFocusedRow) {
    std::vector<std::string> artists;
    for (int i = 0; i < 60; ++i)
        artists.push_back("A" + std::to_string(10 + i));
    Open(artists);
    ::SetFocus(List());
    POINT corner{0, 0};
    ::ClientToScreen(List(), &corner);
    struct Case {
        int focused;
        int scrolledTo;
        bool atRow;
    };
    for (const Case c : {Case{2, 0, true}, Case{0, 59, false}, Case{59, 0, false}}) {
        SelectRows(List(), {c.focused});
        ListView_EnsureVisible(List(), c.scrolledTo, FALSE);
        Drain(main);
        const POINT expected = c.atRow ? kvtest::RowMenuOrigin(List(), c.focused) : corner;
        for (const auto& [key, shift] :
             std::vector<std::pair<WORD, bool>>{{VK_F10, true}, {VK_APPS, false}}) {
            const kvtest::OpenedMenu menu = kvtest::ContextMenuByKey(main, key, shift);
            EXPECT_EQ(menu.seen, "1007+ 1005+ 1006+ 1017+ 1018+ ") << key;
            EXPECT_EQ(menu.origin.x, expected.x) << c.focused << " " << key;
            EXPECT_EQ(menu.origin.y, expected.y) << c.focused << " " << key;
        }
    }
}
