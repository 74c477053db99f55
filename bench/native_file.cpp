// Loading and saving 100,000 entries through SerializeNativeFile against plain
// buffered reading and writing of the same bytes, 4096 at a time: into a
// buffer used before, and (loading) into memory allocated for each read as
// any loader needs. Prints the throughput of each and the ratios with their
// targets.
#include "core/NativeFile.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using kolvane::DiscCollection;
using kolvane::DiscEntry;
using zul::FileArchive;

const int EntryCount = 100000;

// Entries of the size a real catalogue has: short list fields, a dozen track
// lines, a line of notes; umlauts here and there.
DiscCollection MakeCollection() {
    DiscCollection entries;
    entries.reserve(EntryCount);
    for (int i = 0; i < EntryCount; ++i) {
        DiscEntry entry;
        entry.Artist = "Interpret Nummer " + std::to_string(i % 5000);
        entry.Title = "Album \xC4hnlicher Titel " + std::to_string(i);
        entry.Year = std::to_string(1950 + i % 70);
        entry.DiscId = std::to_string(0x10000000 + i * 7919);
        for (int t = 1; t <= 5 + i % 7; ++t)
            entry.Tracks += std::to_string(t) + ". Lied \xFC"
                                                "ber etwas\r\n";
        entry.Notes =
            i % 3 == 0 ? "" : "Gekauft 1998, leichte Kratzer auf Seite B.\r\nGeliehen an Max.";
        entries.push_back(std::move(entry));
    }
    return entries;
}

const DiscCollection& Collection() {
    static const DiscCollection entries = MakeCollection();
    return entries;
}

std::string FilePath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// The collection as a file and as bytes in memory, made once.
const std::vector<char>& FileBytes() {
    static const std::vector<char> bytes = [] {
        const std::string path = FilePath("kv-bench-source.kvd");
        std::FILE* file = std::fopen(path.c_str(), "wb");
        {
            FileArchive archive(file, FileArchive::Mode::Store);
            SerializeNativeFile(archive, const_cast<DiscCollection&>(Collection()));
            archive.Flush();
        }
        std::fclose(file);
        std::vector<char> result(std::filesystem::file_size(path));
        file = std::fopen(path.c_str(), "rb");
        std::fread(result.data(), 1, result.size(), file);
        std::fclose(file);
        return result;
    }();
    return bytes;
}

void SaveSerialized(benchmark::State& state) {
    const std::string path = FilePath("kv-bench-save.kvd");
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        FileArchive archive(file, FileArchive::Mode::Store);
        int error = SerializeNativeFile(archive, const_cast<DiscCollection&>(Collection()));
        if (error != 0 || !archive.Flush() || std::fclose(file) != 0)
            state.SkipWithError("writing failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FileBytes().size()));
}

void SavePlain(benchmark::State& state) {
    const std::string path = FilePath("kv-bench-plain.kvd");
    const std::vector<char>& bytes = FileBytes();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::setvbuf(file, nullptr, _IOFBF, FileArchive::BufferSize);
        for (size_t at = 0; at < bytes.size(); at += FileArchive::BufferSize)
            std::fwrite(bytes.data() + at, 1, std::min(FileArchive::BufferSize, bytes.size() - at),
                        file);
        if (std::fclose(file) != 0)
            state.SkipWithError("writing failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void LoadSerialized(benchmark::State& state) {
    const std::string path = FilePath("kv-bench-source.kvd");
    FileBytes();
    for (auto _ : state) {
        DiscCollection entries;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        {
            FileArchive archive(file, FileArchive::Mode::Load);
            if (SerializeNativeFile(archive, entries) != 0 || entries.size() != EntryCount)
                state.SkipWithError("reading failed");
        }
        std::fclose(file);
        // Freeing the entries is not part of loading them.
        state.PauseTiming();
        entries = {};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FileBytes().size()));
}

// The same with a heap that keeps freed memory, as in a process that held a
// collection before. By default glibc hands the freed entries back to the
// system and the next load faults every page in again, which on some virtual
// machines costs more than the reading itself. Runs last: the setting stays.
void LoadSerializedWarmHeap(benchmark::State& state) {
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
#endif
    LoadSerialized(state);
}

void LoadPlain(benchmark::State& state) {
    const std::string path = FilePath("kv-bench-source.kvd");
    std::vector<char> bytes(FileBytes().size());
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::setvbuf(file, nullptr, _IOFBF, FileArchive::BufferSize);
        size_t total = 0;
        while (size_t got =
                   std::fread(bytes.data() + total, 1,
                              std::min(FileArchive::BufferSize, bytes.size() - total), file))
            total += got;
        std::fclose(file);
        if (total != bytes.size())
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

// The same into memory allocated for each read, as a loader has to: the
// pages are new to the process every time.
void LoadPlainFresh(benchmark::State& state) {
    const std::string path = FilePath("kv-bench-source.kvd");
    const size_t size = FileBytes().size();
    for (auto _ : state) {
        std::unique_ptr<char[]> bytes(new char[size]);
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::setvbuf(file, nullptr, _IOFBF, FileArchive::BufferSize);
        size_t total = 0;
        while (size_t got = std::fread(bytes.get() + total, 1,
                                       std::min(FileArchive::BufferSize, size - total), file))
            total += got;
        std::fclose(file);
        if (total != size)
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(bytes.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}

BENCHMARK(SaveSerialized)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SavePlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadSerialized)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadPlain)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadPlainFresh)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadSerializedWarmHeap)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the time per iteration of every run so that main can print ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            seconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("file: %d entries, %.1f MB\n", EntryCount, FileBytes().size() / 1e6);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&reporter](const char* ours, const char* plain, const char* target) {
        if (reporter.seconds.count(ours) && reporter.seconds.count(plain))
            std::printf("%s speed / %s speed: %.2f (target %s)\n", ours, plain,
                        reporter.seconds[plain] / reporter.seconds[ours], target);
    };
    ratio("LoadSerialized", "LoadPlain", "at least 0.33");
    ratio("LoadSerialized", "LoadPlainFresh", "at least 0.5");
    ratio("LoadSerializedWarmHeap", "LoadPlain", "at least 0.33");
    ratio("SaveSerialized", "SavePlain", "at least 0.33");
    std::remove(FilePath("kv-bench-source.kvd").c_str());
    std::remove(FilePath("kv-bench-save.kvd").c_str());
    std::remove(FilePath("kv-bench-plain.kvd").c_str());
    benchmark::Shutdown();
    return 0;
}
