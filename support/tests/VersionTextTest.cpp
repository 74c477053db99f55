#include "support/VersionText.h"

#include <gtest/gtest.h>

namespace {

using zul::FormatVersionText;
using zul::SplitLinkedLibs;

TEST(VersionText, MinorHasTwoDigitsThirdIsALetterFourthABuildNumber) {
    EXPECT_EQ(FormatVersionText(2, 10, 0, 0), "v2.10");
    EXPECT_EQ(FormatVersionText(2, 2, 0, 0), "v2.02");
    EXPECT_EQ(FormatVersionText(2, 10, 1, 18), "v2.10a (Build 0012)");
    EXPECT_EQ(FormatVersionText(1, 0, 2, 0), "v1.00b");
    EXPECT_EQ(FormatVersionText(1, 0, 0, 0xBEEF), "v1.00 (Build BEEF)");
    EXPECT_EQ(FormatVersionText(65535, 65535, 26, 65535), "v65535.65535z (Build FFFF)");
}

TEST(VersionText, LinkedLibsAreCutAtSemicolonsTrimmedAndEmptyPiecesLeftOut) {
    EXPECT_EQ(SplitLinkedLibs("zullib v2.02;"), (std::vector<std::string>{"zullib v2.02"}));
    EXPECT_EQ(SplitLinkedLibs(" a ; ; b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitLinkedLibs("\tx\r\n;y"), (std::vector<std::string>{"x", "y"}));
    EXPECT_TRUE(SplitLinkedLibs("").empty());
    EXPECT_TRUE(SplitLinkedLibs(" ;;\t;").empty());
}

} // namespace
