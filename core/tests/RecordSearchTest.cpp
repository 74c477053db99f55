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

} // namespace

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
