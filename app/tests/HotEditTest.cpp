// Editing in place in the main window: real clicks and key strokes through
// the input queue and the window's own pre-translation.
#include "app/tests/MainWindowTest.h"

using kolvane::MainDialog;
using namespace kvtest;

namespace {

bool IsReadOnly(HWND edit) {
    return (::GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) != 0;
}

class HotEditTest : public MainWindowTest {
protected:
    void Open(const kolvane::DiscCollection& entries) {
        Show(entries);
        Settle();
    }
    HWND Tracks() const { return ::GetDlgItem(main.Handle(), MainDialog::TracksId); }
    HWND Notes() const { return ::GetDlgItem(main.Handle(), MainDialog::NotesId); }
    HWND CellEditor() const { return ::FindWindowExA(List(), nullptr, "Edit", nullptr); }

    void Settle() {
        kvtest::PumpUntil([] { return HIWORD(::GetQueueStatus(QS_INPUT)) == 0; }, 3000,
                          [this](MSG& m) { return main.PreTranslateMessage(m); });
        kvtest::Drain(main);
    }
    void ClickAt(HWND window, POINT point) {
        ::ClientToScreen(window, &point);
        kvtest::Click(point);
        Settle();
    }
    void ClickCell(int row, int column) {
        RECT cell{};
        ListView_GetSubItemRect(List(), row, column, LVIR_BOUNDS, &cell);
        if (column == 0)
            cell.right = cell.left + ListView_GetColumnWidth(List(), 0);
        ClickAt(List(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    }
    // The first click selects the row, the second opens the editor.
    HWND OpenCellEditor(int row, int column) {
        ClickCell(row, column);
        if (CellEditor() == nullptr)
            ClickCell(row, column);
        return CellEditor();
    }
    void ClickInto(HWND edit) { ClickAt(edit, {10, 6}); }
    void Keys(WORD key, bool withControl = false) {
        kvtest::Key(key, withControl);
        Settle();
    }
    void Write(const std::string& text) {
        kvtest::Type(text);
        Settle();
    }
    void Retype(const std::string& text) {
        ::SendMessageA(::GetFocus(), EM_SETSEL, 0, -1);
        Write(text);
    }
    void TypeIntoReadOnlyPanes() {
        for (HWND pane : {Tracks(), Notes()}) {
            ClickInto(pane);
            EXPECT_EQ(::GetFocus(), pane);
            EXPECT_TRUE(IsReadOnly(pane));
            Write("x");
        }
    }
};

} // namespace

TEST_F(HotEditTest, ASecondClickEditsTheCellEnterStoresItAndTheListSortsAnew) {
    Open({Entry("Abba", "Arrival", "1976"), Entry("Beatles", "Revolver", "1966"),
          Entry("Cream", "Fresh Cream", "1967")});
    main.View().SortColumnClicked(2); // by year: Beatles, Cream, Abba

    HWND editor = OpenCellEditor(0, 2); // two clicks: EditableListCtrlTest's
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(editor), "1966");
    Retype("1999");
    Keys(VK_RETURN);
    EXPECT_EQ(CellEditor(), nullptr);
    EXPECT_EQ(main.View().Entries()[1].Year, "1999");
    EXPECT_EQ(ArtistColumn(List()), "Cream,Abba,Beatles") << "sorted by year again";
    EXPECT_EQ(kvtest::SelectedRows(List()), std::vector<int>{2}) << "the selection moved along";
    EXPECT_TRUE(main.View().IsModified());

    // Escape leaves the cell as it was.
    main.View().SetModified(false);
    ASSERT_NE(OpenCellEditor(2, 0), nullptr);
    Retype("Die Beatles");
    Keys(VK_ESCAPE);
    EXPECT_EQ(CellEditor(), nullptr);
    EXPECT_EQ(main.View().Entries()[1].Artist, "Beatles");
    EXPECT_FALSE(main.View().IsModified());

    // A click on another row stores the text as well.
    ASSERT_NE(OpenCellEditor(2, 1), nullptr);
    Retype("Rubber Soul");
    ClickCell(0, 0);
    EXPECT_EQ(CellEditor(), nullptr);
    EXPECT_EQ(main.View().Entries()[1].Title, "Rubber Soul");
    EXPECT_TRUE(main.View().IsModified());
}

// Unchanged also where the editor cannot show the whole field: a NUL byte
// ends an edit's text.
TEST_F(HotEditTest, AnEmptyCellIsEditedAsEmptyAndAnUnchangedCellMarksNothing) {
    const std::string abba("Ab\0ba", 5);
    Open({Entry(abba, "", "1976")});
    HWND editor = OpenCellEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(editor), "");
    Keys(VK_RETURN);
    EXPECT_EQ(main.View().Entries()[0].Title, "");
    ASSERT_NE(OpenCellEditor(0, 0), nullptr);
    Keys(VK_RETURN);
    EXPECT_FALSE(main.View().IsModified());
    EXPECT_EQ(main.View().Entries()[0].Artist, abba);
}

