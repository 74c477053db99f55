#include "support/TextHelpers.h"

#include <climits>

namespace zul {

int SplitText(std::string_view text, char separator, std::vector<std::string>& pieces,
              int maxCount) {
    pieces.clear();
    int count = 0;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        if (maxCount < 0 || count < maxCount)
            pieces.emplace_back(
                text.substr(start, end == std::string_view::npos ? end : end - start));
        ++count;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (maxCount >= 0 && count < maxCount)
        pieces.resize(static_cast<size_t>(maxCount));
    return count;
}

std::string JoinTexts(const std::vector<std::string>& texts, std::string_view separator) {
    std::string result;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            result += separator;
        result += texts[i];
    }
    return result;
}

std::string CutToken(std::string& text, char separator) {
    size_t at = text.find(separator);
    std::string token;
    if (at == std::string::npos) {
        token.swap(text);
    } else {
        token = text.substr(0, at);
        text.erase(0, at + 1);
    }
    return token;
}

std::string FitText(std::string_view text, int maxWidth, const TextWidthFunction& measureWidth) {
    if (text.empty() || measureWidth(text) <= maxWidth)
        return std::string(text);
    const std::string_view dots = "...";
    const int dotsWidth = measureWidth(dots);
    // Widths grow with the prefix, so the longest prefix that fits is found by
    // bisection instead of measuring every prefix of a long text from the end.
    size_t fits = 1; // the first character is taken when nothing fits
    size_t low = 1, high = text.size() - 1;
    while (low <= high) {
        size_t middle = low + (high - low) / 2;
        if (measureWidth(text.substr(0, middle)) + dotsWidth <= maxWidth) {
            fits = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    std::string result(text.substr(0, fits));
    result += dots;
    return result;
}

std::string IntListToText(std::span<const int> values) {
    std::string result;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            result += ", ";
        result += std::to_string(values[i]);
    }
    return result;
}

int LeadingNumber(std::string_view piece) {
    size_t i = 0;
    while (i < piece.size() && (piece[i] == ' ' || piece[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < piece.size() && (piece[i] == '-' || piece[i] == '+'))
        negative = piece[i++] == '-';
    long long value = 0;
    for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
        value = value * 10 + (piece[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

namespace {

bool IsNumberSeparator(char c) {
    return c == ',' || c == '.' || c == ':';
}


} // namespace

int TextToIntList(std::span<int> target, std::string_view text) {
    size_t count = 0;
    size_t i = 0;
    while (count < target.size()) {
        while (i < text.size() && IsNumberSeparator(text[i]))
            ++i;
        if (i == text.size())
            break;
        size_t end = i;
        while (end < text.size() && !IsNumberSeparator(text[end]))
            ++end;
        target[count++] = LeadingNumber(text.substr(i, end - i));
        i = end;
    }
    return static_cast<int>(count);
}

std::string BytesToHex(std::span<const unsigned char> bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        result += digits[b >> 4];
        result += digits[b & 0x0F];
    }
    return result;
}

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

int HexToBytes(std::span<unsigned char> target, std::string_view text) {
    size_t count = 0;
    while (count < target.size() && 2 * count + 1 < text.size()) {
        int high = HexDigitValue(text[2 * count]);
        int low = HexDigitValue(text[2 * count + 1]);
        if (high < 0 || low < 0)
            break;
        target[count++] = static_cast<unsigned char>(high * 16 + low);
    }
    return static_cast<int>(count);
}

bool IsAllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace zul
