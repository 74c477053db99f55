// Reading and writing the exchange formats at the sizes a large catalogue
// gives: a cdplayer.ini of 20,000 disc sections, a CSV export of 100,000
// entries with all six fields, an extended M3U playlist of 100,000 items and
// a full legacy pair of 200 slots. Throughput is reported as bytes per second.
//
// The files are made once into the folder named by KV_BENCH_DATA (kept there,
// so that bench/exchange_vs_python.py can time Python on the very same files)
// or into a temporary folder removed at the end.
#include "exchange/CdPlayerIniImporter.h"
#include "exchange/CsvExporter.h"
#include "exchange/LegacyV1Importer.h"
#include "exchange/M3uExtReader.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;
using kolvane::LegacyV1Importer;

class FailingReporter : public zul::MessageReporter {
public:
    void ReportError(int id) override { throw std::runtime_error("error " + std::to_string(id)); }
    void ReportWarning(int id) override {
        throw std::runtime_error("warning " + std::to_string(id));
    }
};

// The folder of the generated files: KV_BENCH_DATA, or a temporary one that
// goes with the program.
class DataFolder {
public:
    DataFolder() {
        const char* given = std::getenv("KV_BENCH_DATA");
        if (given && *given) {
            path_ = given;
        } else {
            auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
            path_ = fs::temp_directory_path() / ("kv-bench-exchange-" + std::to_string(stamp));
            temporary_ = true;
        }
        fs::create_directories(path_);
    }
    ~DataFolder() {
        if (temporary_) {
            std::error_code ignored;
            fs::remove_all(path_, ignored);
        }
    }
    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    fs::path path_;
    bool temporary_ = false;
};

const DataFolder& Data() {
    static DataFolder folder;
    return folder;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0)
        throw std::runtime_error("cannot write " + path);
}

// 20,000 sections as the CD player writes them, with 8 to 19 tracks each.
const std::string& CdPlayerIniFile() {
    static const std::string path = [] {
        std::string text;
        for (int i = 0; i < 20000; ++i) {
            char id[16];
            std::snprintf(id, sizeof id, "%08X", 0x1A2B0000u + static_cast<unsigned>(i) * 7919u);
            int tracks = 8 + i % 12;
            text += "[" + std::string(id) + "]\r\nEntryType=1\r\n";
            text += "Artist=Interpret Nummer " + std::to_string(i % 5000) + "\r\n";
            text += "Title=Album \xC4hnlicher Titel " + std::to_string(i) + "\r\n";
            text += "NumTracks=" + std::to_string(tracks) + "\r\n";
            std::string order;
            for (int t = 0; t < tracks; ++t) {
                text += std::to_string(t) + "=Lied " + std::to_string(t + 1) +
                        " \xFC"
                        "ber etwas\r\n";
                order += (t ? " " : "") + std::to_string(t);
            }
            text += "Order=" + order + "\r\nNumPlay=" + std::to_string(tracks) + "\r\n\r\n";
        }
        std::string file = Data().File("cdplayer.ini");
        WriteFile(file, text);
        return file;
    }();
    return path;
}

const std::string& PlaylistFile() {
    static const std::string path = [] {
        std::string text = "#EXTM3U\r\n";
        for (int i = 0; i < 100000; ++i) {
            std::string n = std::to_string(i);
            text += "#EXTINF:" + std::to_string(120 + i % 300) + ",Interpret " +
                    std::to_string(i % 700) + " - Titel " + n + "\r\n";
            text += "C:\\Musik\\Sammlung\\Ordner " + std::to_string(i / 100) + "\\Titel " + n +
                    ".mp3\r\n";
        }
        std::string file = Data().File("playlist.m3u");
        WriteFile(file, text);
        return file;
    }();
    return path;
}

