#include "testkit/win32/Input.h"

#include "support/win32/Dialog.h"
#include "testkit/win32/Pump.h"

#include <cstdlib>
#include <cstring>

namespace kvtest {

namespace {

DWORD lastClickTime = 0;
POINT lastClickPoint{-1000, -1000};

} // namespace

void MoveCursor(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
}

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &input, sizeof(INPUT));
}

void Click(POINT screen) {
    const int nearX = ::GetSystemMetrics(SM_CXDOUBLECLK);
    const int nearY = ::GetSystemMetrics(SM_CYDOUBLECLK);
    const bool nearby = std::abs(screen.x - lastClickPoint.x) <= nearX &&
                        std::abs(screen.y - lastClickPoint.y) <= nearY;
    const DWORD wait = ::GetDoubleClickTime() + 50;
    const DWORD since = ::GetTickCount() - lastClickTime;
    if (nearby && since < wait)
        PumpUntil([] { return false; }, wait - since); // messages dispatched meanwhile
    MoveCursor(screen);
    Drain();
    MouseButton(true);
    MouseButton(false);
    lastClickTime = ::GetTickCount();
    lastClickPoint = screen;
}

void KeyState(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    if (key == VK_DELETE)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    ::SendInput(1, &input, sizeof(INPUT));
}

void Key(WORD key, bool withControl) {
    if (withControl)
        KeyState(VK_CONTROL, true);
    KeyState(key, true);
    KeyState(key, false);
    if (withControl)
        KeyState(VK_CONTROL, false);
}

void Type(const std::string& text) {
    for (const char c : text) {
        const SHORT scan = ::VkKeyScanA(c);
        const bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift)
            KeyState(VK_SHIFT, true);
        Key(LOBYTE(scan));
        if (shift)
            KeyState(VK_SHIFT, false);
    }
}

void PostKey(zul::Windows::Dialog& dialog, UINT virtualKey) {
    HWND target = ::GetFocus();
    if (target == nullptr || (target != dialog.Handle() && !::IsChild(dialog.Handle(), target)))
        target = dialog.Handle();
    const UINT scan = ::MapVirtualKeyA(virtualKey, 0);
    ::PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16));
    ::PostMessageA(target, WM_KEYUP, virtualKey,
                   1 | (static_cast<LPARAM>(scan) << 16) | (LPARAM{3} << 30));
}

void PressKey(zul::Windows::Dialog& dialog, UINT key, int modifiers) {
    BYTE saved[256] = {};
    ::GetKeyboardState(saved);
    BYTE held[256];
    std::memcpy(held, saved, sizeof(held));
    if (modifiers & Ctrl)
        held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
    if (modifiers & Alt)
        held[VK_MENU] = held[VK_LMENU] = 0x80;
    if (modifiers & Shift)
        held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
    ::SetKeyboardState(held);
    PostKey(dialog, key);
    Drain(dialog);
    ::SetKeyboardState(saved);
}

bool TabTo(zul::Windows::Dialog& dialog, int id) {
    HWND target = ::GetDlgItem(dialog.Handle(), id);
    for (HWND child = ::GetWindow(dialog.Handle(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetFocus() == target)
            return true;
        PressKey(dialog, VK_TAB);
    }
    return ::GetFocus() == target;
}

} // namespace kvtest
