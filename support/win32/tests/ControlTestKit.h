#pragma once

// Real windows and real input for the control tests: a plain parent window
// that reflects its children's notifications as a dialog of the program does,
// message pumps that always end, and mouse and keyboard input through the
// system's input queue (SetCursorPos, SendInput).
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace controltest {

// Dispatches the thread's messages until done() holds or the time is up;
// reports whether done() held. preTranslate may consume a message first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000,
               const std::function<bool(MSG&)>& preTranslate = {});
// Dispatches what is queued now (input already sent included) and returns.
void Drain(const std::function<bool(MSG&)>& preTranslate = {});

void MoveCursor(POINT screen);
void MouseButton(bool down);
// A click at the point; waits out the double-click time after a previous
// click, so that two clicks are two single clicks.
void Click(POINT screen, bool withControl = false);
void KeyState(WORD key, bool down);
void Key(WORD key, bool withControl = false);
void Type(const std::string& text);

struct Scroll {
    UINT message; // WM_HSCROLL or WM_VSCROLL
    WPARAM wParam;
    LPARAM lParam;
};

struct Notification {
    UINT code;
    int item = -1;
    int subItem = -1;
    bool hasText = false;
    std::string text;
    bool editorAlive = false; // for LVN_ENDLABELEDIT: the editor window still existed
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
    std::vector<Notification> notifications; // NM_CLICK, LVN_ENDLABELEDITA, LVN_SETDISPINFOA
    std::vector<int> commands;
    // Cell texts for LVN_GETDISPINFOA: callbackTexts[item][subItem].
    std::vector<std::vector<std::string>> callbackTexts;
    std::function<void()> onTimer;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(NMHDR& header, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

} // namespace controltest
