#include "core/InterruptedSave.h"

#include "core/NativeFile.h"
#include "support/FileSystem.h"
#include "support/PathName.h"
#include "support/ReplacementFile.h"

namespace kolvane {

std::string FindInterruptedSave(const std::string& path) {
    if (zul::KindOfPath(path) != zul::PathKind::Missing)
        return {};
    const zul::PathName parts(path);
    const std::string folder = parts.GetDrive() + parts.GetFolder();
    std::string newest;
    zul::FileStamp newestStamp;
    for (const std::string& name :
         zul::ReplacementFile::TemporaryNames(parts.GetBaseName() + parts.GetExtension())) {
        const std::string copy = folder + name;
        const zul::FileStamp stamp = zul::StampOfFile(copy);
        if (!stamp.exists || (!newest.empty() && stamp.lastWritten <= newestStamp.lastWritten))
            continue;
        // Whether the copy is whole says nothing to the user.
        DiscCollection entries;
        zul::SilentReporter silent;
        if (LoadNativeFile(copy, entries, silent) == 1) {
            newest = copy;
            newestStamp = stamp;
        }
    }
    return newest;
}

bool RestoreInterruptedSave(const std::string& copy, const std::string& path) {
    return zul::KindOfPath(path) == zul::PathKind::Missing && zul::ReplaceFileWith(copy, path);
}

} // namespace kolvane
