#include "core/DiscEntry.h"

#include <gtest/gtest.h>

using kolvane::DiscEntry;

TEST(DiscEntry, CaseOfOneLetterMakesEntriesDifferent) {
    DiscEntry a, b;
    a.Title = "Abbey Road";
    b.Title = "abbey Road";
    EXPECT_NE(a.CompareAll(b), 0);
    EXPECT_LT(a.CompareAll(b), 0); // 'A' 0x41 before 'a' 0x61
}

TEST(DiscEntry, FirstDifferingFieldInIndexOrderDecides) {
    DiscEntry a, b;
    a.Artist = "A";
    a.Notes = "z";
    b.Artist = "B";
    EXPECT_LT(a.CompareAll(b), 0);
    EXPECT_GT(b.CompareAll(a), 0);
}

TEST(DiscEntry, BytesAboveSevenBitCompareUnsigned) {
    DiscEntry a, b;
    a.Artist = "\xE4"; // ä
    b.Artist = "z";
    EXPECT_GT(a.CompareAll(b), 0);
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
