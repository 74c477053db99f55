// A folder of this fuzzer process that each input is written into, for the
// readers that take a path rather than bytes. Native only (POSIX).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <set>

#include <unistd.h>

namespace kvfuzz {

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
        if (name == nullptr)
            std::abort();
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
        if (out == nullptr || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0)
            std::abort();
        files_.insert(file);
        return file;
    }

    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::set<std::string> files_;
};

// The whole content of a file the program wrote; empty when there is none.
inline std::string FileContent(const std::string& path) {
    std::string content;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
            content.append(buffer, got);
        std::fclose(file);
    }
    return content;
}

} // namespace kvfuzz
