#include "exchange/LegacyV1Importer.h"

#include "exchange/OemText.h"
#include "resources/resource.h"
#include "testkit/Entries.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

using kolvane::DiscEntry;
using kolvane::LegacyV1Importer;
using kvtest::Entry;
using testing::ElementsAre;

namespace {

constexpr size_t RecordSize = LegacyV1Importer::RecordSize;
using Bytes = std::vector<unsigned char>;

// One record with the texts placed at their offsets, zero-filled elsewhere.
Bytes Record(const std::string& artist, const std::string& title, const std::string& year,
             const std::vector<std::string>& tracks = {}) {
    Bytes record(RecordSize, 0);
    auto put = [&](size_t offset, const std::string& text) {
        std::memcpy(record.data() + offset, text.data(), text.size());
    };
    put(0, artist);
    put(40, title);
    put(80, year);
    for (size_t k = 0; k < tracks.size(); ++k)
        put(84 + 38 * k, tracks[k]);
    return record;
}

class LegacyPair {
public:
    void Write(const std::vector<Bytes>& records, const std::string& map) {
        Bytes data;
        for (const Bytes& record : records)
            data.insert(data.end(), record.begin(), record.end());
        kvtest::WriteBytes(DataPath(), data);
        kvtest::WriteText(MapPath(), map);
    }
    std::string DataPath() const { return folder.File("DISKS1.$$$"); }
    std::string MapPath() const { return folder.File("DISKS2.$$$"); }

    bool Import(const std::string& name = "DISKS0.$$$") {
        LegacyV1Importer importer(reporter);
        bool ok = importer.Import(folder.File(name));
        entries = importer.Entries();
        return ok;
    }

    kvtest::TempFolder folder;
    kvtest::RecordingReporter reporter;
    std::vector<DiscEntry> entries;
};

} // namespace

TEST(LegacyV1Importer, SlotsInUseBecomeEntriesInSlotOrder) {
    LegacyPair pair;
    pair.Write({Record("A", "a", "1980"), Record("B", "b", "1981"), Record("C", "c", "1982"),
                Record("D", "d", "1983"), Record("E", "e", "1984")},
               std::string("1") + '0' + '\0' + ' ' + "1");
    for (const char* name : {"DISKS0.$$$", "DISKS1.$$$", "DISKS2.$$$", "DISKSx.$$$"}) {
        ASSERT_TRUE(pair.Import(name)) << name;
        ASSERT_EQ(pair.entries.size(), 2u);
        EXPECT_EQ(pair.entries[0].CompareAll(Entry("A", "a", "1980")), 0);
        EXPECT_EQ(pair.entries[1].CompareAll(Entry("E", "e", "1984")), 0);
    }
    EXPECT_TRUE(pair.reporter.errors.empty());
}

// DOS letters arrive as ANSI ones: Ä Ö Ü ä ö ü ß in the code pages 437 and 850.
TEST(LegacyV1Importer, FieldsEndAtZeroByteOrFillTheirWidthAndDosLettersAreConverted) {
    const std::string dos = "\x8E\x99\x9A\x84\x94\x81\xE1";
    const std::string ansi = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF";
    LegacyPair pair;
    std::string artist(40, 'A'), title(40, 'T'), track(38, 'k');
    Bytes full = Record(artist, title, "2001", {track});
    // Bytes 1528 to 1535 are not part of any field.
    std::memset(full.data() + 1528, 'X', 8);
    Bytes cut = Record(std::string("ab\0cd", 5), "  lead and trail  \t", std::string("19\0" "9", 4),
                       {"", "one  ", "", "three", "\r\n"});
    pair.Write({full, cut, Record(dos, "Gr" + dos.substr(6), "", {dos + " x"})}, "111");
    ASSERT_TRUE(pair.Import());
    ASSERT_EQ(pair.entries.size(), 3u);
    EXPECT_EQ(pair.entries[0].CompareAll(Entry(artist, title, "2001", "", track)), 0);
    EXPECT_EQ(pair.entries[1].CompareAll(Entry("ab", "  lead and trail", "19", "", "one\r\nthree")),
              0);
    EXPECT_EQ(pair.entries[2].CompareAll(Entry(ansi, "Gr\xDF", "", "", ansi + " x")), 0);

    std::string text = dos + "plain ASCII ~";
    kolvane::ConvertOemToAnsi(text);
    EXPECT_EQ(text, ansi + "plain ASCII ~");
}

TEST(LegacyV1Importer, AFullPairOfTwoHundredSlotsWithThirtyEightTracksEachIsRead) {
    std::vector<std::string> tracks;
    std::string expected;
    for (int k = 0; k < 38; ++k) {
        tracks.push_back("Track " + std::to_string(k));
        expected += (k ? "\r\n" : "") + tracks.back();
    }
    LegacyPair pair;
    std::vector<Bytes> records;
    for (int i = 0; i < 200; ++i)
        records.push_back(Record("Artist " + std::to_string(i), "t", "", tracks));
    pair.Write(records, std::string(200, '1'));
    ASSERT_TRUE(pair.Import());
    ASSERT_EQ(pair.entries.size(), 200u);
    EXPECT_EQ(pair.entries[199].Artist, "Artist 199");
    EXPECT_EQ(pair.entries[199].Tracks, expected);
}

TEST(LegacyV1Importer, WrongLengthsAndMissingFilesAreRefusedBeforeAnythingIsRead) {
    LegacyPair pair;
    std::vector<Bytes> records(201, Record("a", "b", "c"));
    pair.Write(records, std::string(201, '1'));
    EXPECT_FALSE(pair.Import());

    Bytes data(2 * RecordSize + 1, 0);
    kvtest::WriteText(pair.MapPath(), "11");
    kvtest::WriteBytes(pair.DataPath(), data);
    EXPECT_FALSE(pair.Import());
    data.resize(2 * RecordSize - 1);
    kvtest::WriteBytes(pair.DataPath(), data);
    EXPECT_FALSE(pair.Import());
    kvtest::WriteText(pair.MapPath(), std::string(200, '1'));
    kvtest::WriteBytes(pair.DataPath(), Bytes(199 * RecordSize, 0));
    EXPECT_FALSE(pair.Import());

    EXPECT_TRUE(pair.entries.empty());

    // ".$$$" has no name part to derive the data file's name from.
    LegacyPair missing;
    EXPECT_FALSE(missing.Import());
    kvtest::WriteBytes(missing.DataPath(), {});
    EXPECT_FALSE(missing.Import());
    kvtest::WriteText(missing.folder.File(".$$$"), "");
    EXPECT_FALSE(missing.Import(".$$$"));
    EXPECT_THAT(pair.reporter.errors,
                ElementsAre(IDS_ERR_003, IDS_ERR_003, IDS_ERR_003, IDS_ERR_003));
    EXPECT_THAT(missing.reporter.errors, ElementsAre(IDS_ERR_004, IDS_ERR_005, IDS_ERR_004));
}

#if !defined(_WIN32)
// Away from Windows the conversion starts from code page 850.
TEST(OemText, BuiltInTableIsCodePage850WithBestFit) {
    std::string text = "\x9B\x9D\xB3\xC5\xC4\xDC\xDF\xD5\xFF";
    kolvane::ConvertOemToAnsi(text);
    EXPECT_EQ(text, "\xF8\xD8\xA6+-_\xAFi\xA0");
}
#endif
