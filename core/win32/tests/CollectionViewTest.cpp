// The collection bound to the real list view of dialog 101.
#include "core/win32/tests/TestListWindow.h"

#include "testkit/win32/Input.h"


using namespace kvtest;
using kolvane::IndexArray;
using CollectionViewTest = ListWindowTest;

TEST_F(CollectionViewTest, LongFieldIsCutToTheListsBufferAndAnEmptyOneShowsThePlaceholder) {
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 4);
    window.View().Add(Entry(std::string(600, 'x')));
    window.View().Add(Entry("", "Titel"));
    EXPECT_EQ(CellText(list, 1, 0), "<ohne>");
    char buffer[8] = {};
    LVITEMA item{};
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    ::SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(buffer, "xxxxxxx");
}

TEST_F(CollectionViewTest, AppendAllSelectsTheAppendedEntriesWhereverTheyAreShown) {
    window.View().AppendAll(Entries({"m", "c"}), false);
    ClickHeader(list, 0);
    window.View().AppendAll(Entries({"z", "a"}), true);
    EXPECT_EQ(ArtistColumn(list), "a,c,m,z");
    EXPECT_EQ(SelectedRows(list), (std::vector<int>{0, 3}));
    EXPECT_EQ(FocusedRow(list), 0);
    window.View().AppendAll({}, true);
    EXPECT_TRUE(SelectedRows(list).empty());
}

// Every change of the order puts selection, focus and mark on the rows of the
// same entries; type-to-find looks in the order shown.
TEST_F(CollectionViewTest, SelectionFocusAndMarkGoWithTheirEntriesWhenTheOrderChanges) {
    window.View().AppendAll(Entries({"d", "b", "e", "a", "c"}), false);
    ClickHeader(list, 0); // a b c d e
    SelectRows(list, {1, 2});
    ListView_SetSelectionMark(list, 1); // on b, the focus on c
    auto expect = [this](std::vector<int> selected, int focused, int mark) {
        EXPECT_EQ(SelectedRows(list), selected);
        EXPECT_EQ(FocusedRow(list), focused);
        EXPECT_EQ(ListView_GetSelectionMark(list), mark);
    };
    ClickHeader(list, 0); // e d c b a
    expect({2, 3}, 2, 3);
    window.View().SetField(0, 0, "ba"); // d c ba b a
    expect({1, 3}, 1, 3);
    window.View().Replace(0, Entry("bb")); // c bb ba b a
    expect({0, 3}, 0, 3);

    ::SetFocus(list);
    ::SendMessageA(list, WM_CHAR, 'B', 1);
    expect({1}, 1, 1);
    EXPECT_EQ(window.View().Focused().Artist, "bb");
    window.View().DeleteAt(IndexArray{0, 2});
    window.View().Add(Entry("m"));
    EXPECT_EQ(ArtistColumn(list), "m,bb,b,a");
    window.View().Clear();
    EXPECT_EQ(ListView_GetItemCount(list), 0);
}

// As the import window uses it: no cell editor, the side pane read-only.
TEST_F(CollectionViewTest, NoCellEditorAndReadOnlyPanesWhateverIsClickedOrTyped) {
    ::SetForegroundWindow(window.Handle());
    kolvane::DiscEntry entry = Entry("Abba", "Arrival");
    entry.Tracks = "1. Eins";
    window.View().AppendAll({entry}, false);
    window.RefreshAll();
    auto clickAt = [&](HWND target, POINT point) {
        ::ClientToScreen(target, &point);
        Click(point);
        PumpUntil([] { return HIWORD(::GetQueueStatus(QS_INPUT)) == 0; }, 3000,
                  [&](MSG& m) { return window.PreTranslateMessage(m); });
        Drain(window);
    };
    RECT cell{};
    ListView_GetSubItemRect(list, 0, 1, LVIR_BOUNDS, &cell);
    for (int click = 0; click < 3; ++click)
        clickAt(list, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    EXPECT_EQ(SelectedRows(list), std::vector<int>{0});
    EXPECT_EQ(::FindWindowExA(list, nullptr, "Edit", nullptr), nullptr);

    HWND tracks = window.TracksEdit().Handle();
    EXPECT_EQ(window.SidePaneEntry(), 0);
    clickAt(tracks, {10, 6});
    EXPECT_EQ(::GetFocus(), tracks);
    EXPECT_NE(::GetWindowLongPtrA(tracks, GWL_STYLE) & ES_READONLY, 0);
    Type("x");
    Drain(window);
    clickAt(list, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    EXPECT_EQ(window.View().Entries()[0].Tracks, "1. Eins");
    EXPECT_EQ(window.View().Entries()[0].Title, "Arrival");
}
