#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zul::Windows {

// zul::FitText measured in the current font of a device context.
std::string FitText(HDC dc, std::string_view text, int maxWidth);

} // namespace zul::Windows
