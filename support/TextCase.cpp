#include "support/TextCase.h"

namespace zul {

namespace {

constexpr unsigned char UpperCaseOf(unsigned char c) {
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

struct UpperCaseTable {
    unsigned char of[256];
    constexpr UpperCaseTable() : of() {
        for (int c = 0; c < 256; ++c)
            of[c] = UpperCaseOf(static_cast<unsigned char>(c));
    }
};

// One lookup per byte instead of a chain of comparisons.
constexpr UpperCaseTable Upper;

unsigned char Up(char c) {
    return Upper.of[static_cast<unsigned char>(c)];
}

} // namespace

unsigned char UpperCase1252(unsigned char c) {
    return Upper.of[c];
}

std::string UpperCased1252(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(Up(c));
    return result;
}

UpperCaseFinder::UpperCaseFinder(std::string_view upperNeedle) : needle_(upperNeedle) {
    const size_t length = needle_.size();
    for (size_t& shift : shift_)
        shift = length;
    // A byte of the text that is, in upper case, the needle's byte i (not the
    // last) lets the needle move on so that the two line up.
    for (size_t i = 0; i + 1 < length; ++i) {
        for (int c = 0; c < 256; ++c) {
            if (Upper.of[c] == static_cast<unsigned char>(needle_[i]))
                shift_[c] = length - 1 - i;
        }
    }
}

bool UpperCaseFinder::FoundIn(std::string_view text) const {
    const size_t length = needle_.size();
    if (length == 0)
        return true;
    if (length > text.size())
        return false;
    const char* const needle = needle_.data();
    const unsigned char lastOfNeedle = static_cast<unsigned char>(needle[length - 1]);
    const char* at = text.data();
    const char* const lastStart = text.data() + (text.size() - length);
    while (at <= lastStart) {
        const unsigned char last = static_cast<unsigned char>(at[length - 1]);
        if (Upper.of[last] == lastOfNeedle) {
            size_t i = 0;
            while (i + 1 < length && Up(at[i]) == static_cast<unsigned char>(needle[i]))
                ++i;
            if (i + 1 == length)
                return true;
        }
        const size_t shift = shift_[last];
        if (static_cast<size_t>(lastStart - at) < shift)
            break;
        at += shift;
    }
    return false;
}

bool ContainsUpperCased1252(std::string_view text, std::string_view upperNeedle) {
    return UpperCaseFinder(upperNeedle).FoundIn(text);
}

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

namespace {

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
