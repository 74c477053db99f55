#include "core/DiscEntry.h"
#include "testkit/Entries.h"

#include <gtest/gtest.h>

using kolvane::DiscEntry;
using kvtest::Entry;

// Bytes compare unsigned, case matters, and the first differing field in
// index order decides.
TEST(DiscEntry, CompareAllIsByteWiseInFieldOrder) {
    EXPECT_LT(Entry("", "Abbey Road").CompareAll(Entry("", "abbey Road")), 0); // 'A' 0x41, 'a' 0x61
    EXPECT_GT(Entry("\xE4").CompareAll(Entry("z")), 0);                        // ä
    const DiscEntry laterNotes = Entry("A", "", "", "", "", "z");
    EXPECT_LT(laterNotes.CompareAll(Entry("B")), 0);
    EXPECT_GT(Entry("B").CompareAll(laterNotes), 0);
}

TEST(DiscEntry, ClearAllAndIsEmpty) {
    DiscEntry e;
    EXPECT_TRUE(e.IsEmpty());
    e.Notes = "x";
    EXPECT_FALSE(e.IsEmpty());
    e.Artist = "y";
    e.ClearAll();
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(e.CompareAll(DiscEntry{}), 0);
}

TEST(DiscEntry, MatchesTextIgnoresCaseAsCodePage1252Does) {
    DiscEntry e;
    e.Tracks = "1. Stra\xDF"
               "e\r\n2. \xE4rger";          // "Straße", "ärger"
    EXPECT_TRUE(e.MatchesText("\xC4RGER")); // Ä matches ä
    EXPECT_TRUE(e.MatchesText("stra\xDF")); // ß stays ß
    EXPECT_FALSE(e.MatchesText("STRASSE"));
    EXPECT_TRUE(e.MatchesText("\r\n2")); // line breaks are characters
    EXPECT_FALSE(e.MatchesText("Beatles"));
}
