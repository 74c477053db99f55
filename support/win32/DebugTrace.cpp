#include "support/win32/DebugTrace.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace zul::Windows {

void DebugTrace(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measuring;
    va_copy(measuring, args);
    int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text;
    if (length > 0) {
        // Sized by the first pass, so no length of text can overrun it.
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<size_t>(length));
    }
    va_end(args);
    OutputDebugStringA(text.c_str());
}

} // namespace zul::Windows
