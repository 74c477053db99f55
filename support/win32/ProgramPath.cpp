#include "support/win32/ProgramPath.h"

#include <vector>

namespace zul::Windows {

std::string ProgramPath(HMODULE module) {
    // A name that fills the buffer may have been cut, so the buffer grows
    // until the name fits, up to the longest path the system knows.
    for (DWORD size = MAX_PATH + 1; size <= 65536; size *= 2) {
        std::vector<char> buffer(size);
        DWORD length = GetModuleFileNameA(module, buffer.data(), size);
        if (length == 0)
            return {};
        if (length < size)
            return std::string(buffer.data(), length);
    }
    return {};
}

} // namespace zul::Windows
