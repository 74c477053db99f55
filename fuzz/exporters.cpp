// Entries of any bytes (fields split at 0x1F; the first byte the CSV fields):
// the CSV export succeeds, cdplayer.ini fails only with FEHLER 001 or warns
// that no disc has an id, and the native file loads again unchanged.
#include "core/NativeFile.h"
#include "exchange/CdPlayerIniExporter.h"
#include "exchange/CsvExporter.h"
#include "fuzz/Harness.h"
#include "resources/resource.h"

#include <algorithm>
#include <string>
#include <vector>

using kolvane::DiscCollection;
using kolvane::DiscEntry;
using kvfuzz::FailIf;
using kvfuzz::RecordingReporter;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    if (size == 0)
        return 0;
    DiscCollection entries;
    const std::vector<std::string> fields = kvfuzz::Fields(data + 1, size - 1, 0x1F);
    for (size_t i = 0; i < fields.size() && entries.size() < 64; i += DiscEntry::FieldCount) {
        DiscEntry entry;
        for (int f = 0; f < DiscEntry::FieldCount && i + f < fields.size(); ++f)
            entry.Field(f) = fields[i + f];
        entries.push_back(entry);
    }

    RecordingReporter csv;
    const auto csvFields = kolvane::ExportFieldSet::FromByte(data[0]);
    FailIf(!kolvane::CsvExporter(csv).Export(entries, folder.File("export.csv"), csvFields) ||
           !csv.errors.empty());

    RecordingReporter ini;
    kolvane::CdPlayerIniExporter(ini).Export(entries, folder.File("cdplayer.ini"));
    const bool anyId = std::any_of(entries.begin(), entries.end(),
                                   [](const DiscEntry& entry) { return !entry.DiscId.empty(); });
    if (anyId) {
        FailIf(!ini.warnings.empty() ||
               (!ini.errors.empty() && ini.errors != std::vector<int>{IDS_ERR_001}));
    } else {
        FailIf(ini.warnings != std::vector<int>{IDS_WARN_501} || !ini.errors.empty());
    }

    RecordingReporter native;
    DiscCollection loaded;
    const std::string path = folder.File("export.kvd");
    FailIf(kolvane::SaveNativeFile(path, entries, native) != 1 ||
           kolvane::LoadNativeFile(path, loaded, native) != 1);
    kvfuzz::FailIfDifferent(loaded, entries);
    return 0;
}
