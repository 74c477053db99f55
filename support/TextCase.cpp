#include "support/TextCase.h"

namespace zul {

unsigned char UpperCase1252(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - ('a' - 'A'));
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

std::string UpperCased1252(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
    return result;
}

bool ContainsUpperCased1252(std::string_view text, std::string_view upperNeedle) {
    if (upperNeedle.empty())
        return true;
    if (upperNeedle.size() > text.size())
        return false;
    const auto first = static_cast<unsigned char>(upperNeedle[0]);
    const size_t last = text.size() - upperNeedle.size();
    for (size_t start = 0; start <= last; ++start) {
        if (UpperCase1252(static_cast<unsigned char>(text[start])) != first)
            continue;
        size_t i = 1;
        while (i < upperNeedle.size() &&
               UpperCase1252(static_cast<unsigned char>(text[start + i])) ==
                   static_cast<unsigned char>(upperNeedle[i]))
            ++i;
        if (i == upperNeedle.size())
            return true;
    }
    return false;
}

namespace {

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

template <typename Map> int CompareMapped(std::string_view a, std::string_view b, Map map) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const int ca = map(static_cast<unsigned char>(a[i]));
        const int cb = map(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

int CompareFoldingAscii(std::string_view a, std::string_view b) {
    return CompareMapped(a, b, FoldAscii);
}

int CompareBytes(std::string_view a, std::string_view b) {
    return CompareMapped(a, b, [](unsigned char c) { return c; });
}

} // namespace zul
