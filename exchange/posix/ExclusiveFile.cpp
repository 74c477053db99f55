#include "exchange/ExclusiveFile.h"

namespace kolvane {

// POSIX systems have no share modes; others may open the file, as on any
// system without mandatory locking.
std::FILE* OpenExclusiveForWriting(const std::string& path) {
    return std::fopen(path.c_str(), "wb");
}

} // namespace kolvane
