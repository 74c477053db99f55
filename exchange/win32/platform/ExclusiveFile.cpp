#include "exchange/ExclusiveFile.h"

#include <share.h>

namespace kolvane {

std::FILE* OpenExclusiveForWriting(const std::string& path) {
    return _fsopen(path.c_str(), "wb", _SH_DENYRW);
}

} // namespace kolvane
