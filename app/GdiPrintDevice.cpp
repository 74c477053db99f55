#include "app/GdiPrintDevice.h"

#include <climits>
#include <cstring>

namespace kolvane {

namespace {

int LengthOf(std::string_view text) {
    return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
}

} // namespace

GdiPrintDevice::~GdiPrintDevice() {
    ReleaseFont();
}

void GdiPrintDevice::ReleaseFont() {
    if (font_ == nullptr)
        return;
    ::SelectObject(dc_, previousFont_);
    ::DeleteObject(font_);
    font_ = nullptr;
    previousFont_ = nullptr;
}

int GdiPrintDevice::PageWidth() const {
    return ::GetDeviceCaps(dc_, HORZRES);
}

int GdiPrintDevice::PageHeight() const {
    return ::GetDeviceCaps(dc_, VERTRES);
}

bool GdiPrintDevice::SelectFont(const std::string& face, int points) {
    ReleaseFont();
    LOGFONTA font{};
    // Points for the printer's resolution, as character height (negative).
    font.lfHeight = -::MulDiv(points, ::GetDeviceCaps(dc_, LOGPIXELSY), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    face.copy(font.lfFaceName, sizeof(font.lfFaceName) - 1);
    font_ = ::CreateFontIndirectA(&font);
    if (font_ == nullptr)
        return false;
    previousFont_ = ::SelectObject(dc_, font_);
    return true;
}

SIZE GdiPrintDevice::TextExtent(std::string_view text) const {
    SIZE size{};
    if (!::GetTextExtentPoint32A(dc_, text.data(), LengthOf(text), &size))
        size = SIZE{};
    return size;
}

UINT GdiPrintDevice::SetTextAlign(UINT align) {
    return ::SetTextAlign(dc_, align);
}

bool GdiPrintDevice::PrintText(int x, int y, std::string_view text) {
    return ::TextOutA(dc_, x, y, text.data(), LengthOf(text)) != FALSE;
}

bool GdiPrintDevice::StartDocument(const std::string& documentName) {
    DOCINFOA info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = documentName.c_str();
    return ::StartDocA(dc_, &info) > 0;
}

bool GdiPrintDevice::StartPage() {
    return ::StartPage(dc_) > 0;
}

bool GdiPrintDevice::EndPage() {
    return ::EndPage(dc_) > 0;
}

bool GdiPrintDevice::EndDocument() {
    return ::EndDoc(dc_) > 0;
}

bool GdiPrintDevice::AbortDocument() {
    return ::AbortDoc(dc_) > 0;
}

} // namespace kolvane
