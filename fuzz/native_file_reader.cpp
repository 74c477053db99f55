// Any bytes as a native file: a load gives what a read from memory gives,
// one message on failure, and saved again it loads unchanged.
#include "core/NativeFile.h"
#include "fuzz/Harness.h"

#include <cstdio>
#include <vector>

using kolvane::DiscCollection;
using kvfuzz::FailIf;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    static char nothing;
    void* bytes = size > 0 ? const_cast<unsigned char*>(data) : static_cast<void*>(&nothing);
    std::FILE* file = fmemopen(bytes, size, "rb");
    FailIf(file == nullptr);
    DiscCollection fromMemory;
    int error;
    {
        zul::FileArchive archive(file, zul::FileArchive::Mode::Load);
        error = kolvane::SerializeNativeFile(archive, fromMemory);
    }
    std::fclose(file);

    kvfuzz::RecordingReporter reporter;
    DiscCollection loaded;
    const int result =
        kolvane::LoadNativeFile(folder.Write("in.kvd", data, size), loaded, reporter);
    FailIf(result != (error == 0 ? 1 : 0) || !reporter.warnings.empty() ||
           reporter.errors != (result == 1 ? std::vector<int>{} : std::vector<int>{error}));
    kvfuzz::FailIfDifferent(loaded, fromMemory);
    if (result != 1)
        return 0;

    DiscCollection reloaded;
    const std::string saved = folder.File("out.kvd");
    FailIf(kolvane::SaveNativeFile(saved, loaded, reporter) != 1 ||
           kolvane::LoadNativeFile(saved, reloaded, reporter) != 1 || !reporter.errors.empty());
    kvfuzz::FailIfDifferent(reloaded, loaded);
    return 0;
}
