// Any bytes as a native data file: reading must never crash, read out of
// bounds or allocate more than the input can describe, and whatever loads must
// come back unchanged after writing it again. Each input is read from memory
// and through the program's own file calls (LoadNativeFile), and what loaded
// is saved over an earlier file with SaveNativeFile, which replaces it through
// a temporary file: the input's length decides whether a leftover of an
// earlier save lies there or the target is read-only.
#include "core/NativeFile.h"
#include "fuzz/ScratchFolder.h"
#include "resources/resource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/stat.h>

namespace {

using kolvane::DiscCollection;
using kolvane::SerializeNativeFile;
using zul::FileArchive;

class RecordingReporter : public zul::MessageReporter {
public:
    void ReportError(int id) override { errors.push_back(id); }
    void ReportWarning(int id) override { errors.push_back(id); }
    std::vector<int> errors;
};

int LoadFromMemory(const void* data, size_t size, DiscCollection& entries) {
    static char nothing;
    std::FILE* file = fmemopen(size > 0 ? const_cast<void*>(data) : &nothing, size, "rb");
    if (file == nullptr)
        std::abort();
    int error;
    {
        FileArchive archive(file, FileArchive::Mode::Load);
        error = SerializeNativeFile(archive, entries);
    }
    std::fclose(file);
    return error;
}

void ExpectSame(const DiscCollection& a, const DiscCollection& b) {
    if (a.size() != b.size())
        std::abort();
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].CompareAll(b[i]) != 0)
            std::abort();
    }
}

std::vector<unsigned char> ReadAll(const std::string& path) {
    std::vector<unsigned char> bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        unsigned char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
            bytes.insert(bytes.end(), buffer, buffer + got);
        std::fclose(file);
    }
    return bytes;
}

// Saving and loading through the file calls.
void ThroughFiles(kvfuzz::ScratchFolder& folder, const unsigned char* data, size_t size,
                  int memoryResult, const DiscCollection& fromMemory) {
    const std::string input = folder.Write("in.kvd", data, size);
    RecordingReporter reporter;
    DiscCollection loaded;
    const int result = kolvane::LoadNativeFile(input, loaded, reporter);
    // The same outcome as from memory, with exactly one message on failure.
    if (result != (memoryResult == 0 ? 1 : 0) ||
        reporter.errors != (result == 1 ? std::vector<int>{} : std::vector<int>{memoryResult}))
        std::abort();
    ExpectSame(loaded, fromMemory);
    if (result != 1)
        return;

    // An earlier file, and perhaps a leftover of a save that did not end.
    const std::string target = folder.File("out.kvd");
    const unsigned char earlier[] = {'K', 'O', 'L', 'V', 1, 0, 0, 0, 0, 0, 0, 0};
    folder.Write("out.kvd", earlier, sizeof(earlier));
    chmod(target.c_str(), 0644);
    if (size % 3 == 0)
        folder.Write("out.kv~", data, size);
    const bool readOnly = size % 7 == 0;
    if (readOnly)
        chmod(target.c_str(), 0444);

    reporter.errors.clear();
    const int saved = kolvane::SaveNativeFile(target, loaded, reporter);
    if (readOnly) {
        if (saved != 0 || reporter.errors != std::vector<int>{IDS_ERR_012} ||
            ReadAll(target) != std::vector<unsigned char>(earlier, earlier + sizeof(earlier)))
            std::abort();
        chmod(target.c_str(), 0644);
        return;
    }
    if (saved != 1 || !reporter.errors.empty())
        std::abort();
    // No temporary file stays beside the target.
    struct stat status;
    if (stat(folder.File("out.kv~").c_str(), &status) == 0)
        std::abort();
    DiscCollection reloaded;
    if (kolvane::LoadNativeFile(target, reloaded, reporter) != 1)
        std::abort();
    ExpectSame(reloaded, loaded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    DiscCollection entries;
    const int error = LoadFromMemory(data, size, entries);
    ThroughFiles(folder, data, size, error, entries);
    if (error != 0)
        return 0;

    char* written = nullptr;
    size_t writtenSize = 0;
    std::FILE* out = open_memstream(&written, &writtenSize);
    if (out == nullptr)
        std::abort();
    {
        FileArchive archive(out, FileArchive::Mode::Store);
        if (SerializeNativeFile(archive, entries) != 0 || !archive.Flush())
            std::abort();
    }
    std::fclose(out);

    DiscCollection reloaded;
    if (LoadFromMemory(written, writtenSize, reloaded) != 0)
        std::abort();
    ExpectSame(reloaded, entries);
    std::free(written);
    return 0;
}
