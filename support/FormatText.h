#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

namespace zul {

// printf-style formatting into a string. Without arguments the format is the
// text itself, so that a "%" in a message without placeholders is shown as it
// stands instead of reading arguments that were never passed.
template <class... Args> std::string FormatText(const std::string& format, Args... args) {
    static_assert(((std::is_arithmetic_v<Args> || std::is_pointer_v<Args>)&&...),
                  "printf arguments are numbers and C strings");
    if constexpr (sizeof...(Args) == 0) {
        return format;
    } else {
        const int length = std::snprintf(nullptr, 0, format.c_str(), args...);
        if (length <= 0) {
            return {};
        }
        std::string text(static_cast<size_t>(length) + 1, '\0');
        std::snprintf(text.data(), text.size(), format.c_str(), args...);
        text.resize(static_cast<size_t>(length));
        return text;
    }
}

} // namespace zul
