#include "exchange/CdPlayerIniExporter.h"

#include "resources/resource.h"
#include "testkit/Entries.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using kolvane::DiscEntry;
using testing::ElementsAre;

namespace {

// An entry with a year and notes, which the file has no keys for.
DiscEntry Entry(const char* discId, const char* artist, const char* title, const char* tracks) {
    return kvtest::Entry(artist, title, "1999", discId, tracks, "not exported");
}

class CdPlayerIniExporter : public testing::Test {
protected:
    std::string Written() const { return kvtest::ReadText(path); }

    kvtest::TempFolder folder;
    std::string path = folder.File("cdplayer.ini");
    kvtest::RecordingReporter reporter;
    kolvane::CdPlayerIniExporter exporter{reporter};
};

} // namespace

// Entries without a disc id are left out; with none at all, no file is made.
TEST_F(CdPlayerIniExporter, NewFileGetsOneSectionPerDiscIdInTheCdPlayersKeyOrder) {
    exporter.Export({Entry("", "a", "b", "c")}, path);
    exporter.Export({}, path);
    EXPECT_THAT(reporter.warnings, ElementsAre(IDS_WARN_501, IDS_WARN_501));
    EXPECT_FALSE(std::filesystem::exists(path));

    reporter.warnings.clear();
    exporter.Export({Entry("1A2B", "Art", "Tit", "a\r\n\r\n  b  "), Entry("", "x", "no id", "t"),
                     Entry("FF", "", "", "")},
                    path);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_TRUE(reporter.warnings.empty());
    EXPECT_EQ(Written(), "[1A2B]\r\nEntryType=1\r\nTitle=Tit\r\nArtist=Art\r\nNumTracks=2\r\n"
                         "0=a\r\n1=b\r\nOrder=0 1\r\nNumPlay=2\r\n"
                         "[FF]\r\nEntryType=1\r\nTitle=\r\nArtist=\r\nNumTracks=0\r\n"
                         "Order=\r\nNumPlay=0\r\n");
}

// The other lines, sections and keys stay as they were, track keys beyond the count too.
TEST_F(CdPlayerIniExporter, ExistingFileChangesOnlyTheExportedKeys) {
    const std::string above = "; kept by the CD player\r\n[Settings]\r\nIntroTime=10\r\n\r\n"
                              "[abc]\r\nEntryType=1\r\n";
    const std::string below = "Other=keep\r\n\r\n[zzz]\nTitle=untouched\n";
    std::string oldTracks;
    std::string newTracks;
    std::string newKeys;
    for (int i = 0; i < 12; ++i) {
        oldTracks += std::to_string(i) + "=old " + std::to_string(i) + "\r\n";
        if (i < 10) {
            newTracks += "new " + std::to_string(i) + "\r\n";
            newKeys += std::to_string(i) + "=new " + std::to_string(i) + "\r\n";
        }
    }
    kvtest::WriteText(path, above + "artist=Old artist\r\ntitle=Old title\r\nNumTracks=12\r\n" +
                                oldTracks + "Order=0 1 2 3 4 5 6 7 8 9 10 11\r\nNumPlay=12\r\n" +
                                below);
    exporter.Export({Entry("ABC", "New artist", "New title", newTracks.c_str())}, path);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(Written(),
              above + "artist=New artist\r\ntitle=New title\r\nNumTracks=10\r\n" + newKeys +
                  "10=old 10\r\n11=old 11\r\nOrder=0 1 2 3 4 5 6 7 8 9\r\nNumPlay=10\r\n" + below);
}

TEST_F(CdPlayerIniExporter, FailingWriteStopsAndKeepsWhatWasWritten) {
    exporter.Export({Entry("A", "", "t", "")}, folder.File("missing folder/cdplayer.ini"));
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_001));

    // A "]" in the disc id or a line break in the title would add lines of their own.
    reporter.errors.clear();
    exporter.Export({Entry("A", "", "t", ""), Entry("B]", "", "u", ""), Entry("C", "", "v", "")},
                    path);
    exporter.Export({Entry("D", "", "x\r\n[E]", "")}, path);
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_001, IDS_ERR_001));
    EXPECT_EQ(Written(), "[A]\r\nEntryType=1\r\nTitle=t\r\nArtist=\r\nNumTracks=0\r\n"
                         "Order=\r\nNumPlay=0\r\n[D]\r\nEntryType=1\r\n");
}
