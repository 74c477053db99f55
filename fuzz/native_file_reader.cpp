// Any bytes as a native data file: reading must never crash, read out of
// bounds or allocate more than the input can describe, and whatever loads must
// come back unchanged after writing it again. Each input is read from memory
// and through the program's own file calls (LoadNativeFile), and what loaded
// is saved over an earlier file with SaveNativeFile, which replaces it through
// a temporary file: the input's length decides whether a leftover of an
// earlier save lies there or the target is read-only.
#include "core/NativeFile.h"
#include "fuzz/Harness.h"
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

using kvfuzz::RecordingReporter;

int LoadFromMemory(const void* data, size_t size, DiscCollection& entries) {
    static char nothing;
    std::FILE* file = fmemopen(size > 0 ? const_cast<void*>(data) : &nothing, size, "rb");
    kvfuzz::FailIf(file == nullptr);
    int error;
    {
        FileArchive archive(file, FileArchive::Mode::Load);
        error = SerializeNativeFile(archive, entries);
    }
    std::fclose(file);
    return error;
}

void ExpectSame(const DiscCollection& a, const DiscCollection& b) {
    kvfuzz::FailIf(a.size() != b.size());
    for (size_t i = 0; i < a.size(); ++i)
        kvfuzz::FailIf(a[i].CompareAll(b[i]) != 0);
}

// Saving and loading through the file calls.
void ThroughFiles(kvfuzz::ScratchFolder& folder, const unsigned char* data, size_t size,
                  int memoryResult, const DiscCollection& fromMemory) {
    const std::string input = folder.Write("in.kvd", data, size);
    RecordingReporter reporter;
    DiscCollection loaded;
    const int result = kolvane::LoadNativeFile(input, loaded, reporter);
    // The same outcome as from memory, with exactly one message on failure.
    kvfuzz::FailIf(result != (memoryResult == 0 ? 1 : 0) || !reporter.warnings.empty() ||
                   reporter.errors !=
                       (result == 1 ? std::vector<int>{} : std::vector<int>{memoryResult}));
    ExpectSame(loaded, fromMemory);
    if (result != 1)
        return;

    // An earlier file, and perhaps a leftover of a save that did not end.
    const std::string target = folder.File("out.kvd");
    const unsigned char earlier[] = {'K', 'O', 'L', 'V', 1, 0, 0, 0, 0, 0, 0, 0};
    folder.Write("out.kvd", earlier, sizeof(earlier));
    chmod(target.c_str(), 0644);
    const bool leftover = size % 3 == 0;
    std::remove(folder.File("out.kv~").c_str());
    if (leftover)
        folder.Write("out.kv~", data, size);
    const bool readOnly = size % 7 == 0;
    if (readOnly)
        chmod(target.c_str(), 0444);

    reporter.errors.clear();
    const int saved = kolvane::SaveNativeFile(target, loaded, reporter);
    if (readOnly) {
        kvfuzz::FailIf(saved != 0 || !reporter.warnings.empty() ||
                       reporter.errors != std::vector<int>{IDS_ERR_012} ||
                       kvfuzz::FileContent(target) !=
                           std::string(earlier, earlier + sizeof(earlier)));
        chmod(target.c_str(), 0644);
        return;
    }
    kvfuzz::FailIf(saved != 1 || !reporter.errors.empty() || !reporter.warnings.empty());
    // A leftover stays untouched, and no temporary file of this save stays.
    struct stat status;
    kvfuzz::FailIf(leftover ? kvfuzz::FileContent(folder.File("out.kv~")) !=
                                  std::string(data, data + size)
                            : stat(folder.File("out.kv~").c_str(), &status) == 0);
    kvfuzz::FailIf(stat(folder.File("out.k~1").c_str(), &status) == 0);
    DiscCollection reloaded;
    kvfuzz::FailIf(kolvane::LoadNativeFile(target, reloaded, reporter) != 1);
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
    kvfuzz::FailIf(out == nullptr);
    {
        FileArchive archive(out, FileArchive::Mode::Store);
        kvfuzz::FailIf(SerializeNativeFile(archive, entries) != 0 || !archive.Flush());
    }
    std::fclose(out);

    DiscCollection reloaded;
    kvfuzz::FailIf(LoadFromMemory(written, writtenSize, reloaded) != 0);
    ExpectSame(reloaded, entries);
    std::free(written);
    return 0;
}
