#include "testkit/win32/WindowImage.h"

#include <algorithm>
#include <cstdio>

namespace kvtest {

namespace {

// 24 bits a pixel, rows bottom up.
BITMAPINFOHEADER InfoHeader(int width, int height) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    return info;
}

} // namespace

WindowImage::WindowImage(HWND window) {
    RECT place{};
    ::GetWindowRect(window, &place);
    width_ = std::max<int>(0, place.right - place.left);
    height_ = std::max<int>(0, place.bottom - place.top);
    if (width_ == 0 || height_ == 0)
        return;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width_, height_);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width_, height_, screen, place.left, place.top, SRCCOPY);
    ::SelectObject(memory, old);

    BITMAPINFOHEADER info = InfoHeader(width_, height_);
    pixels_.resize(static_cast<size_t>((width_ * 3 + 3) & ~3) * height_);
    ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

int WindowImage::Differences(const WindowImage& other) const {
    if (other.width_ != width_ || other.height_ != height_)
        return -1;
    int count = 0;
    for (size_t i = 0; i < pixels_.size(); ++i)
        count += pixels_[i] != other.pixels_[i] ? 1 : 0;
    return count;
}

bool WindowImage::Save(const std::string& path) const {
    if (width_ == 0 || height_ == 0)
        return false;
    BITMAPINFOHEADER info = InfoHeader(width_, height_);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels_.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                         std::fwrite(&info, sizeof(info), 1, out) == 1 &&
                         std::fwrite(pixels_.data(), 1, pixels_.size(), out) == pixels_.size();
    return std::fclose(out) == 0 && written;
}

bool SaveWindowImage(HWND window, const std::string& path) {
    return WindowImage(window).Save(path);
}

} // namespace kvtest
