// What the fuzz targets share: the stop on a broken rule, a folder for the
// readers that take a path rather than bytes, and the input split into
// fields. Native only (POSIX).
#pragma once

#include "testkit/RecordingReporter.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace kvfuzz {

// The messages a target raised (errors and warnings apart, in order).
using kvtest::RecordingReporter;

// Stops the fuzzer with the input that broke a rule.
inline void FailIf(bool broken) {
    if (broken)
        std::abort();
}

// Stops unless two lists of entries hold the same entries in the same order.
template <class Entries>
void FailIfDifferent(const Entries& a, const Entries& b) {
    FailIf(a.size() != b.size());
    for (size_t i = 0; i < a.size(); ++i)
        FailIf(a[i].CompareAll(b[i]) != 0);
}

class ScratchFolder {
public:
    ScratchFolder() {
        // In memory where the system offers it: a file per input is the
        // fuzzers' main cost.
        char inMemory[] = "/dev/shm/kv-fuzz-XXXXXX";
        char onDisc[] = "/tmp/kv-fuzz-XXXXXX";
        char* name = mkdtemp(inMemory);
        if (name == nullptr)
            name = mkdtemp(onDisc);
        FailIf(name == nullptr);
        path_ = name;
    }
    ~ScratchFolder() {
        for (const std::string& file : files_)
            std::remove(file.c_str());
        rmdir(path_.c_str());
    }

    // Writes the bytes as the named file of the folder and returns its path.
    std::string Write(const std::string& name, const unsigned char* data, size_t size) {
        std::string file = path_ + "/" + name;
        std::FILE* out = std::fopen(file.c_str(), "wb");
        FailIf(out == nullptr || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0);
        files_.insert(file);
        return file;
    }

    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::set<std::string> files_;
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
