#include "exchange/CdPlayerIniImporter.h"

#include "resources/resource.h"
#include "testkit/RecordingReporter.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using kolvane::CdPlayerIniImporter;
using kolvane::DiscEntry;
using testing::ElementsAre;

namespace {

struct ImportResult {
    bool ok = false;
    std::vector<DiscEntry> entries;
    std::vector<int> errors;
    std::vector<int> warnings;
};

ImportResult Import(const std::string& text) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("cdplayer.ini"), text);
    kvtest::RecordingReporter reporter;
    CdPlayerIniImporter importer(reporter);
    ImportResult result;
    result.ok = importer.Import(folder.File("cdplayer.ini"));
    result.entries = importer.Entries();
    result.errors = reporter.errors;
    result.warnings = reporter.warnings;
    return result;
}

DiscEntry Entry(const char* discId, const char* artist, const char* title, const char* tracks) {
    DiscEntry entry;
    entry.DiscId = discId;
    entry.Artist = artist;
    entry.Title = title;
    entry.Tracks = tracks;
    return entry;
}

MATCHER_P(SameEntry, expected, "") {
    return arg.CompareAll(expected) == 0;
}

void ExpectFailed(const ImportResult& result) {
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.entries.empty());
    EXPECT_THAT(result.errors, ElementsAre(IDS_ERR_003));
    EXPECT_TRUE(result.warnings.empty());
}

} // namespace

TEST(CdPlayerIniImporter, SectionsBecomeEntriesInFileOrder) {
    auto result = Import("[3A4B5C]\r\n"
                         "EntryType=1\r\n"
                         "Artist=Kraftwerk\r\n"
                         "Title=Radio-Aktivit\xE4t\r\n"
                         "NumTracks=2\r\n"
                         "0=Geigerz\xE4hler\r\n"
                         "1= Radioland \r\n"
                         "Order=0 1\r\n"
                         "\r\n"
                         "[77]\n"
                         "Title=a=b\n"
                         "Title=second title wins\n"
                         "Artist=\n");
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_THAT(result.entries,
                ElementsAre(SameEntry(Entry("3A4B5C", "Kraftwerk", "Radio-Aktivit\xE4t",
                                            "Geigerz\xE4hler\r\n Radioland")),
                            SameEntry(Entry("77", "", "second title wins", ""))));
}

TEST(CdPlayerIniImporter, KeysMatchExactlyAndTrackNumbersAreNotInterpreted) {
    auto result = Import("[D]\n"
                         "title=lower\n"
                         "ARTIST=upper\n"
                         "Title =blank before the equals sign\n"
                         "3=c\n"
                         "1=a\n"
                         "1=a\n"
                         "1x=not a track\n");
    ASSERT_TRUE(result.ok);
    EXPECT_THAT(result.entries, ElementsAre(SameEntry(Entry("D", "", "", "c\r\na\r\na"))));
}

TEST(CdPlayerIniImporter, FirstSectionCountsEvenWithoutADiscKey) {
    auto result = Import("[Settings]\nIntroTime=10\n[1]\n0=x\n");
    ASSERT_TRUE(result.ok);
    EXPECT_THAT(result.entries, ElementsAre(SameEntry(Entry("Settings", "", "", "")),
                                            SameEntry(Entry("1", "", "", "x"))));
}

TEST(CdPlayerIniImporter, LaterSectionStartsWithItsFirstDiscKeyAndCarriesNothingOver) {
    auto result = Import("[A]\nTitle=t\n0=one\n[B]\nNumPlay=1\n5=only\n");
    ASSERT_TRUE(result.ok);
    EXPECT_THAT(result.entries, ElementsAre(SameEntry(Entry("A", "", "t", "one")),
                                            SameEntry(Entry("B", "", "", "only"))));
}

TEST(CdPlayerIniImporter, LaterSectionWithoutDiscKeyIsDroppedAtTheEndAndFatalBeforeAHeader) {
    auto atEnd = Import("[A]\nTitle=t\n[B]\nEntryType=1\n");
    ASSERT_TRUE(atEnd.ok);
    EXPECT_THAT(atEnd.entries, ElementsAre(SameEntry(Entry("A", "", "t", ""))));

    ExpectFailed(Import("[A]\nTitle=t\n[B]\nEntryType=1\n[C]\nTitle=c\n"));
}

