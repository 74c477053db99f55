#include "support/win32/Window.h"

namespace zul::Windows {

std::string Window::GetText() const {
    const int length = ::GetWindowTextLengthA(window_);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

bool Window::SetText(std::string_view text) const {
    const std::string copy(text); // the system wants a terminated string
    return ::SetWindowTextA(window_, copy.c_str()) != FALSE;
}

RECT Window::ClientRect() const {
    RECT rect{};
    ::GetClientRect(window_, &rect);
    return rect;
}

RECT Window::WindowRect() const {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    return rect;
}

RECT Window::RectInParent() const {
    RECT rect = WindowRect();
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace zul::Windows
