// Every reader and writer of a file tells rising steps that end at the total.
#include "core/NativeFile.h"
#include "exchange/CdPlayerIniExporter.h"
#include "exchange/CdPlayerIniImporter.h"
#include "exchange/CsvExporter.h"
#include "exchange/M3uExtReader.h"
#include "testkit/Entries.h"
#include "testkit/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

struct RecordedProgress : zul::Progress {
    void Advance(std::uint64_t done, std::uint64_t total) override {
        steps.emplace_back(done, total);
    }
    std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
};

// Several of the text readers' 64 KiB progress blocks.
kolvane::DiscCollection ManyEntries() {
    kolvane::DiscCollection entries;
    for (int i = 0; i < 3000; ++i) {
        const std::string n = std::to_string(i);
        entries.push_back(kvtest::Entry("Interpret " + n, "Titel " + n, "1999", "ID" + n,
                                        "Erster Track\r\nZweiter Track " + n));
    }
    return entries;
}

using Operation = bool (*)(const kolvane::DiscCollection&, const kvtest::TempFolder&,
                           kvtest::RecordingReporter&, zul::Progress*);

const std::pair<const char*, Operation> Operations[] = {
    {"native save",
     [](const auto& entries, const auto& folder, auto& reporter, zul::Progress* progress) {
         return kolvane::SaveNativeFile(folder.File("a.kvd"), entries, reporter, progress) == 1;
     }},
    {"native load",
     [](const auto& entries, const auto& folder, auto& reporter, zul::Progress* progress) {
         kolvane::DiscCollection read;
         return kolvane::SaveNativeFile(folder.File("a.kvd"), entries, reporter) == 1 &&
                kolvane::LoadNativeFile(folder.File("a.kvd"), read, reporter, progress) == 1 &&
                read.size() == entries.size();
     }},
    {"cdplayer.ini export",
     [](const auto& entries, const auto& folder, auto& reporter, zul::Progress* progress) {
         kolvane::CdPlayerIniExporter(reporter).Export(entries, folder.File("i.ini"), progress);
         return reporter.errors.empty();
     }},
    {"cdplayer.ini import",
     [](const auto& entries, const auto& folder, auto& reporter, zul::Progress* progress) {
         kolvane::CdPlayerIniExporter(reporter).Export(entries, folder.File("i.ini"));
         kolvane::CdPlayerIniImporter importer(reporter);
         importer.SetProgress(progress);
         return importer.Import(folder.File("i.ini")) &&
                importer.Entries().size() == entries.size();
     }},
    {"CSV export",
     [](const auto& entries, const auto& folder, auto& reporter, zul::Progress* progress) {
         return kolvane::CsvExporter(reporter).Export(entries, folder.File("a.csv"),
                                                     kolvane::ExportFieldSet(), progress);
     }},
    {"M3U read",
     [](const auto& entries, const auto& folder, auto& reporter, zul::Progress* progress) {
         std::string text = "#EXTM3U\r\n";
         for (const kolvane::DiscEntry& entry : entries)
             text += "#EXTINF:60," + entry.Artist + " - " + entry.Title + "\r\nx.mp3\r\n";
         kvtest::WriteText(folder.File("a.m3u"), text);
         kolvane::M3uExtReader reader(reporter);
         reader.SetProgress(progress);
         kolvane::M3uTrackList list;
         return reader.Read(folder.File("a.m3u"), list) &&
                static_cast<std::size_t>(list.Count()) == entries.size();
     }},
};

} // namespace

TEST(ProgressTest, EachReaderAndWriterTellsRisingStepsUpToItsTotal) {
    const kolvane::DiscCollection entries = ManyEntries();
    for (const auto& [name, run] : Operations) {
        SCOPED_TRACE(name);
        kvtest::TempFolder folder;
        kvtest::RecordingReporter reporter;
        RecordedProgress progress;
        ASSERT_TRUE(run(entries, folder, reporter, &progress));
        ASSERT_GE(progress.steps.size(), 2u);
        const std::uint64_t total = progress.steps.front().second;
        std::uint64_t last = 0;
        for (const auto& [done, stepTotal] : progress.steps) {
            EXPECT_EQ(stepTotal, total);
            EXPECT_GT(done, last);
            last = done;
        }
        EXPECT_EQ(last, total);
    }
}
