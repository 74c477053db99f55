#include "support/VersionText.h"

#include <cstdio>

namespace zul {

std::string FormatVersionText(unsigned major, unsigned minor, unsigned third, unsigned fourth) {
    char text[64];
    int length = std::snprintf(text, sizeof(text), "v%u.%02u", major, minor);
    if (third != 0)
        length += std::snprintf(text + length, sizeof(text) - length, "%c",
                                static_cast<char>(96 + third));
    if (fourth != 0)
        std::snprintf(text + length, sizeof(text) - length, " (Build %04X)", fourth);
    return text;
}

std::vector<std::string> SplitLinkedLibs(std::string_view value) {
    constexpr std::string_view blanks = " \t\r\n";
    std::vector<std::string> libs;
    while (!value.empty()) {
        const size_t end = value.find(';');
        std::string_view piece = value.substr(0, end);
        value = end == std::string_view::npos ? std::string_view() : value.substr(end + 1);
        const size_t first = piece.find_first_not_of(blanks);
        if (first == std::string_view::npos)
            continue;
        piece = piece.substr(first, piece.find_last_not_of(blanks) - first + 1);
        libs.emplace_back(piece);
    }
    return libs;
}

} // namespace zul
