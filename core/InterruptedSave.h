#pragma once

#include <string>

namespace kolvane {

// A save writes a complete copy beside the file under a temporary name and
// then renames it over the file. Ended between the two (a crash, a power cut),
// it leaves the copy, and the file may be missing.
//
// The copy a missing native file can be restored from: the newest file under
// one of its temporary names that reads as a whole native data file. Empty
// when the file exists or there is no such copy.
std::string FindInterruptedSave(const std::string& path);

// Puts the copy in the missing file's place; false when that fails.
bool RestoreInterruptedSave(const std::string& copy, const std::string& path);

} // namespace kolvane
