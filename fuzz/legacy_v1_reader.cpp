// A 1.x file pair: two bytes give the allocation file's length, the rest is
// the data file. What the import accepts fits the record layout.
#include "exchange/LegacyV1Importer.h"
#include "fuzz/Harness.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    if (size < 2)
        return 0;
    size_t mapLength = std::min<size_t>(size - 2, data[0] | (data[1] << 8));
    folder.Write("DISKS2.$$$", data + 2, mapLength);
    folder.Write("DISKS1.$$$", data + 2 + mapLength, size - 2 - mapLength);

    kvfuzz::RecordingReporter reporter;
    kolvane::LegacyV1Importer importer(reporter);
    bool ok = importer.Import(folder.File("DISKS0.$$$"));
    kvfuzz::FailIf(ok != (reporter.errors.empty()) || reporter.errors.size() > 1);
    kvfuzz::FailIf(!ok && !importer.Entries().empty());
    kvfuzz::FailIf(importer.Entries().size() >
                   static_cast<size_t>(kolvane::LegacyV1Importer::MaxSlots));
    for (const kolvane::DiscEntry& entry : importer.Entries()) {
        kvfuzz::FailIf(entry.Artist.size() > 40 || entry.Title.size() > 40 ||
                       entry.Year.size() > 4 || entry.Tracks.size() > 38 * 38 + 37 * 2 ||
                       !entry.DiscId.empty());
    }
    return 0;
}
