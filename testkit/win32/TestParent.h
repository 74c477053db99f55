#pragma once

// A parent window for the control tests that hands notifications back to the
// controls, as the program's dialogs do, and records what reaches it.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace kvtest {

struct Scroll {
    UINT message; // WM_HSCROLL or WM_VSCROLL
    WPARAM wParam;
    LPARAM lParam;
};

struct Notification {
    UINT code;
    std::string text; // the edited text of LVN_ENDLABELEDITA
};

// Whether ClipCursor confines the cursor here: Wine's X11 driver needs
// XInput2 (libXi) for it and without it silently leaves the screen open.
bool CursorClippingWorks();
inline constexpr char NoCursorClipping[] = "cursor clipping has no effect: is libxi6 installed?";

// The test program's one top-level window, in the foreground, for the whole
// run: under Wine without a window manager hiding one takes two seconds.
HWND HostWindow();

class TestParent {
public:
    TestParent(int width, int height);
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;
    ~TestParent();

    HWND Handle() const { return window_; }
    POINT ToScreen(HWND window, POINT point) const;
    int Count(UINT code) const;

    std::vector<Scroll> scrolls;
    std::vector<Notification> notifications; // NM_CLICK, LVN_ENDLABELEDITA
    std::vector<int> commands;
    std::function<void()> onTimer;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(NMHDR& header);

    HWND window_ = nullptr;
};

} // namespace kvtest
