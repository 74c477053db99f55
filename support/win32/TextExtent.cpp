#include "support/win32/TextExtent.h"

namespace zul::Windows {

SIZE TextExtent(HWND window, std::string_view text) {
    SIZE size{};
    HDC dc = ::GetDC(window);
    if (dc == nullptr) {
        return size;
    }
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0));
    if (font == nullptr) {
        font = ::GetStockObject(SYSTEM_FONT);
    }
    HGDIOBJ previous = ::SelectObject(dc, font);
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(window, dc);
    return size;
}

} // namespace zul::Windows
