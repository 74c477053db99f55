// Any bytes as a native data file: reading must never crash, read out of
// bounds or allocate more than the input can describe, and whatever loads must
// come back unchanged after writing it again.
#include "core/NativeFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using kolvane::DiscCollection;
using kolvane::SerializeNativeFile;
using zul::FileArchive;

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    DiscCollection entries;
    if (LoadFromMemory(data, size, entries) != 0)
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
    if (LoadFromMemory(written, writtenSize, reloaded) != 0 || reloaded.size() != entries.size())
        std::abort();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (reloaded[i].CompareAll(entries[i]) != 0)
            std::abort();
    }
    std::free(written);
    return 0;
}