// A full pair: 200 slots in use, DOS umlauts in the texts, 10 to 38 tracks.
const std::string& LegacyPairFile() {
    static const std::string path = [] {
        std::string data, map(200, '1');
        for (int slot = 0; slot < 200; ++slot) {
            std::string record(LegacyV1Importer::RecordSize, '\0');
            auto put = [&](size_t offset, const std::string& text) {
                record.replace(offset, text.size(), text);
            };
            put(0, "Interpret \x8E"
                   "rger " +
                       std::to_string(slot));
            put(40, "Gr\x81"
                    "\xE1"
                    "e aus dem Album " +
                        std::to_string(slot));
            put(80, std::to_string(1960 + slot % 40));
            for (int k = 0; k < 10 + slot % 29; ++k)
                put(84 + 38 * static_cast<size_t>(k), "Titel " + std::to_string(k) + " sch\x94n  ");
            data += record;
        }
        WriteFile(Data().File("DISKS1.$$$"), data);
        WriteFile(Data().File("DISKS2.$$$"), map);
        return Data().File("DISKS0.$$$");
    }();
    return path;
}

// 100,000 entries with every field filled, quotes and line breaks included,
// so that the quoting is exercised.
const kolvane::DiscCollection& CsvEntries() {
    static const kolvane::DiscCollection entries = [] {
        kolvane::DiscCollection list;
        list.reserve(100000);
        for (int i = 0; i < 100000; ++i) {
            kolvane::DiscEntry entry;
            entry.Artist = "Interpret Nummer " + std::to_string(i % 5000);
            entry.Title = "Album \"" + std::to_string(i) + "\", \xC4hnlich";
            entry.Year = std::to_string(1950 + i % 70);
            entry.DiscId = std::to_string(0x10000000 + i * 7919);
            for (int t = 1; t <= 5 + i % 7; ++t)
                entry.Tracks += (t > 1 ? "\r\n" : "") + std::to_string(t) + ". Lied";
            entry.Notes = i % 3 ? "" : "Gekauft 1998,\r\nleichte Kratzer";
            list.push_back(std::move(entry));
        }
        return list;
    }();
    return entries;
}

std::uintmax_t SizeOf(const std::string& path) {
    return fs::file_size(path);
}

void CdPlayerIniImport(benchmark::State& state) {
    const std::string& path = CdPlayerIniFile();
    FailingReporter reporter;
    for (auto _ : state) {
        kolvane::CdPlayerIniImporter importer(reporter);
        if (!importer.Import(path) || importer.Entries().size() != 20000)
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(importer.Entries().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SizeOf(path)));
}
BENCHMARK(CdPlayerIniImport)->Unit(benchmark::kMillisecond);

void CsvExport(benchmark::State& state) {
    const kolvane::DiscCollection& entries = CsvEntries();
    const std::string path = Data().File("export.csv");
    FailingReporter reporter;
    kolvane::CsvExporter exporter(reporter);
    for (auto _ : state) {
        if (!exporter.Export(entries, path, kolvane::ExportFieldSet::FromByte(0x3F)))
            state.SkipWithError("export failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SizeOf(path)));
}
BENCHMARK(CsvExport)->Unit(benchmark::kMillisecond);

void M3uRead(benchmark::State& state) {
    const std::string& path = PlaylistFile();
    FailingReporter reporter;
    for (auto _ : state) {
        kolvane::M3uTrackList list;
        if (!kolvane::M3uExtReader(reporter).Read(path, list) || list.Count() != 100000)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SizeOf(path)));
}
BENCHMARK(M3uRead)->Unit(benchmark::kMillisecond);

void LegacyImport(benchmark::State& state) {
    const std::string& path = LegacyPairFile();
    FailingReporter reporter;
    for (auto _ : state) {
        LegacyV1Importer importer(reporter);
        if (!importer.Import(path) || importer.Entries().size() != 200)
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(importer.Entries().data());
    }
    std::uintmax_t bytes = SizeOf(Data().File("DISKS1.$$$")) + SizeOf(Data().File("DISKS2.$$$"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(LegacyImport)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
