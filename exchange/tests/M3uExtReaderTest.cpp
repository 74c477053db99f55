#include "exchange/M3uExtReader.h"

#include "resources/resource.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using kolvane::M3uExtReader;
using kolvane::M3uTrackList;
using testing::ElementsAre;

namespace {

struct ReadResult {
    bool ok = false;
    M3uTrackList list;
    std::vector<int> errors;
    std::vector<int> warnings;
};

ReadResult Read(const std::string& text) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("list.m3u"), text);
    kvtest::RecordingReporter reporter;
    ReadResult result;
    result.list.Add({"stale", "item"});
    result.ok = M3uExtReader(reporter).Read(folder.File("list.m3u"), result.list);
    result.errors = reporter.errors;
    result.warnings = reporter.warnings;
    return result;
}

std::vector<std::string> Texts(M3uTrackList& list, bool titlesOnly) {
    list.SetTitlesOnly(titlesOnly);
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i)
        texts.push_back(list.ItemText(i));
    return texts;
}

} // namespace

TEST(M3uExtReader, InfoLinesGiveArtistAndTitleInFileOrder) {
    ReadResult result = Read("#EXTM3U\r\n"
                             "#EXTINF:123,Artist - Title\r\n"
                             "C:\\Musik\\01.mp3\r\n"
                             "#EXTINF:-1,Title\r\n"
                             "#EXTINF:5, Band - Song - Live\n"
                             "#EXTINF:5,A,B\n"
                             "  #extinf:5,x  \n"
                             "#EXTINF:5,Artist - Title\n"
                             "# comment, with comma\n"
                             "\n"
                             "#EXTINF:1,\xC4rzte - Z\xFC"
                             "ge");
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_TRUE(result.warnings.empty());
    EXPECT_THAT(Texts(result.list, false),
                ElementsAre("Artist - Title", "Title", " Band - Song - Live", "A,B", "x",
                            "Artist - Title", "\xC4rzte - Z\xFCge"));
    EXPECT_THAT(Texts(result.list, true),
                ElementsAre("Title", "Title", "Song - Live", "A,B", "x", "Title", "Z\xFCge"));
    EXPECT_EQ(result.list.Track(2).Artist, " Band");
    EXPECT_EQ(result.list.Track(2).Title, "Song - Live");
}

// The header is #EXTM3U in any case with trailing blanks only; an information
// line without a comma fails the whole read.
TEST(M3uExtReader, BadHeaderOrInfoLineRejectsTheFile) {
    ReadResult lower = Read("#extm3u  \t\n#EXTINF:1,x\n");
    EXPECT_TRUE(lower.ok);
    EXPECT_EQ(lower.list.Count(), 1);
    for (const char* text : {"", " #EXTM3U\n#EXTINF:1,x\n", "\xEF\xBB\xBF#EXTM3U\n#EXTINF:1,x\n",
                             "#EXTM3U x\n#EXTINF:1,x\n", "#EXTINF:1,x\n",
                             "#EXTM3U\n#EXTINF:1,good\n#EXTINF:5 no comma\n#EXTINF:2,later\n"}) {
        SCOPED_TRACE(text);
        ReadResult result = Read(text);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.list.Count(), 0);
        EXPECT_THAT(result.errors, ElementsAre(IDS_ERR_003));
        EXPECT_TRUE(result.warnings.empty());
    }
}

TEST(M3uExtReader, PlaylistWithoutInfoLinesWarns) {
    for (const char* text : {"#EXTM3U", "#EXTM3U\r\n", "#EXTM3U\nsong.mp3\n#EXTINF\n"}) {
        ReadResult result = Read(text);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_EQ(result.list.Count(), 0);
        EXPECT_TRUE(result.errors.empty());
        EXPECT_THAT(result.warnings, ElementsAre(IDS_WARN_503));
    }
}

TEST(M3uExtReader, MissingFileCannotBeOpened) {
    kvtest::TempFolder folder;
    kvtest::RecordingReporter reporter;
    M3uTrackList list;
    EXPECT_FALSE(M3uExtReader(reporter).Read(folder.File("none.m3u"), list));
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_002));
}
