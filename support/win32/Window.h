#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zul::Windows {

// A window handle with one-line forwards. It does not own the window: copying
// it copies the handle, destroying it leaves the window alone.
class Window {
public:
    Window() = default;
    explicit Window(HWND window) : window_(window) {}

    HWND Handle() const { return window_; }
    void Attach(HWND window) { window_ = window; }
    bool Exists() const { return window_ != nullptr && ::IsWindow(window_) != FALSE; }

    Window Item(int id) const { return Window(::GetDlgItem(window_, id)); }
    int Id() const { return ::GetDlgCtrlID(window_); }
    Window Parent() const { return Window(::GetParent(window_)); }

    std::string GetText() const;
    bool SetText(std::string_view text) const;

    bool Enable(bool on = true) const {
        return ::EnableWindow(window_, on ? TRUE : FALSE) != FALSE;
    }
    bool IsEnabled() const { return ::IsWindowEnabled(window_) != FALSE; }
    bool Show(int command = SW_SHOW) const { return ::ShowWindow(window_, command) != FALSE; }
    bool IsVisible() const { return ::IsWindowVisible(window_) != FALSE; }
    HWND SetFocus() const { return ::SetFocus(window_); }
    bool HasFocus() const { return window_ != nullptr && ::GetFocus() == window_; }

    RECT ClientRect() const;
    RECT WindowRect() const;
    // Rectangle of this window in the client coordinates of its parent.
    RECT RectInParent() const;
    bool Move(int x, int y, int width, int height, bool repaint = true) const {
        return ::MoveWindow(window_, x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
    }
    bool Invalidate(bool erase = true) const {
        return ::InvalidateRect(window_, nullptr, erase ? TRUE : FALSE) != FALSE;
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(window_, message, wParam, lParam);
    }
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(window_, message, wParam, lParam) != FALSE;
    }

    HFONT GetFont() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
    void SetFont(HFONT font, bool redraw = true) const {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }
    LONG_PTR Style() const { return ::GetWindowLongPtrA(window_, GWL_STYLE); }

protected:
    HWND window_ = nullptr;
};

} // namespace zul::Windows
