#pragma once

// Pictures of windows for a person to look at after a test run.
#include <windows.h>

#include <string>

namespace kvtest {

// The window as it is on the screen now, as a 24-bit BMP file; false when
// it could not be written.
bool SaveWindowImage(HWND window, const std::string& path);

} // namespace kvtest
