// The collection bound to the real list view of dialog 101.
#include "core/win32/tests/TestListWindow.h"

#include "support/win32/WinApp.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

using namespace kvtest;
using kolvane::CollectionView;
using kolvane::DiscCollection;
using kolvane::DiscEntry;
using kolvane::IndexArray;

namespace {

class CollectionViewTest : public testing::Test {
protected:
    void SetUp() override {
        ListSettings().DeleteSection(TestListWindow::Section);
        window.Open();
        list = window.View().List().Handle();
    }

    CollectionView& View() { return window.View(); }

    TestListWindow window;
    HWND list = nullptr;
};

} // namespace

TEST_F(CollectionViewTest, ColumnsHeadingsAndCellTextsWithThePlaceholder) {
    HWND header = ListView_GetHeader(list);
    ASSERT_EQ(Header_GetItemCount(header), 4);
    const char* headings[] = {"Interpret", "Titel", "Jahr", "ID"};
    for (int column = 0; column < 4; ++column) {
        char text[64] = {};
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_FMT;
        info.pszText = text;
        info.cchTextMax = sizeof(text);
        ASSERT_TRUE(ListView_GetColumn(list, column, &info));
        EXPECT_STREQ(text, headings[column]);
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }
    EXPECT_NE(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT, 0u);

    DiscEntry full = Entry("Sch\xF6"
                           "nberg",
                           "Pierrot", "1912", "7A2B");
    DiscEntry empty;
    empty.Tracks = "only tracks";
    View().AppendAll({full, empty}, false);
    EXPECT_EQ(CellText(list, 0, 0), "Sch\xF6"
                                    "nberg");
    EXPECT_EQ(CellText(list, 0, 1), "Pierrot");
    EXPECT_EQ(CellText(list, 0, 2), "1912");
    EXPECT_EQ(CellText(list, 0, 3), "7A2B");
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(CellText(list, 1, column), "<ohne>");
    // The list stores no text of its own.
    EXPECT_EQ(ListView_GetItemCount(list), 2);
}

TEST_F(CollectionViewTest, LongFieldIsCutToTheListsBuffer) {
    View().Add(Entry(std::string(600, 'x')));
    char buffer[8] = {};
    LVITEMA item{};
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    ::SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(buffer, "xxxxxxx");
}

TEST_F(CollectionViewTest, AddSelectsFocusesAndShowsTheNewEntryAlone) {
    DiscCollection many;
    for (int i = 0; i < 200; ++i)
        many.push_back(Entry("m" + std::to_string(1000 + i)));
    View().AppendAll(many, false);
    ClickHeader(list, 0);
    ListView_SetItemState(list, 5, LVIS_SELECTED, LVIS_SELECTED);
    View().Add(Entry("m0500"));
    EXPECT_EQ(SelectedRows(list), std::vector<int>{0});
    EXPECT_EQ(FocusedRow(list), 0);
    EXPECT_EQ(View().EntryIndexAt(0), 200u);

    View().Add(Entry("zzz"));
    EXPECT_EQ(SelectedRows(list), std::vector<int>{201});
    EXPECT_EQ(FocusedRow(list), 201);
    // Scrolled into view, fully.
    RECT item{}, client{};
    ListView_GetItemRect(list, 201, &item, LVIR_BOUNDS);
    ::GetClientRect(list, &client);
    EXPECT_GE(item.top, 0);
    EXPECT_LE(item.bottom, client.bottom);
}

TEST_F(CollectionViewTest, AppendAllSelectsTheAppendedEntriesWhereverTheyAreShown) {
    View().AppendAll(Entries({"m", "c"}), false);
    ClickHeader(list, 0);
    View().AppendAll(Entries({"z", "a"}), true);
    EXPECT_EQ(ArtistColumn(list), "a,c,m,z");
    EXPECT_EQ(SelectedRows(list), (std::vector<int>{0, 3}));
    EXPECT_EQ(FocusedRow(list), 0);
    View().AppendAll({}, true);
    EXPECT_TRUE(SelectedRows(list).empty());
}

