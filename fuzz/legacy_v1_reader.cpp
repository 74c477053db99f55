// Any bytes as a legacy 1.x file pair: the first two bytes (little-endian)
// give the length of the allocation file, taken from what follows; the rest
// is the data file. The import must never crash, read out of bounds or
// allocate from the files' lengths; what it accepts fits the record layout.
#include "exchange/LegacyV1Importer.h"
#include "fuzz/ScratchFolder.h"

#include <algorithm>
#include <cstdlib>

namespace {

class CountingReporter : public zul::MessageReporter {
public:
    void ReportError(int) override { ++errors; }
    void ReportWarning(int) override {}
    int errors = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    if (size < 2)
        return 0;
    size_t mapLength = std::min<size_t>(size - 2, data[0] | (data[1] << 8));
    folder.Write("DISKS2.$$$", data + 2, mapLength);
    folder.Write("DISKS1.$$$", data + 2 + mapLength, size - 2 - mapLength);

    CountingReporter reporter;
    kolvane::LegacyV1Importer importer(reporter);
    bool ok = importer.Import(folder.File("DISKS0.$$$"));
    if (ok != (reporter.errors == 0) || reporter.errors > 1)
        std::abort();
    if (!ok && !importer.Entries().empty())
        std::abort();
    if (importer.Entries().size() > static_cast<size_t>(kolvane::LegacyV1Importer::MaxSlots))
        std::abort();
    for (const kolvane::DiscEntry& entry : importer.Entries()) {
        if (entry.Artist.size() > 40 || entry.Title.size() > 40 || entry.Year.size() > 4 ||
            entry.Tracks.size() > 38 * 38 + 37 * 2 || !entry.DiscId.empty())
            std::abort();
    }
    return 0;
}
