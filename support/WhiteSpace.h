#pragma once

#include <string_view>

namespace zul {

// The white space that the C library's isspace knows in the "C" locale:
// space, tab, CR, LF, vertical tab, form feed. Bytes above 127 never count.
inline constexpr std::string_view WhiteSpace = " \t\r\n\v\f";

inline std::string_view TrimTrailingWhiteSpace(std::string_view text) {
    size_t last = text.find_last_not_of(WhiteSpace);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

inline std::string_view TrimWhiteSpace(std::string_view text) {
    size_t first = text.find_first_not_of(WhiteSpace);
    return first == std::string_view::npos ? std::string_view()
                                           : TrimTrailingWhiteSpace(text.substr(first));
}

} // namespace zul