TEST_F(CollectionViewTest, CollectingFollowsDisplayOrder) {
    View().AppendAll(Entries({"c", "a", "b"}), false);
    ClickHeader(list, 0);
    ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    DiscCollection selected(1);
    EXPECT_EQ(View().CollectSelected(selected), 2);
    ASSERT_EQ(selected.size(), 3u); // appended behind what was there
    EXPECT_EQ(selected[1].Artist + selected[2].Artist, "ac");
    EXPECT_EQ(View().FirstSelected().Artist, "a");
    EXPECT_TRUE(View().Focused().IsEmpty());
    ListView_SetItemState(list, 1, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(View().Focused().Artist, "b");
}

// The list keeps selection, focus and selection mark by row: every change of
// the order puts them on the rows of the same entries, as a list sorting its
// own items would; type-to-find looks in the order shown.
TEST_F(CollectionViewTest, SelectionFocusAndMarkGoWithTheirEntriesWhenTheOrderChanges) {
    View().AppendAll(Entries({"d", "b", "e", "a", "c"}), false);
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
    View().SetField(0, 0, "ba"); // d c ba b a
    expect({1, 3}, 1, 3);
    View().Replace(0, Entry("bb")); // c bb ba b a
    expect({0, 3}, 0, 3);

    ::SetFocus(list);
    ::SendMessageA(list, WM_CHAR, 'B', 1);
    expect({1}, 1, 1);
    EXPECT_EQ(View().Focused().Artist, "bb");
}

TEST_F(CollectionViewTest, SelectAllAndNoneWithTheirCommands) {
    View().AppendAll(Entries({"a", "b", "c"}), false);
    window.refreshes = 0;
    Command(window.Handle(), IDM_SELECT_ALL);
    EXPECT_EQ(SelectedRows(list).size(), 3u);
    // One refresh for the command, not one per item.
    EXPECT_EQ(window.refreshes, 1);
    Command(window.Handle(), IDM_SELECT_NONE);
    EXPECT_TRUE(SelectedRows(list).empty());
}

// The sort of the Windows C runtime, where a German locale collates.
TEST(CollectionSort, DoesNotFollowAGermanCRuntimeLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    // A locale whose collation would put the umlauts beside their vowels.
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
    const bool collates = std::strcoll("\xE4", "z") < 0;
    kolvane::Collection c;
    c.AppendAll({Entry("\xE4"), Entry("z"), Entry("\xC4"), Entry("A"), Entry("b")});
    c.SortColumnClicked(0);
    DiscCollection sorted;
    c.CollectAll(sorted);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(collates); // else the locale would prove nothing here
    // Byte-wise with only A-Z folded: both umlauts after z, \xC4 before \xE4.
    std::string artists;
    for (const DiscEntry& e : sorted)
        artists += e.Artist + ",";
    EXPECT_EQ(artists, "A,b,z,\xC4,\xE4,");
}
TEST_F(CollectionViewTest, KnownRowOrderIsWhatTheListShowsAfterEveryChange) {
    auto sameAsList = [this] {
        if (View().RowCount() != ListView_GetItemCount(list))
            return false;
        for (int row = 0; row < View().RowCount(); ++row) {
            if (View().GetAt(row).Artist != CellText(list, row, 0))
                return false;
        }
        return true;
    };
    View().AppendAll(Entries({"d", "b", "e", "a", "c", "b"}), false);
    EXPECT_TRUE(sameAsList());
    ClickHeader(list, 0);
    EXPECT_TRUE(sameAsList());
    ClickHeader(list, 0); // descending
    EXPECT_TRUE(sameAsList());
    View().SetField(0, 0, "aa");
    EXPECT_TRUE(sameAsList());
    View().Replace(0, Entry("a0"));
    EXPECT_TRUE(sameAsList());
    View().DeleteAt(IndexArray{1, 3});
    EXPECT_TRUE(sameAsList());
    View().Add(Entry("m"));
    EXPECT_TRUE(sameAsList());
    EXPECT_EQ(ArtistColumn(list), "m,c,b,a0,a");
    View().Clear();
    EXPECT_TRUE(sameAsList());
}
