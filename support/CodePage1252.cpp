#include "support/CodePage1252.h"

namespace zul {

namespace {

// Bytes 80-9F of code page 1252. The five bytes 1252 leaves unassigned map to
// the control characters of the same value, as the system's table does.
const std::uint16_t HighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

} // namespace

char CodePage1252FromUtf16(std::uint16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (int i = 0; i < 32; ++i) {
        if (HighControlRange[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace zul
