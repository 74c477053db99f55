#include "exchange/TextLineReader.h"

#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using kolvane::TextLineReader;

namespace {

std::vector<std::string> LinesOf(const std::string& bytes) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("t.txt"), bytes);
    TextLineReader reader;
    EXPECT_TRUE(reader.Open(folder.File("t.txt")));
    std::vector<std::string> lines;
    std::string line;
    TextLineReader::Result result;
    while ((result = reader.ReadLine(line)) == TextLineReader::Result::Line)
        lines.push_back(line);
    EXPECT_EQ(result, TextLineReader::Result::End);
    EXPECT_EQ(reader.ReadLine(line), TextLineReader::Result::End);
    return lines;
}

} // namespace

TEST(TextLineReader, LineEndsAreLfOrCrLfAndTheLastLineNeedsNone) {
    using testing::ElementsAre;
    EXPECT_THAT(LinesOf(""), ElementsAre());
    EXPECT_THAT(LinesOf("\n"), ElementsAre(""));
    EXPECT_THAT(LinesOf("a\r\nb\nc"), ElementsAre("a", "b", "c"));
    EXPECT_THAT(LinesOf("a\r\n\r\n"), ElementsAre("a", ""));
    EXPECT_THAT(LinesOf("a\r\r\nb\rc\r"), ElementsAre("a\r", "b\rc\r"));
}

TEST(TextLineReader, LinesLongerThanTheReadBufferComeWhole) {
    // The CR of the CR LF ends one buffer load, its LF starts the next.
    std::string first(65535, 'a');
    std::string second(200000, 'b');
    auto lines = LinesOf(first + "\r\n" + second + "\r\nend");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], second);
    EXPECT_EQ(lines[2], "end");
}

TEST(TextLineReader, MissingFileDoesNotOpen) {
    kvtest::TempFolder folder;
    TextLineReader reader;
    EXPECT_FALSE(reader.Open(folder.File("missing.txt")));
    std::string line = "x";
    EXPECT_EQ(reader.ReadLine(line), TextLineReader::Result::End);
    EXPECT_EQ(line, "");
}
