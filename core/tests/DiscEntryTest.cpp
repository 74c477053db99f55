#include "core/DiscEntry.h"
#include "core/DocumentTitle.h"
#include "core/EntryRemoval.h"
#include "core/IndexArray.h"
#include "testkit/Entries.h"

#include <gtest/gtest.h>

using namespace kolvane;
using kvtest::Entry;

// The first differing field in index order decides.
TEST(DiscEntry, CompareAllIsByteWiseInFieldOrder) {
    EXPECT_LT(Entry("", "Abbey Road").CompareAll(Entry("", "abbey Road")), 0); // 'A' 0x41, 'a' 0x61
    EXPECT_GT(Entry("\xE4").CompareAll(Entry("z")), 0);                        // ä
    const DiscEntry laterNotes = Entry("A", "", "", "", "", "z");
    EXPECT_LT(laterNotes.CompareAll(Entry("B")), 0);
    EXPECT_GT(Entry("B").CompareAll(laterNotes), 0);
}

// The case folding itself is checked through Collection::FindRow.
TEST(DiscEntry, ClearAllIsEmptyAndMatchesText) {
    DiscEntry e;
    EXPECT_TRUE(e.IsEmpty());
    e.Notes = "x";
    EXPECT_FALSE(e.IsEmpty());
    e.Artist = "y";
    e.ClearAll();
    EXPECT_TRUE(e.IsEmpty());
    e.Artist = "\xE4rger";
    EXPECT_TRUE(e.MatchesText("\xC4RGER"));
    EXPECT_FALSE(e.MatchesText("RGERN"));
}

TEST(EntryRemoval, DuplicateAndOutOfRangeIndicesRemoveNothingExtra) {
    DiscCollection entries = kvtest::Entries({"0", "1", "2", "3"});
    EXPECT_EQ(RemoveEntries(entries, {1, 1, 9}), 1u);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Artist + entries[1].Artist + entries[2].Artist, "023");
    EXPECT_EQ(RemoveEntries(entries, {}), 0u);
    EXPECT_EQ(RemoveEntries(entries, {0, 1, 2}), 3u);
    EXPECT_TRUE(entries.empty());
}

TEST(IndexArray, SortsAsUnsignedNumbersBothWays) {
    IndexArray indices{2, 0xFFFFFFFFu, 0, 10, 2};
    indices.Add(0x80000000u);
    indices.SortAscending();
    EXPECT_EQ(indices.Values(),
              (std::vector<std::uint32_t>{0, 2, 2, 10, 0x80000000u, 0xFFFFFFFFu}));
    indices.SortDescending();
    EXPECT_EQ(indices.Values(),
              (std::vector<std::uint32_t>{0xFFFFFFFFu, 0x80000000u, 10, 2, 2, 0}));
    EXPECT_EQ(indices.Size(), 6u);
    EXPECT_EQ(indices[0], 0xFFFFFFFFu);
    indices.Clear();
    EXPECT_TRUE(indices.IsEmpty());
}

TEST(DocumentTitle, TheFourStates) {
    const char* app = "Kolvane-Verwaltung";
    EXPECT_EQ(DocumentTitle(false, "", app), "Kolvane-Verwaltung");
    EXPECT_EQ(DocumentTitle(true, "", app), " * Kolvane-Verwaltung");
    EXPECT_EQ(DocumentTitle(false, "discs.kvd", app), "discs.kvd - Kolvane-Verwaltung");
    EXPECT_EQ(DocumentTitle(true, "discs.kvd", app), " * discs.kvd - Kolvane-Verwaltung");
}
