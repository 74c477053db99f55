// What every seed writer shares: the corpus folder named on its command line
// and the writing of sample files into it.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace seeds {

// The corpus folder with a trailing slash; empty (after the usage line) when
// the command line does not name exactly one.
inline std::string CorpusFolder(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return "";
    }
    return std::string(argv[1]) + "/";
}

// Writes the bytes (a string or a byte vector) as the file; a file that
// cannot be written is left out of the corpus.
template <typename Bytes> void WriteFile(const std::string& path, const Bytes& bytes) {
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// Named texts, each written as a file of that name in the folder.
using Samples = std::vector<std::pair<std::string, std::string>>;

inline void WriteSamples(const std::string& folder, const Samples& samples) {
    for (const auto& [name, text] : samples)
        WriteFile(folder + name, text);
}

// The whole main of a seed writer whose seeds are named texts.
inline int WriteSampleCorpus(int argc, char** argv, const Samples& samples) {
    const std::string folder = CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    WriteSamples(folder, samples);
    return 0;
}

} // namespace seeds
