#pragma once

#include "core/DiscEntry.h"
#include "support/MessageReporter.h"
#include "support/ProfileFile.h"
#include "support/Progress.h"

#include <string>

namespace kolvane {

// Writes entries that carry a disc id into a cdplayer.ini as the system CD
// player keeps them: one section per disc id with "EntryType", "Title",
// "Artist", "NumTracks", the track keys "0" to n - 1, "Order" and "NumPlay".
// Everything else in the file (other sections, keys of other programs,
// comments, line ends) stays as it was. Created for one export.
class CdPlayerIniExporter {
public:
    explicit CdPlayerIniExporter(zul::MessageReporter& reporter);

    // Every outcome but success has been reported when this returns; what was
    // written before a failing write stays in the file.
    // A progress is told of each entry written.
    void Export(const DiscCollection& entries, const std::string& path,
                zul::Progress* progress = nullptr);

private:
    bool WriteEntry(const DiscEntry& entry);

    zul::MessageReporter& reporter_;
    DiscCollection entries_;
    zul::ProfileFile profile_;
};

} // namespace kolvane
