#include "support/TextHelpers.h"
#include "support/FormatText.h"

#include <gtest/gtest.h>

#include <array>

using namespace zul;
using Texts = std::vector<std::string>;

TEST(SplitText, EveryPieceCountsAndAMaximumFillsUpOrCuts) {
    const struct {
        const char* text;
        int maxCount;
        int count;
        Texts pieces;
    } cases[] = {
        {"a;b;", -1, 3, {"a", "b", ""}},
        {"", -1, 1, {""}},
        {"a;b", 4, 2, {"a", "b", "", ""}},
        {"a;b", 1, 2, {"a"}},
        {";;", 0, 3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " max " + std::to_string(c.maxCount));
        Texts pieces{"old"};
        EXPECT_EQ(SplitText(c.text, ';', pieces, c.maxCount), c.count);
        EXPECT_EQ(pieces, c.pieces);
    }
}

TEST(JoinTextsAndCutToken, SeparatorOnlyBetweenEntriesAndTheFirstPieceCut) {
    EXPECT_EQ(JoinTexts({}, "\n"), "");
    EXPECT_EQ(JoinTexts({"x"}, ", "), "x");
    EXPECT_EQ(JoinTexts({"a", "", "c"}, "\r\n"), "a\r\n\r\nc");
    std::string text = "eins;zwei;drei";
    EXPECT_EQ(CutToken(text, ';'), "eins");
    EXPECT_EQ(text, "zwei;drei");
    text = ";rest";
    EXPECT_EQ(CutToken(text, ';'), "");
    EXPECT_EQ(text, "rest");
    text = "x";
    EXPECT_EQ(CutToken(text, ';'), "x");
    EXPECT_EQ(text, "");
}

TEST(FitText, LongestPrefixThatFitsWithDotsAndAtLeastOneCharacter) {
    // Every character is 10 pixels wide, a dot 3: n characters and "..." are 10n + 9.
    int calls = 0;
    auto measure = [&calls](std::string_view text) {
        ++calls;
        int width = 0;
        for (char c : text)
            width += c == '.' ? 3 : 10;
        return width;
    };
    EXPECT_EQ(FitText("", 0, measure), "");
    EXPECT_EQ(FitText("abcd", 40, measure), "abcd");
    EXPECT_EQ(FitText("abcdef", 59, measure), "abcde...");
    EXPECT_EQ(FitText("abcdef", 58, measure), "abcd...");
    EXPECT_EQ(FitText("abcdef", 49, measure), "abcd...");
    EXPECT_EQ(FitText("abcdef", 48, measure), "abc...");
    EXPECT_EQ(FitText("ab", 19, measure), "a...");
    EXPECT_EQ(FitText("Interpret", 5, measure), "I...");
    calls = 0; // a long text is measured few times
    EXPECT_EQ(FitText(std::string(100000, 'x'), 505, measure), std::string(49, 'x') + "...");
    EXPECT_LT(calls, 40);
}

TEST(HexText, UpperCaseWithoutSeparatorsAndReadingStopsAtABadPairOddEndOrCount) {
    const unsigned char bytes[] = {0x00, 0x0F, 0xA5, 0xFF};
    EXPECT_EQ(BytesToHex(bytes), "000FA5FF");

    std::array<unsigned char, 4> target{1, 1, 1, 1};
    EXPECT_EQ(HexToBytes(target, "0fA5zz10"), 2);
    EXPECT_EQ(target, (std::array<unsigned char, 4>{0x0F, 0xA5, 1, 1}));
    EXPECT_EQ(HexToBytes(target, "123"), 1); // the lone last digit is no pair
    EXPECT_EQ(HexToBytes(std::span(target).first(2), "AABBCC"), 2);
}

TEST(IsAllDigitsAndFormatText, EmptyTextCountsAsDigitsAndAPercentWithoutArgumentsStays) {
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits("12a"));
    EXPECT_FALSE(IsAllDigits(" 1"));
    EXPECT_FALSE(IsAllDigits("\xB2")); // superscript two is no decimal digit
    EXPECT_EQ(zul::FormatText("100% sicher"), "100% sicher");
    EXPECT_EQ(zul::FormatText("%d Eintr\xE4ge", 3), "3 Eintr\xE4ge");
}
