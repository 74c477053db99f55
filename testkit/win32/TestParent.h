#pragma once

// A plain parent window for the control tests, in the foreground, that hands
// its children's notifications back to their objects as a dialog of the
// program does, and records what reaches it.
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

// Whether ClipCursor confines the cursor here: a rectangle is taken and the
// cursor cannot leave it. Wine's X11 driver clips through XInput2 (libXi) and
// without it silently leaves the whole screen open. Tests that need the clip
// check this first and fail with NoCursorClipping.
bool CursorClippingWorks();
inline constexpr char NoCursorClipping[] = "cursor clipping has no effect: is libxi6 installed?";

// The one top-level window of the test program, in the foreground. Under Wine
// without a window manager hiding a top-level window takes two seconds, so
// the test windows are its children and it lives until the program ends.
HWND HostWindow();

// A window with a white background at a fixed place of the host window.
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
