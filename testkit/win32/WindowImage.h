#pragma once

// Pictures of windows as they are on the screen, to compare in a test or to
// save for a person to look at after a test run.
#include <windows.h>

#include <string>
#include <vector>

namespace kvtest {

class WindowImage {
public:
    explicit WindowImage(HWND window);

    // Bytes of the pixels that differ from the other picture's; -1 when the
    // pictures differ in size.
    int Differences(const WindowImage& other) const;
    // A 24-bit BMP file; false when it could not be written.
    bool Save(const std::string& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> pixels_; // BMP rows, bottom up, blue green red
};

bool SaveWindowImage(HWND window, const std::string& path);

} // namespace kvtest
