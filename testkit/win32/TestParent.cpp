#include "testkit/win32/TestParent.h"

#include "support/win32/WindowObject.h"
#include "testkit/win32/Input.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kvtest {

namespace {

HWND host = nullptr;

const char* Registered(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = name;
    ::RegisterClassA(&windowClass); // fails harmlessly the second time
    return name;
}

class HostEnvironment : public testing::Environment {
public:
    void TearDown() override {
        if (host != nullptr) {
            ::DestroyWindow(host);
            host = nullptr;
        }
    }
};

const testing::Environment* const hostEnvironment =
    testing::AddGlobalTestEnvironment(new HostEnvironment);
} // namespace

bool CursorClippingWorks() {
    // The X11 driver clips only while a window of this process has the focus.
    HostWindow();
    RECT screen{};
    ::GetClipCursor(&screen);
    const RECT probe{screen.left + 10, screen.top + 10, screen.left + 20, screen.top + 20};
    ::ClipCursor(&probe);
    RECT clip{};
    ::GetClipCursor(&clip);
    ::SetCursorPos(screen.left + 100, screen.top + 100);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ClipCursor(nullptr);
    return ::EqualRect(&clip, &probe) && ::PtInRect(&probe, cursor);
}

HWND HostWindow() {
    if (host == nullptr) {
        host = ::CreateWindowExA(0, Registered("ZulControlTestHost", ::DefWindowProcA),
                                 "Steuerelemente", WS_POPUP | WS_VISIBLE, 0, 0, 900, 700, nullptr,
                                 nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetForegroundWindow(host);
        Drain();
    }
    return host;
}

TestParent::TestParent(int width, int height) {
    window_ = ::CreateWindowExA(0, Registered("ZulControlTestParent", Procedure), "",
                                WS_CHILD | WS_VISIBLE, 100, 100, width, height, HostWindow(),
                                nullptr, ::GetModuleHandleA(nullptr), this);
    ::SetFocus(window_);
    ::UpdateWindow(window_);
    Drain();
}

TestParent::~TestParent() {
    ::DestroyWindow(window_);
    Drain();
}

POINT TestParent::ToScreen(HWND window, POINT point) const {
    ::ClientToScreen(window, &point);
    return point;
}

int TestParent::Count(UINT code) const {
    return static_cast<int>(
        std::count_if(notifications.begin(), notifications.end(),
                      [code](const Notification& n) { return n.code == code; }));
}

LRESULT TestParent::OnNotify(NMHDR& header) {
    if (header.code == static_cast<UINT>(NM_CLICK)) {
        notifications.push_back({header.code, {}});
    } else if (header.code == static_cast<UINT>(LVN_ENDLABELEDITA)) {
        const char* text = reinterpret_cast<const NMLVDISPINFOA&>(header).item.pszText;
        notifications.push_back({header.code, text != nullptr ? text : ""});
    }
    LRESULT result = 0;
    return zul::Windows::ReflectNotify(header, result) ? result : 0;
}

LRESULT CALLBACK TestParent::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<TestParent*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TestParent*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
        switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            self->scrolls.push_back({message, wParam, lParam});
            return 0;
        case WM_NOTIFY:
            return self->OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_COMMAND:
            self->commands.push_back(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            if (self->onTimer)
                self->onTimer();
            return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

} // namespace kvtest
