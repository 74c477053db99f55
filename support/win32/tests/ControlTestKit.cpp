#include "support/win32/tests/ControlTestKit.h"

#include "support/win32/Reflection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace controltest {

namespace {

const char ParentClass[] = "ZulControlTestParent";
const char HostClass[] = "ZulControlTestHost";
HWND host = nullptr;

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
DWORD lastClickTime = 0;
POINT lastClickPoint{-1000, -1000};

bool DispatchOne(MSG& message, const std::function<bool(MSG&)>& preTranslate) {
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (!preTranslate || !preTranslate(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

void Send(INPUT* inputs, UINT count) {
    ::SendInput(count, inputs, sizeof(INPUT));
}

} // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs,
               const std::function<bool(MSG&)>& preTranslate) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    MSG message{};
    while (!done()) {
        if (::GetTickCount64() >= end) {
            return false;
        }
        if (!DispatchOne(message, preTranslate)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return true;
}

void Drain(const std::function<bool(MSG&)>& preTranslate) {
    MSG message{};
    for (int i = 0; i < 10000 && DispatchOne(message, preTranslate); ++i) {
    }
}

void MoveCursor(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
}

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    Send(&input, 1);
}

void Click(POINT screen, bool withControl) {
    const int nearX = ::GetSystemMetrics(SM_CXDOUBLECLK);
    const int nearY = ::GetSystemMetrics(SM_CYDOUBLECLK);
    const bool nearby = std::abs(screen.x - lastClickPoint.x) <= nearX &&
                        std::abs(screen.y - lastClickPoint.y) <= nearY;
    const DWORD wait = ::GetDoubleClickTime() + 50;
    if (nearby) {
        const DWORD since = ::GetTickCount() - lastClickTime;
        if (since < wait) {
            const DWORD until = ::GetTickCount() + (wait - since);
            PumpUntil([&] { return static_cast<int>(until - ::GetTickCount()) <= 0; }, wait);
        }
    }
    MoveCursor(screen);
    Drain();
    if (withControl) {
        KeyState(VK_CONTROL, true);
    }
    MouseButton(true);
    MouseButton(false);
    if (withControl) {
        KeyState(VK_CONTROL, false);
    }
    lastClickTime = ::GetTickCount();
    lastClickPoint = screen;
}

void KeyState(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    if (key == VK_DELETE) {
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    Send(&input, 1);
}

void Key(WORD key, bool withControl) {
    if (withControl) {
        KeyState(VK_CONTROL, true);
    }
    KeyState(key, true);
    KeyState(key, false);
    if (withControl) {
        KeyState(VK_CONTROL, false);
    }
}

void Type(const std::string& text) {
    for (const char c : text) {
        const SHORT scan = ::VkKeyScanA(c);
        const bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift) {
            KeyState(VK_SHIFT, true);
        }
        Key(LOBYTE(scan));
        if (shift) {
            KeyState(VK_SHIFT, false);
        }
    }
}

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
        HINSTANCE instance = ::GetModuleHandleA(nullptr);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = HostClass;
        ::RegisterClassA(&windowClass);
        host = ::CreateWindowExA(0, HostClass, "Steuerelemente", WS_POPUP | WS_VISIBLE, 0, 0, 900,
                                 700, nullptr, nullptr, instance, nullptr);
        ::SetForegroundWindow(host);
        Drain();
    }
    return host;
}

TestParent::TestParent(int width, int height) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (!::GetClassInfoA(instance, ParentClass, &windowClass)) {
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = ParentClass;
        ::RegisterClassA(&windowClass);
    }
    window_ = ::CreateWindowExA(0, ParentClass, "", WS_CHILD | WS_VISIBLE, 100, 100, width, height,
                                HostWindow(), nullptr, instance, this);
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
    int count = 0;
    for (const Notification& notification : notifications) {
        count += notification.code == code ? 1 : 0;
    }
    return count;
}

LRESULT TestParent::OnNotify(NMHDR& header, WPARAM wParam, LPARAM lParam) {
    if (header.code == static_cast<UINT>(LVN_GETDISPINFOA)) {
        auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
        const auto item = static_cast<size_t>(info.item.iItem);
        const auto column = static_cast<size_t>(info.item.iSubItem);
        if ((info.item.mask & LVIF_TEXT) != 0 && item < callbackTexts.size() &&
            column < callbackTexts[item].size() && info.item.cchTextMax > 0) {
            const std::string& text = callbackTexts[item][column];
            const size_t length =
                std::min(text.size(), static_cast<size_t>(info.item.cchTextMax) - 1);
            std::memcpy(info.item.pszText, text.data(), length);
            info.item.pszText[length] = '\0';
        }
        return 0;
    }
    if (header.code == static_cast<UINT>(NM_CLICK) ||
        header.code == static_cast<UINT>(LVN_ENDLABELEDITA) ||
        header.code == static_cast<UINT>(LVN_SETDISPINFOA)) {
        Notification record;
        record.code = header.code;
        if (header.code == static_cast<UINT>(NM_CLICK)) {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            record.item = click.iItem;
            record.subItem = click.iSubItem;
        } else {
            const auto& info = reinterpret_cast<const NMLVDISPINFOA&>(header);
            record.item = info.item.iItem;
            record.subItem = info.item.iSubItem;
            record.hasText = info.item.pszText != nullptr;
            record.text = record.hasText ? info.item.pszText : "";
            record.editorAlive =
                ::FindWindowExA(header.hwndFrom, nullptr, "Edit", nullptr) != nullptr;
        }
        notifications.push_back(record);
    }
    // Hand the notification back to the control, as the program's dialogs do.
    zul::Windows::ReflectedMessage reflected{WM_NOTIFY, wParam, lParam, 0, false};
    ::SendMessageA(header.hwndFrom, zul::Windows::ReflectedNotify, 0,
                   reinterpret_cast<LPARAM>(&reflected));
    return reflected.handled ? reflected.result : 0;
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
            return self->OnNotify(*reinterpret_cast<NMHDR*>(lParam), wParam, lParam);
        case WM_COMMAND:
            self->commands.push_back(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            if (self->onTimer) {
                self->onTimer();
            }
            return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

} // namespace controltest
