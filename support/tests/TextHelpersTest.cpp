#include "support/TextHelpers.h"

#include <gtest/gtest.h>

#include <array>

using namespace zul;

TEST(SplitText, EveryPieceCountsIncludingEmptyOnes) {
    std::vector<std::string> pieces{"old"};
    EXPECT_EQ(SplitText("a\nb\n", '\n', pieces), 3);
    EXPECT_EQ(pieces, (std::vector<std::string>{"a", "b", ""}));

    EXPECT_EQ(SplitText("", ';', pieces), 1);
    EXPECT_EQ(pieces, (std::vector<std::string>{""}));
}

TEST(SplitText, MaximumFillsUpOrCutsButReportsAllPieces) {
    std::vector<std::string> pieces;
    EXPECT_EQ(SplitText("a;b", ';', pieces, 4), 2);
    EXPECT_EQ(pieces, (std::vector<std::string>{"a", "b", "", ""}));

    EXPECT_EQ(SplitText("a;b", ';', pieces, 1), 2);
    EXPECT_EQ(pieces, (std::vector<std::string>{"a"}));

    EXPECT_EQ(SplitText(";;", ';', pieces, 0), 3);
    EXPECT_TRUE(pieces.empty());
}

TEST(JoinTexts, SeparatorOnlyBetweenEntries) {
    EXPECT_EQ(JoinTexts({}, "\n"), "");
    EXPECT_EQ(JoinTexts({"x"}, ", "), "x");
    EXPECT_EQ(JoinTexts({"a", "", "c"}, "\r\n"), "a\r\n\r\nc");
}

TEST(CutToken, TakesPartBeforeFirstSeparator) {
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

namespace {

// Every character is 10 pixels wide, a dot 3.
int MeasureFixed(std::string_view text) {
    int width = 0;
    for (char c : text)
        width += c == '.' ? 3 : 10;
    return width;
}

} // namespace

TEST(FitText, FittingAndEmptyTextsStayUnchanged) {
    EXPECT_EQ(FitText("", 0, MeasureFixed), "");
    EXPECT_EQ(FitText("abcd", 40, MeasureFixed), "abcd");
}

TEST(FitText, LongestPrefixThatFitsWithDots) {
    // "abcdef" is 60 wide; a prefix of n characters with "..." is 10n + 9.
    EXPECT_EQ(FitText("abcdef", 59, MeasureFixed), "abcde...");
    EXPECT_EQ(FitText("abcdef", 58, MeasureFixed), "abcd...");
    EXPECT_EQ(FitText("abcdef", 48, MeasureFixed), "abc...");
    EXPECT_EQ(FitText("abcdef", 49, MeasureFixed), "abcd...");
    EXPECT_EQ(FitText("ab", 19, MeasureFixed), "a...");
}

TEST(FitText, NarrowerThanOneCharacterGivesFirstCharacterAndDots) {
    std::string fitted = FitText("Interpret", 5, MeasureFixed);
    EXPECT_EQ(fitted, "I...");
    EXPECT_GT(MeasureFixed(fitted), 5);
}

TEST(FitText, LongTextMeasuredFewTimes) {
    const std::string text(100000, 'x');
    int calls = 0;
    auto counting = [&calls](std::string_view t) {
        ++calls;
        return MeasureFixed(t);
    };
    std::string fitted = FitText(text, 505, counting);
    EXPECT_EQ(fitted, std::string(49, 'x') + "...");
    EXPECT_LT(calls, 40);
}

TEST(IntListToText, CommaAndBlankBetweenValues) {
    const int widths[] = {120, 150, 60, 70};
    EXPECT_EQ(IntListToText(widths), "120, 150, 60, 70");
    const int negative[] = {-5};
    EXPECT_EQ(IntListToText(negative), "-5");
    EXPECT_EQ(IntListToText({}), "");
}

TEST(TextToIntList, RunsOfSeparatorsCountAsOne) {
    std::array<int, 3> values{7, 7, 7};
    EXPECT_EQ(TextToIntList(values, "1,,2"), 2);
    EXPECT_EQ(values, (std::array<int, 3>{1, 2, 7}));
}

TEST(TextToIntList, BlanksSkippedNoDigitsReadAsZeroMaximumKept) {
    std::array<int, 4> values{9, 9, 9, 9};
    EXPECT_EQ(TextToIntList(values, " 120, 150.x:  -60"), 4);
    EXPECT_EQ(values, (std::array<int, 4>{120, 150, 0, -60}));

    std::array<int, 2> two{0, 0};
    EXPECT_EQ(TextToIntList(two, "1,2,3"), 2);
    EXPECT_EQ(two, (std::array<int, 2>{1, 2}));
    EXPECT_EQ(TextToIntList(two, ""), 0);
    EXPECT_EQ(TextToIntList(two, "99999999999"), 1);
    EXPECT_EQ(two[0], 2147483647);
}

TEST(HexText, BytesToHexUpperCaseNoSeparators) {
    const unsigned char bytes[] = {0x00, 0x0F, 0xA5, 0xFF};
    EXPECT_EQ(BytesToHex(bytes), "000FA5FF");
    EXPECT_EQ(BytesToHex({}), "");
}

TEST(HexText, HexToBytesStopsAtBadPairOddEndOrCount) {
    std::array<unsigned char, 4> target{1, 1, 1, 1};
    EXPECT_EQ(HexToBytes(target, "0fA5zz10"), 2);
    EXPECT_EQ(target, (std::array<unsigned char, 4>{0x0F, 0xA5, 1, 1}));

    EXPECT_EQ(HexToBytes(target, "123"), 1); // the lone last digit is no pair
    EXPECT_EQ(target[0], 0x12);
    EXPECT_EQ(HexToBytes(std::span(target).first(2), "AABBCC"), 2);
    EXPECT_EQ(HexToBytes(target, "1G"), 0);
}

TEST(IsAllDigits, EmptyTextCountsAsDigits) {
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits("12a"));
    EXPECT_FALSE(IsAllDigits(" 1"));
    EXPECT_FALSE(IsAllDigits("\xB2")); // superscript two is no decimal digit
}