// What is typed in an edit open at the switch is stored on the entry shown,
// without sorting, when the list is clicked.
TEST_F(HotEditTest, WithHotEditOffNoClickEditsButAnEditOpenAtTheSwitchIsStored) {
    Open(kvtest::Entries({"Cream", "Abba", "Beatles"}));
    main.View().SortColumnClicked(0);
    ClickCell(2, 0); // Cream
    ClickInto(Notes());
    ASSERT_EQ(::GetFocus(), Notes());
    EXPECT_FALSE(IsReadOnly(Notes()));

    kvtest::Command(main.Handle(), IDM_HOT_EDIT);
    EXPECT_FALSE(main.HotEditOn());
    EXPECT_FALSE(kvtest::MenuChecked(main.Handle(), IDM_HOT_EDIT));
    EXPECT_FALSE(main.TracksEdit().IsEnabled());
    EXPECT_FALSE(IsReadOnly(Notes())) << "the open edit stays open";
    Write("Live");
    ClickCell(0, 0);
    EXPECT_EQ(main.View().Entries()[0].Notes, "Live");
    EXPECT_TRUE(main.View().IsModified());
    EXPECT_EQ(ArtistColumn(List()), "Abba,Beatles,Cream");

    main.View().SetModified(false);
    ClickCell(0, 0);
    EXPECT_EQ(CellEditor(), nullptr);
    TypeIntoReadOnlyPanes();
    ClickCell(0, 0);
    EXPECT_FALSE(main.View().IsModified());

    kvtest::PressKey(main, 'H', kvtest::Ctrl | kvtest::Alt);
    EXPECT_TRUE(main.HotEditOn());
    EXPECT_TRUE(kvtest::MenuChecked(main.Handle(), IDM_HOT_EDIT));
    EXPECT_TRUE(main.NotesEdit().IsEnabled());
    EXPECT_NE(OpenCellEditor(0, 0), nullptr);
}

TEST_F(HotEditTest, EnterBreaksTheLineEscapeRestoresAndCtrlEnterStoresTheTracks) {
    Open({Entry("Abba", "", "", "", "1. Eins")});
    ClickCell(0, 0);
    const auto addALine = [this] {
        ClickInto(Tracks());
        Keys(VK_END, true);
        Keys(VK_RETURN);
        Write("2. Zwei");
    };
    addALine();
    EXPECT_EQ(TextOf(Tracks()), "1. Eins\r\n2. Zwei");
    EXPECT_EQ(::GetFocus(), Tracks()) << "Enter neither ends the edit nor opens a dialog";
    Keys(VK_ESCAPE);
    EXPECT_EQ(TextOf(Tracks()), "1. Eins");
    EXPECT_TRUE(IsReadOnly(Tracks()));
    EXPECT_FALSE(main.View().IsModified());
    addALine();
    Keys(VK_RETURN, true);
    EXPECT_NE(::GetFocus(), Tracks());
    EXPECT_EQ(main.View().Entries()[0].Tracks, "1. Eins\r\n2. Zwei");
    EXPECT_TRUE(main.View().IsModified());
}

// With entries selected. Looking into a pane without typing changes nothing,
// also where the pane cannot show the whole field (a NUL byte ends its text).
TEST_F(HotEditTest, DeleteInAPaneDeletesACharacterAndInsertStillInsertsAnEntry) {
    const std::string abc("abc\0z", 5), def("def\0z", 5);
    Open({Entry("Abba", "", "", "", abc), Entry("Beatles", "", "", "", def)});
    ClickCell(0, 0);
    kvtest::SelectRows(List(), {0, 1});
    Settle();
    ClickInto(Tracks());
    ClickCell(0, 0); // in and out again
    EXPECT_FALSE(main.View().IsModified());
    EXPECT_EQ(main.View().Entries()[0].Tracks + main.View().Entries()[1].Tracks, abc + def);

    kvtest::SelectRows(List(), {0, 1});
    Settle();
    const int shown = kvtest::FocusedRow(List());
    ASSERT_GE(shown, 0);
    const std::string rest = shown == 0 ? "bc" : "ef";
    ClickInto(Tracks());
    kvtest::ModalScript script;
    Keys(VK_HOME, true);
    Keys(VK_DELETE);
    EXPECT_EQ(TextOf(Tracks()), rest);

    script.Press(IDCANCEL);
    Keys(VK_INSERT);
    EXPECT_EQ(main.View().RowCount(), 2);
    EXPECT_EQ(main.View().Entries()[shown].Tracks, rest) << "stored before the dialog";
    EXPECT_EQ(main.View().Entries()[1 - shown].Tracks, shown == 0 ? def : abc);
}

