// Any bytes as a cdplayer.ini: every entry imported names its disc and has no
// fields the format cannot give.
#include "exchange/CdPlayerIniImporter.h"
#include "fuzz/Harness.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    std::string path = folder.Write("cdplayer.ini", data, size);
    kvfuzz::RecordingReporter reporter;
    kolvane::CdPlayerIniImporter importer(reporter);
    bool ok = importer.Import(path);
    kvfuzz::FailIf(ok != reporter.errors.empty() || reporter.errors.size() > 1 ||
                   (!ok && !importer.Entries().empty()));
    for (const kolvane::DiscEntry& entry : importer.Entries())
        kvfuzz::FailIf(entry.DiscId.empty() || !entry.Year.empty() || !entry.Notes.empty());
    return 0;
}
