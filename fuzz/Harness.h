// What the fuzz targets share (native only).
#pragma once

#include "testkit/TempFolder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace kvfuzz {

using kvtest::RecordingReporter;

inline void FailIf(bool broken) {
    if (broken)
        std::abort();
}

template <class Entries> void FailIfDifferent(const Entries& a, const Entries& b) {
    FailIf(a.size() != b.size());
    for (size_t i = 0; i < a.size(); ++i)
        FailIf(a[i].CompareAll(b[i]) != 0);
}

// scripts/fuzz.sh puts it in memory: a file per input is the main cost.
class ScratchFolder : public kvtest::TempFolder {
public:
    std::string Write(const std::string& name, const unsigned char* data, size_t size) {
        const std::string path = File(name);
        kvtest::WriteBytes(path, std::vector<unsigned char>(data, data + size));
        FailIf(std::filesystem::file_size(path) != size);
        return path;
    }
};

// At least one field; the last allowed keeps further separators as bytes.
inline std::vector<std::string> Fields(const unsigned char* data, size_t size,
                                       unsigned char separator, size_t most = SIZE_MAX) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == separator && fields.size() < most)
            fields.emplace_back();
        else
            fields.back().push_back(static_cast<char>(data[i]));
    }
    return fields;
}

} // namespace kvfuzz
