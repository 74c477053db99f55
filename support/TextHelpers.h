#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// Cuts text at every separator into pieces, empty pieces included, and returns
// how many pieces the text has. With maxCount >= 0 only the first maxCount
// pieces are kept and missing ones are filled up with empty texts, so that
// pieces has exactly maxCount entries.
int SplitText(std::string_view text, char separator, std::vector<std::string>& pieces,
              int maxCount = -1);

// The texts in order with separator between two of them.
std::string JoinTexts(const std::vector<std::string>& texts, std::string_view separator);

// Returns the part of text before the first separator and removes it together
// with the separator; without a separator returns all of text and empties it.
std::string CutToken(std::string& text, char separator);

// Width of a text in pixels. Widths must not shrink as a text grows.
using TextWidthFunction = std::function<int(std::string_view)>;

// The text itself if it fits into maxWidth, otherwise its longest prefix that
// fits together with "...", followed by "..." (at least the first character,
// even when that is wider than maxWidth).
std::string FitText(std::string_view text, int maxWidth, const TextWidthFunction& measureWidth);

// The decimal number at the start of the text, as the C library's atoi reads
// it (leading blanks and tabs skipped, an optional sign, digits up to the
// first other character; none give 0), but held at the int range.
int LeadingNumber(std::string_view text);

// Decimal values joined by ", ", as in "120, 150, 60, 70".
std::string IntListToText(std::span<const int> values);

// Reads decimal numbers separated by runs of ",", "." or ":" into target, at
// most target.size() of them; returns how many were read. Entries of target
// beyond that keep their values.
int TextToIntList(std::span<int> target, std::string_view text);

// Two upper-case hexadecimal digits per byte, no separators.
std::string BytesToHex(std::span<const unsigned char> bytes);

// Decodes pairs of hexadecimal digits (either case) from the start of text into
// target, at most target.size() pairs; stops at the first pair that is not
// two digits. Returns the number of bytes decoded.
int HexToBytes(std::span<unsigned char> target, std::string_view text);

// True when every character is a decimal digit, also for the empty text.
bool IsAllDigits(std::string_view text);

} // namespace zul
