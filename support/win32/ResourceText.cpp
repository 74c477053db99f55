#include "support/win32/ResourceText.h"

#include <vector>

namespace zul::Windows {

std::string LoadResourceText(UINT id) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    // LoadStringA cuts at the buffer; a text that fills it may be longer.
    for (size_t size = 512;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        const int length = ::LoadStringA(instance, id, buffer.data(), static_cast<int>(size));
        if (length <= 0) {
            return {};
        }
        if (static_cast<size_t>(length) < size - 1 || size >= 65536) {
            return std::string(buffer.data(), static_cast<size_t>(length));
        }
    }
}

} // namespace zul::Windows
