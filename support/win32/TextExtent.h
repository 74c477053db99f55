#pragma once

#include <windows.h>

#include <string_view>

namespace zul::Windows {

// Size of a one-line text drawn in the font of the given window (the font it
// answers WM_GETFONT with, else the system font), in pixels.
SIZE TextExtent(HWND window, std::string_view text);

} // namespace zul::Windows
