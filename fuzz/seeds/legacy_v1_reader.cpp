// Writes the seed corpus of fuzz_legacy_v1_reader into the folder given as
// argument, in the fuzzer's layout: two bytes (little-endian) of allocation
// file length, the allocation file, then the data file.
#include "SeedCorpus.h"

#include <cstring>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Record(const std::string& artist, const std::string& title, const std::string& year,
             const std::vector<std::string>& tracks) {
    Bytes record(1536, 0);
    std::memcpy(record.data(), artist.data(), artist.size());
    std::memcpy(record.data() + 40, title.data(), title.size());
    std::memcpy(record.data() + 80, year.data(), year.size());
    for (size_t k = 0; k < tracks.size(); ++k)
        std::memcpy(record.data() + 84 + 38 * k, tracks[k].data(), tracks[k].size());
    return record;
}

void WritePair(const std::string& path, const std::string& map, const std::vector<Bytes>& records) {
    Bytes bytes = {static_cast<unsigned char>(map.size() & 0xFF),
                   static_cast<unsigned char>(map.size() >> 8)};
    bytes.insert(bytes.end(), map.begin(), map.end());
    for (const Bytes& record : records)
        bytes.insert(bytes.end(), record.begin(), record.end());
    seeds::WriteFile(path, bytes);
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    WritePair(folder + "empty", "", {});
    WritePair(folder + "three", "1 1",
              {Record("\x8E"
                      "rzte",
                      "Gr\xE1"
                      "n",
                      "1995", {"", "Eins", "", "Zwei  "}),
               Record("skipped", "", "", {}), Record(std::string(40, 'A'), "t", "19", {"x"})});
    WritePair(folder + "short_data", "11", {Record("a", "b", "c", {})});
    return 0;
}