TEST_F(HotEditTest, AnEmptyListNeverMakesThePanesEditable) {
    Open({Entry("Abba", "", "", "", "abc")});
    ClickCell(0, 0);
    main.SetAskBeforeDelete(false);
    Keys(VK_DELETE);
    ASSERT_EQ(main.View().RowCount(), 0);
    TypeIntoReadOnlyPanes();
    EXPECT_EQ(TextOf(Tracks()) + TextOf(Notes()), "");
    ClickAt(List(), {20, 40});
    EXPECT_EQ(main.View().RowCount(), 0);
}

// On its own entry: a side pane's or a cell's.
TEST_F(HotEditTest, AnOpenEditIsStoredBeforeClosingAndBeforeAHeaderClickSorts) {
    Open(kvtest::Entries({"Cream", "Abba", "Beatles"}));
    const auto sortByArtist = [this](const char* order) {
        kvtest::ClickHeader(List(), 0);
        Settle();
        EXPECT_EQ(ArtistColumn(List()), order);
    };
    ClickCell(0, 0); // Cream, the list unsorted
    ClickInto(Notes());
    Write("Live");
    sortByArtist("Abba,Beatles,Cream");
    EXPECT_EQ(main.View().Entries()[0].Notes, "Live");
    EXPECT_EQ(main.View().Entries()[1].Notes, "");

    ASSERT_NE(OpenCellEditor(0, 1), nullptr); // Abba
    Retype("Gold");
    sortByArtist("Cream,Beatles,Abba");
    EXPECT_EQ(main.View().Entries()[1].Title, "Gold");
    EXPECT_EQ(main.View().Entries()[2].Title, "");
    sortByArtist("Abba,Beatles,Cream");

    main.View().SetModified(false);
    ClickCell(1, 0); // Beatles
    ClickInto(Notes());
    Write("Mono");
    kvtest::ModalScript script;
    script.Press(IDCANCEL); // the save question: "Abbrechen"
    ::SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    Settle();
    ASSERT_TRUE(::IsWindow(main.Handle()));
    EXPECT_EQ(main.View().Entries()[2].Notes, "Mono");
}

// Not on the entry that stands in the pane's old row by then.
TEST_F(HotEditTest, APaneEditLandsOnTheEntryItShowedWhateverMovedTheRows) {
    kolvane::DiscCollection entries;
    for (const char* artist : {"Cream", "Abba", "Beatles"})
        entries.push_back(Entry(artist, "", "", "", std::string("T-") + artist));
    struct Path {
        const char* name;
        bool sortedByArtist; // before the first row is clicked
        std::function<void()> moveRows;
    };
    const std::vector<Path> paths = {
        {"header click", false, [&] { kvtest::ClickHeader(List(), 0); Settle(); }},
        {"delete", true,
         [&] {
             main.SetAskBeforeDelete(false);
             Keys(VK_DELETE);
         }},
    };
    Open({});
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        main.View().Clear();
        Load(entries);
        if (path.sortedByArtist)
            main.View().SortColumnClicked(0);
        main.RefreshAll();
        ClickCell(0, 0);
        path.moveRows();
        const kolvane::DiscCollection before = main.View().Entries();
        const std::string shown = TextOf(Tracks());
        ASSERT_EQ(std::count_if(before.begin(), before.end(),
                                [&](const kolvane::DiscEntry& e) { return e.Tracks == shown; }),
                  1);

        ClickInto(Tracks());
        Keys(VK_END, true);
        Write(" X");
        RECT client{};
        ::GetClientRect(List(), &client);
        ClickAt(List(), {5, client.bottom - 5}); // below the rows
        const kolvane::DiscCollection& after = main.View().Entries();
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(after[i].Tracks, before[i].Tracks + (before[i].Tracks == shown ? " X" : ""))
                << before[i].Artist;
    }
}

// An edit's own limit is some 30,000 characters.
TEST_F(HotEditTest, AFieldLongerThanAnEditsOwnLimitTakesTypedText) {
    std::string lines; // many lines: an edit is slow with one long one
    while (lines.size() <= 30000)
        lines += "1. Titel\r\n";
    const std::string line(30001, 'a');
    Open({Entry("Abba", line, "", "", lines, lines)});
    ClickCell(0, 0);
    struct Target {
        const char* name;
        std::function<void()> open;
        std::string kolvane::DiscEntry::*field;
    };
    const std::vector<Target> targets = {
        {"tracks", [&] { ClickInto(Tracks()); }, &kolvane::DiscEntry::Tracks},
        {"notes", [&] { ClickInto(Notes()); }, &kolvane::DiscEntry::Notes},
        {"title cell", [&] { ASSERT_NE(OpenCellEditor(0, 1), nullptr); },
         &kolvane::DiscEntry::Title},
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.name);
        const std::string before = main.View().Entries()[0].*target.field;
        target.open();
        Keys(VK_END, true);
        Write("X");
        Keys(VK_RETURN, true); // ends a pane's edit, and a cell's
        EXPECT_EQ(main.View().Entries()[0].*target.field, before + "X");
    }
}