TEST(CdPlayerIniImporter, BeforeTheFirstSectionOnlyOtherKeysAreAllowed) {
    auto ignored = Import("Version=2\n; remark = with equals\n[A]\nArtist=x\n");
    ASSERT_TRUE(ignored.ok);
    EXPECT_THAT(ignored.entries, ElementsAre(SameEntry(Entry("A", "x", "", ""))));

    ExpectFailed(Import("Title=stray\n[A]\nArtist=x\n"));
    ExpectFailed(Import("0=stray\n[A]\n"));
}

TEST(CdPlayerIniImporter, BlankLinesAreSkippedAndOtherLinesWithoutEqualsAreFatal) {
    auto blank = Import("  \t \r\n[A]\r\n\t\r\n0=x\r\n \r\n");
    ASSERT_TRUE(blank.ok);
    EXPECT_THAT(blank.entries, ElementsAre(SameEntry(Entry("A", "", "", "x"))));

    ExpectFailed(Import("[A]\n; just a comment\n"));
    ExpectFailed(Import("[A]\n=value without key\n"));
    ExpectFailed(Import("[A]\nword\n"));
}

TEST(CdPlayerIniImporter, HeadersNeedANameBetweenTheBrackets) {
    ExpectFailed(Import("[]\n0=x\n"));
    ExpectFailed(Import("[A\n0=x\n"));
    ExpectFailed(Import("[A]\n0=x\n[]\n"));

    auto trailing = Import("  [ID 12]  remark ] more\n0=x\n");
    ASSERT_TRUE(trailing.ok);
    EXPECT_THAT(trailing.entries, ElementsAre(SameEntry(Entry("ID 12", "", "", "x"))));
}

TEST(CdPlayerIniImporter, FailureAfterGoodSectionsKeepsNothing) {
    ExpectFailed(Import("[A]\nTitle=a\n[B]\nTitle=b\n[C]\nTitle=c\nbroken line\n"));
}

TEST(CdPlayerIniImporter, EmptyResultsAreSuccess) {
    for (const char* text : {"", "\r\n\r\n", "Version=1\nFoo=bar\n"}) {
        auto result = Import(text);
        EXPECT_TRUE(result.ok) << text;
        EXPECT_TRUE(result.entries.empty());
        EXPECT_TRUE(result.errors.empty());
    }
}

TEST(CdPlayerIniImporter, TextEndsAtByteTwentySix) {
    auto result = Import("[A]\nTitle=a\n\x1A[B]\nbroken\n");
    ASSERT_TRUE(result.ok);
    EXPECT_THAT(result.entries, ElementsAre(SameEntry(Entry("A", "", "a", ""))));
}

TEST(CdPlayerIniImporter, TenMegabyteLineIsReadWhole) {
    std::string title(10 * 1024 * 1024, 'x');
    auto result = Import("[Long]\r\nTitle=" + title + "\r\n0=after\r\n");
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0].Title.size(), title.size());
    EXPECT_EQ(result.entries[0].Title, title);
    EXPECT_EQ(result.entries[0].Tracks, "after");
}

TEST(CdPlayerIniImporter, MissingFileAndReuseAfterFailure) {
    kvtest::TempFolder folder;
    kvtest::RecordingReporter reporter;
    CdPlayerIniImporter importer(reporter);
    EXPECT_FALSE(importer.Import(folder.File("missing.ini")));
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_002));

    kvtest::WriteText(folder.File("bad.ini"), "[A]\nTitle=a\n[B]\n[C]\n");
    kvtest::WriteText(folder.File("good.ini"), "[X]\nTitle=x\n");
    EXPECT_FALSE(importer.Import(folder.File("bad.ini")));
    EXPECT_TRUE(importer.Import(folder.File("good.ini")));
    EXPECT_THAT(importer.Entries(), ElementsAre(SameEntry(Entry("X", "", "x", ""))));
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_002, IDS_ERR_003));
}
