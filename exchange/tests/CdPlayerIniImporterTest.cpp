#include "exchange/CdPlayerIniImporter.h"

#include "resources/resource.h"
#include "testkit/Entries.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using kolvane::CdPlayerIniImporter;
using kolvane::DiscCollection;
using testing::ElementsAre;

namespace {

// An entry as the importer makes one: disc id, artist, title and tracks.
kolvane::DiscEntry Disc(const char* id, const char* artist, const char* title, const char* tracks) {
    return kvtest::Entry(artist, title, "", id, tracks);
}

const DiscCollection Failed; // with FEHLER 003

} // namespace

TEST(CdPlayerIniImporter, SectionsBecomeEntriesOrTheWholeFileFails) {
    const struct {
        const char* what;
        std::string text;
        DiscCollection entries;
        bool ok = true;
    } cases[] = {
        {"sections in file order, the last title counts",
         "[3A4B5C]\r\nEntryType=1\r\nArtist=Kraftwerk\r\nTitle=Radio-Aktivit\xE4t\r\nNumTracks="
         "2\r\n"
         "0=Geigerz\xE4hler\r\n1= Radioland \r\nOrder=0 1\r\n\r\n"
         "[77]\nTitle=a=b\nTitle=second title wins\nArtist=\n",
         {Disc("3A4B5C", "Kraftwerk", "Radio-Aktivit\xE4t", "Geigerz\xE4hler\r\n Radioland"),
          Disc("77", "", "second title wins", "")}},
        {"keys in any letter case, track numbers are not interpreted",
         "[D]\ntitle=lower\nARTIST=upper\nTitle =blank before the equals sign\n3=c\n1=a\n1=a\n"
         "1x=not a track\n",
         {Disc("D", "upper", "lower", "c\r\na\r\na")}},
        {"the first section counts without a disc key",
         "[Settings]\nIntroTime=10\n[1]\n0=x\n",
         {Disc("Settings", "", "", ""), Disc("1", "", "", "x")}},
        {"a later section starts with its first disc key and carries nothing over",
         "[A]\nTitle=t\n0=one\n[B]\nNumPlay=1\n5=only\n",
         {Disc("A", "", "t", "one"), Disc("B", "", "", "only")}},
        {"other keys before the first section",
         "Version=2\n; remark = with equals\n[A]\nArtist=x\n",
         {Disc("A", "x", "", "")}},
        {"a disc key before the first section", "Title=stray\n[A]\nArtist=x\n", Failed, false},
        {"blank lines", "  \t \r\n[A]\r\n\t\r\n0=x\r\n \r\n", {Disc("A", "", "", "x")}},
        {"a comment", "[A]\n; just a comment\n", Failed, false},
        {"no key", "[A]\n=value without key\n", Failed, false},
        {"a header without name", "[]\n0=x\n", Failed, false},
        {"a header without bracket", "[A\n0=x\n", Failed, false},
        {"text after the header", "  [ID 12]  remark ] more\n0=x\n", {Disc("ID 12", "", "", "x")}},
        {"a broken line after good sections",
         "[A]\nTitle=a\n[B]\nTitle=b\n[C]\nTitle=c\nbroken line\n", Failed, false},
        {"an empty file", "", {}},
        {"byte 26 ends the text", "[A]\nTitle=a\n\x1A[B]\nbroken\n", {Disc("A", "", "a", "")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kvtest::TempFolder folder;
        kvtest::WriteText(folder.File("cdplayer.ini"), c.text);
        kvtest::RecordingReporter reporter;
        CdPlayerIniImporter importer(reporter);
        EXPECT_EQ(importer.Import(folder.File("cdplayer.ini")), c.ok);
        ASSERT_EQ(importer.Entries().size(), c.entries.size());
        for (size_t i = 0; i < c.entries.size(); ++i)
            EXPECT_EQ(importer.Entries()[i].CompareAll(c.entries[i]), 0) << i;
        EXPECT_EQ(reporter.errors, c.ok ? std::vector<int>{} : std::vector<int>{IDS_ERR_003});
        EXPECT_TRUE(reporter.warnings.empty());
    }
}

TEST(CdPlayerIniImporter, MissingFileAndReuseAfterFailure) {
    kvtest::TempFolder folder;
    kvtest::RecordingReporter reporter;
    CdPlayerIniImporter importer(reporter);
    EXPECT_FALSE(importer.Import(folder.File("missing.ini")));
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_002));

    kvtest::WriteText(folder.File("bad.ini"), "[A]\nTitle=a\n[B]\nbroken\n");
    kvtest::WriteText(folder.File("good.ini"), "[X]\nTitle=x\n");
    EXPECT_FALSE(importer.Import(folder.File("bad.ini")));
    EXPECT_TRUE(importer.Import(folder.File("good.ini")));
    ASSERT_EQ(importer.Entries().size(), 1u);
    EXPECT_EQ(importer.Entries()[0].CompareAll(Disc("X", "", "x", "")), 0);
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_002, IDS_ERR_003));
}
