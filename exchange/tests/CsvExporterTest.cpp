#include "exchange/CsvExporter.h"

#include "resources/resource.h"
#include "testkit/Entries.h"
#include "testkit/FileSizeLimit.h"
#include "testkit/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

using kolvane::CsvExporter;
using kolvane::DiscCollection;
using kolvane::DiscEntry;
using kolvane::ExportFieldSet;
using kvtest::Entry;
using testing::ElementsAre;

namespace {

std::string ExportText(const DiscCollection& entries, ExportFieldSet fields) {
    kvtest::TempFolder folder;
    kvtest::RecordingReporter reporter;
    EXPECT_TRUE(CsvExporter(reporter).Export(entries, folder.File("out.csv"), fields));
    EXPECT_TRUE(reporter.errors.empty());
    return kvtest::ReadText(folder.File("out.csv"));
}

} // namespace

TEST(ExportFieldSet, StoredAsOneBytePerFieldBit) {
    ExportFieldSet set;
    EXPECT_EQ(set.ToByte(), 0x37);
    EXPECT_FALSE(set.Has(kolvane::DiscIdColumn));
    set.Set(3, true);
    set.Set(0, false);
    EXPECT_EQ(set.ToByte(), 0x3E);
    EXPECT_EQ(ExportFieldSet::FromByte(0xFF).ToByte(), 0x3F);
    EXPECT_TRUE(ExportFieldSet::FromByte(0xC0).IsEmpty());
    EXPECT_FALSE(set.Has(6));
    EXPECT_FALSE(set.Has(-1));
}

TEST(CsvExporter, DefaultFieldsQuoteEverythingAndDoubleInnerQuotes) {
    EXPECT_EQ(ExportText({Entry("A\"B\"\"", "T", "", "id", "x\r\ny")}, {}),
              "\"A\"\"B\"\"\"\"\",\"T\",\"\",\"x\r\ny\",\"\"\r\n");
}

TEST(CsvExporter, AllSixFieldsOfEmptyEntriesAndSingleFieldLines) {
    DiscCollection two = {DiscEntry{}, Entry("a,b", "t", "1970", "ID1", "", "n1\r\nn2")};
    EXPECT_EQ(ExportText(two, ExportFieldSet::FromByte(0x3F)),
              "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
              "\"a,b\",\"t\",\"1970\",\"ID1\",\"\",\"n1\r\nn2\"\r\n");
    EXPECT_EQ(ExportText(two, ExportFieldSet::FromByte(0x08)), "\"\"\r\n\"ID1\"\r\n");
    EXPECT_EQ(ExportText(two, ExportFieldSet::FromByte(0)), "\r\n\r\n");
    EXPECT_EQ(ExportText({}, {}), "");
}

TEST(CsvExporter, ExistingFileIsReplacedAndUnopenableFileReported) {
    kvtest::TempFolder folder;
    kvtest::WriteText(folder.File("out.csv"), std::string(5000, 'z'));
    kvtest::RecordingReporter reporter;
    CsvExporter exporter(reporter);
    EXPECT_TRUE(exporter.Export({Entry("a")}, folder.File("out.csv"), ExportFieldSet::FromByte(1)));
    EXPECT_EQ(kvtest::ReadText(folder.File("out.csv")), "\"a\"\r\n");

    EXPECT_FALSE(exporter.Export({Entry("a")}, folder.File("no folder/out.csv"), {}));
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_012));
}

// A file size limit as a full disc: FEHLER 001 once, the previous file whole.
TEST(CsvExporter, FailedWriteIsReportedOnceAndKeepsThePreviousFile) {
    kvtest::TempFolder folder;
    const std::string path = folder.File("out.csv");
    kvtest::WriteText(path, "vorher\r\n");
    kvtest::FileSizeLimit limit;
    if (limit.Bytes() == 0)
        GTEST_SKIP() << "no file size limit in force";
    kvtest::RecordingReporter reporter;
    const DiscCollection many(8, Entry("", "", "", "", std::string(limit.Bytes() / 4, 't')));
    EXPECT_FALSE(CsvExporter(reporter).Export(many, path, {}));
    EXPECT_THAT(reporter.errors, ElementsAre(IDS_ERR_001));
    // Compared as a flag: a cut file would fill the log.
    const std::string after = kvtest::ReadText(path);
    EXPECT_TRUE(after == "vorher\r\n") << after.size() << " bytes";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}
