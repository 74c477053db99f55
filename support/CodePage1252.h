#pragma once

#include <cstdint>

namespace zul {

// The code page 1252 byte for one UTF-16 code unit, '?' when 1252 has none
// (surrogates included: each half of a pair becomes one '?').
char CodePage1252FromUtf16(std::uint16_t unit);

} // namespace zul
