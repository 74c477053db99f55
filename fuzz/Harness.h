// What the fuzz targets share: the stop on a broken rule, a folder for the
// readers that take a path rather than bytes, and the input split into
// fields. Native only.
#pragma once

#include "testkit/RecordingReporter.h"
#include "testkit/TempFolder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace kvfuzz {

// The messages a target raised (errors and warnings apart, in order).
using kvtest::RecordingReporter;

// Stops the fuzzer with the input that broke a rule.
inline void FailIf(bool broken) {
    if (broken)
        std::abort();
}

// Stops unless two lists of entries hold the same entries in the same order.
template <class Entries> void FailIfDifferent(const Entries& a, const Entries& b) {
    FailIf(a.size() != b.size());
    for (size_t i = 0; i < a.size(); ++i)
        FailIf(a[i].CompareAll(b[i]) != 0);
}

// A temporary folder (scripts/fuzz.sh puts it in memory: a file per input is
// the fuzzers' main cost) that writes the input as a file.
class ScratchFolder : public kvtest::TempFolder {
public:
    std::string Write(const std::string& name, const unsigned char* data, size_t size) {
        const std::string path = File(name);
        kvtest::WriteBytes(path, std::vector<unsigned char>(data, data + size));
        FailIf(std::filesystem::file_size(path) != size);
        return path;
    }
};

// The bytes cut at each separator into at least one field; after the last
// field allowed, separators are kept as bytes of it.
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
