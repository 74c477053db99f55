#pragma once

#include "core/DiscEntry.h"
#include "support/FileArchive.h"
#include "support/MessageReporter.h"
#include "support/Progress.h"

#include <string>

namespace kolvane {

// The native data file (.kvd): "KOLV", version 1, the entry count, then six
// length-prefixed strings per entry; little-endian throughout.
//
// One routine for both directions. Loading replaces entries by what the
// archive holds; storing writes entries (and only reads them). Returns 0 on
// success, otherwise the id of the message that describes the failure
// (IDS_ERR_009 to IDS_ERR_011 loading, IDS_ERR_013 storing). A count the rest
// of the file cannot hold at six bytes per entry fails at once and leaves no
// entries. After a failure inside the entries, the collection holds all of the
// file's entries: those read keep their fields, the rest are empty. A
// progress is told of each entry done, of the entry count.
int SerializeNativeFile(zul::FileArchive& archive, DiscCollection& entries,
                        zul::Progress* progress = nullptr);

// Replaces entries by the file's entries. Returns 1, or 0 after reporting
// FEHLER 008 to 011; entries then holds what was read (see above).
int LoadNativeFile(const std::string& path, DiscCollection& entries,
                   zul::MessageReporter& reporter, zul::Progress* progress = nullptr);

// Writes the entries to a new file beside path that replaces path only when it
// is complete. Returns 1, or 0 after reporting FEHLER 012 or 013; the previous
// file is then unchanged.
int SaveNativeFile(const std::string& path, const DiscCollection& entries,
                   zul::MessageReporter& reporter, zul::Progress* progress = nullptr);

} // namespace kolvane
