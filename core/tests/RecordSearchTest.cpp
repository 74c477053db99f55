#include "core/RecordSearch.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kolvane;

namespace {

// Rows of a sorted list: row r shows entry rows[r].
struct Rows : DisplayOrder {
    std::vector<size_t> rows;
    int RowCount() const override { return static_cast<int>(rows.size()); }
    size_t EntryIndexAt(int row) const override { return rows[static_cast<size_t>(row)]; }
};

DiscCollection Entries() {
    DiscCollection entries(4);
    entries[0].Artist = "Alpha";
    entries[1].Notes = "Zeile eins\r\nsteht \xDC"
                       "BER der zweiten";
    entries[2].Tracks = "1. Stra\xDF"
                        "e";
    entries[3].Title = "alpha beta";
    return entries;
}

} // namespace

TEST(RecordSearch, WalksRowsInDisplayOrderNotEntryOrder) {
    const DiscCollection entries = Entries();
    Rows order;
    order.rows = {3, 1, 0, 2};
    const SearchText alpha("ALPHA");
    EXPECT_EQ(FindMatchingRow(entries, order, -1, true, alpha), 0); // entry 3 first
    EXPECT_EQ(FindMatchingRow(entries, order, 0, true, alpha), 2);  // then entry 0
    EXPECT_EQ(FindMatchingRow(entries, order, 2, true, alpha), -1); // no wrap-around
    EXPECT_EQ(FindMatchingRow(entries, order, 2, false, alpha), 0);
}

TEST(RecordSearch, UpwardsWithoutFocusFindsNothingAndEndsBeepAtTheEdges) {
    const DiscCollection entries = Entries();
    Rows order;
    order.rows = {0, 1, 2, 3};
    const SearchText text("a");
    EXPECT_EQ(FindMatchingRow(entries, order, -1, false, text), -1);
    EXPECT_EQ(FindMatchingRow(entries, order, 3, true, text), -1);
    EXPECT_EQ(FindMatchingRow(entries, order, 0, false, text), -1);
}

TEST(RecordSearch, CodePage1252UpperCasingAndLineBreaks) {
    const DiscCollection entries = Entries();
    Rows order;
    order.rows = {0, 1, 2, 3};
    EXPECT_EQ(FindMatchingRow(entries, order, -1, true,
                              SearchText("\xFC"
                                         "ber")),
              1);
    EXPECT_EQ(FindMatchingRow(entries, order, -1, true, SearchText("eins\r\nSTEHT")), 1);
    EXPECT_EQ(FindMatchingRow(entries, order, -1, true, SearchText("stra\xDF")), 2);
    EXPECT_EQ(FindMatchingRow(entries, order, -1, true, SearchText("strasse")), -1);
}

// Type-to-find in the artist column as the list shows it: from the start row
// on, in display order, wrapping, case folded as code page 1252 folds it.
TEST(RecordSearch, FindArtistRowTable) {
    DiscCollection entries(5);
    entries[0].Artist = "\xC4rzte";
    entries[1].Artist = "abba";
    entries[2].Artist = "ABBA";
    entries[3].Artist = ""; // shows the placeholder
    entries[4].Artist = "Ab";
    Rows order;
    order.rows = {4, 2, 0, 3, 1};
    struct Case {
        int start;
        const char* text;
        bool whole, wrap;
        int row;
    } cases[] = {
        {0, "ab", false, true, 0},     {1, "ab", false, true, 1},  // the start row counts
        {2, "ab", false, true, 4},     {2, "ab", false, false, 4}, //
        {3, "abb", false, false, 4},   {4, "abba", false, true, 4},
        {-1, "abba", false, true, 1},  {5, "abba", false, true, 1}, // out of range: first row
        {2, "AB", true, true, 0},      {1, "AB", true, false, -1},  // whole text only
        {0, "\xE4R", false, true, 2},  {0, "<oh", false, true, 3},  // umlaut, placeholder
        {0, "", false, true, 0},       {0, "x", false, true, -1},
    };
    for (const Case& c : cases) {
        ArtistLookup lookup{c.text, "<ohne>", c.whole, c.wrap};
        EXPECT_EQ(FindArtistRow(entries, order, c.start, lookup), c.row)
            << c.start << " " << c.text << " " << c.whole << c.wrap;
    }
    EXPECT_EQ(FindArtistRow(entries, Rows{}, 0, ArtistLookup{"a"}), -1);
}
