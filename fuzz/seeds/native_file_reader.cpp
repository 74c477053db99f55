// Writes the seed corpus of fuzz_native_file_reader into the folder given as
// argument: files made by the program's own writer, plus the accepted forms
// the writer never produces (wide strings, non-canonical prefixes).
#include "core/NativeFile.h"

#include "SeedCorpus.h"

namespace {

class CountingReporter : public zul::MessageReporter {
public:
    void ReportError(int) override { ++errors; }
    void ReportWarning(int) override {}
    int errors = 0;
};

} // namespace

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    using kolvane::DiscEntry;
    const std::vector<std::pair<std::string, kolvane::DiscCollection>> collections = {
        {"empty", {}},
        {"abc", {DiscEntry{"abc", "", "", "", "", ""}}},
        {"entries",
         {DiscEntry{"Die \xC4rzte", "Planet Punk", "1995", "4A3B2C1D", "Eins\r\nZwei\r\n", "Notiz"},
          DiscEntry{"", "", "", "", "", ""},
          DiscEntry{"Bach", "Goldberg-Variationen", "1741", "", "Aria\r\nVariatio 1", "\r\n"}}},
        {"long-255", {DiscEntry{std::string(255, 'x'), "", "", "", "", ""}}},
        {"long-65534", {DiscEntry{"", "", "", "", std::string(65534, 't'), ""}}},
    };
    CountingReporter reporter;
    for (const auto& [name, entries] : collections)
        kolvane::SaveNativeFile(folder + name + ".kvd", entries, reporter);

    const std::vector<unsigned char> header = {'K', 'O', 'L', 'V', 1, 0, 0, 0, 1, 0, 0, 0};
    auto withHeader = [&header](std::vector<unsigned char> body) {
        body.insert(body.begin(), header.begin(), header.end());
        return body;
    };
    seeds::WriteFile(folder + "wide.kvd",
                     withHeader({0xFF, 0xFE, 0xFF, 0x02, 0xE4, 0x00, 0x62, 0x00, 0, 0, 0, 0, 0}));
    seeds::WriteFile(folder + "noncanonical.kvd",
                     withHeader({0xFF, 0x03, 0x00, 'a', 'b', 'c', 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 'd',
                                 0, 0, 0, 0}));
    return reporter.errors == 0 ? 0 : 1;
}
