#include "support/CommandLine.h"

#include <gtest/gtest.h>

using zul::ParseCommandLineArguments;
using zul::SplitCommandLine;
using Args = std::vector<std::string>;

TEST(CommandLine, SplitsAsTheWindowsRuntimeDoes) {
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\Kolvane.exe\" a.kvd"),
              (Args{"C:\\Program Files\\Kolvane.exe", "a.kvd"}));
    EXPECT_EQ(SplitCommandLine("Kolvane.exe  \"Z:\\meine daten\\b.kvd\"  -x"),
              (Args{"Kolvane.exe", "Z:\\meine daten\\b.kvd", "-x"}));
    // Backslashes escape only in front of a quote; "" inside quotes is one quote.
    EXPECT_EQ(SplitCommandLine("p a\\\\b \"c\\\\\" \\\"d \"e\"\"f\""),
              (Args{"p", "a\\\\b", "c\\", "\"d", "e\"f"}));
    EXPECT_EQ(SplitCommandLine("p \"\""), (Args{"p", ""}));
    EXPECT_EQ(SplitCommandLine(""), (Args{""}));
}

TEST(CommandLine, FirstArgumentWithoutSwitchSignNamesTheFile) {
    const auto info = ParseCommandLineArguments({"/s", "-q", "eins.kvd", "zwei.kvd"});
    EXPECT_EQ(info.fileName, "eins.kvd");
    EXPECT_EQ(info.switches, (Args{"/s", "-q"}));
    EXPECT_EQ(ParseCommandLineArguments({"-x"}).fileName, "");
}
