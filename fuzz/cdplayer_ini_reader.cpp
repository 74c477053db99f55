// Any bytes as a cdplayer.ini: the import must never crash, read out of
// bounds or loop, and what it accepts must be usable: every entry names its
// disc section and carries no fields the format cannot give.
#include "exchange/CdPlayerIniImporter.h"
#include "fuzz/ScratchFolder.h"

#include <cstdlib>

namespace {

class NoReporter : public zul::MessageReporter {
public:
    void ReportError(int) override { ++errors; }
    void ReportWarning(int) override {}
    int errors = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    std::string path = folder.Write("cdplayer.ini", data, size);
    NoReporter reporter;
    kolvane::CdPlayerIniImporter importer(reporter);
    bool ok = importer.Import(path);
    // Exactly one message for a failure, none for success; a failure keeps nothing.
    if (ok != (reporter.errors == 0) || (!ok && !importer.Entries().empty()))
        std::abort();
    for (const kolvane::DiscEntry& entry : importer.Entries()) {
        if (entry.DiscId.empty() || !entry.Year.empty() || !entry.Notes.empty())
            std::abort();
    }
    if (reporter.errors > 1)
        std::abort();
    return 0;
}
