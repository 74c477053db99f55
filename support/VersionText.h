#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zul {

// "v2.10", with the third number as a letter (1 = a) and the fourth as
// " (Build 0012)" when they are not 0: the form the info dialog shows.
std::string FormatVersionText(unsigned major, unsigned minor, unsigned third, unsigned fourth);

// The pieces of a ";"-separated library list, trimmed, empty ones left out.
std::vector<std::string> SplitLinkedLibs(std::string_view value);

} // namespace zul
