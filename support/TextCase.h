#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zul {

// Upper case of one code page 1252 byte, as the system maps it: a-z, the
// accented small letters E0-FE except F7, and š œ ž ÿ. ß, µ and the rest stay.
unsigned char UpperCase1252(unsigned char c);
std::string UpperCased1252(std::string_view text);

// Whether text contains needle, both compared in upper case; needle must
// already be upper-cased.
bool ContainsUpperCased1252(std::string_view text, std::string_view upperNeedle);

// The same for many texts: the needle's table of how far it may move on
// (Horspool) is made once, and most bytes of a text are never looked at.
// Allocates nothing after construction.
class UpperCaseFinder {
public:
    explicit UpperCaseFinder(std::string_view upperNeedle);
    bool FoundIn(std::string_view text) const;
    bool Empty() const { return needle_.empty(); }

private:
    std::string needle_;
    std::size_t shift_[256];
};

// Sort order without regard to case: A-Z folded to a-z only, bytes compared as
// unsigned values, a prefix first. Independent of the C runtime's locale.
int CompareFoldingAscii(std::string_view a, std::string_view b);
// The byte as CompareFoldingAscii compares it: A-Z as a-z, any other as it is.
unsigned char FoldAscii(unsigned char c);

// Byte-wise comparison with unsigned bytes; a prefix first.
int CompareBytes(std::string_view a, std::string_view b);

} // namespace zul
