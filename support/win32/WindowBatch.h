#pragma once

#include <windows.h>

namespace zul::Windows {

// Moves and shows or hides several child windows in one step
// (BeginDeferWindowPos), so that a resize moves each control once and the
// window repaints once, instead of once per control. The moves happen when the
// batch ends (Apply, or its destruction).
class WindowBatch {
public:
    explicit WindowBatch(int expectedWindows) : batch_(::BeginDeferWindowPos(expectedWindows)) {}
    WindowBatch(const WindowBatch&) = delete;
    WindowBatch& operator=(const WindowBatch&) = delete;
    ~WindowBatch() { Apply(); }

    // rect in the parent's client coordinates.
    void Move(HWND window, const RECT& rect, bool show = true) {
        const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : 0);
        Defer(window, rect, flags);
    }
    void Hide(HWND window) {
        Defer(window, RECT{}, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE |
                                  SWP_HIDEWINDOW);
    }
    void Apply() {
        if (batch_ != nullptr) {
            ::EndDeferWindowPos(batch_);
            batch_ = nullptr;
        }
    }

private:
    void Defer(HWND window, const RECT& rect, UINT flags) {
        if (window == nullptr) {
            return;
        }
        if (batch_ != nullptr) {
            batch_ = ::DeferWindowPos(batch_, window, nullptr, rect.left, rect.top,
                                      rect.right - rect.left, rect.bottom - rect.top, flags);
        }
        if (batch_ == nullptr) { // out of memory: move it at once
            ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, flags);
        }
    }

    HDWP batch_;
};

} // namespace zul::Windows
