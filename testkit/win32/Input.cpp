#include "testkit/win32/Input.h"

#include "support/win32/Dialog.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace kvtest {

namespace {

bool DispatchOne(MSG& message, const PreTranslate& preTranslate) {
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (!preTranslate || !preTranslate(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

DWORD lastClickTime = 0;
POINT lastClickPoint{-1000, -1000};

void DumpMenu(HMENU menu, const std::string& indent, std::string& out) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof(text);
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            out += indent + "-\n";
        } else if (info.hSubMenu != nullptr) {
            out += indent + text + "\n";
            DumpMenu(info.hSubMenu, indent + "  ", out);
        } else {
            out += indent + std::to_string(info.wID) + " " + text + "\n";
        }
    }
}

// The next pop-up menu that opens, read and closed from a timer (a menu runs
// a loop of its own). When none comes, whatever menu mode the program is in
// ends at the time limit, so no test hangs in it.
std::string popupSeen;
POINT popupOrigin{};
ULONGLONG popupDeadline = 0;
UINT_PTR popupTimer = 0;

void CALLBACK ReadOpenPopupMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = ::FindWindowA("#32768", nullptr);
    const bool open = popup != nullptr && ::IsWindowVisible(popup);
    if (!open && ::GetTickCount64() <= popupDeadline)
        return;
    ::KillTimer(nullptr, timer);
    popupTimer = 0;
    if (open) {
        RECT place{};
        ::GetWindowRect(popup, &place);
        popupOrigin = {place.left, place.top};
        HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            if (const UINT id = ::GetMenuItemID(menu, i); id != 0) // not a separator
                popupSeen += std::to_string(id) + (MenuPositionEnabled(menu, i) ? "+ " : "- ");
        }
    }
    ::EndMenu();
}

class PopupMenuReader {
public:
    PopupMenuReader() {
        popupSeen.clear();
        popupOrigin = {};
        popupDeadline = ::GetTickCount64() + 3000;
        popupTimer = ::SetTimer(nullptr, 0, 20, &ReadOpenPopupMenu);
    }
    PopupMenuReader(const PopupMenuReader&) = delete;
    PopupMenuReader& operator=(const PopupMenuReader&) = delete;
    ~PopupMenuReader() {
        if (popupTimer != 0)
            ::KillTimer(nullptr, popupTimer);
        popupTimer = 0;
    }
};

MessageLog* currentLog = nullptr;

} // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs,
               const PreTranslate& preTranslate) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    MSG message{};
    while (!done()) {
        if (::GetTickCount64() >= end)
            return false;
        if (!DispatchOne(message, preTranslate))
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void Drain(const PreTranslate& preTranslate) {
    MSG message{};
    for (int i = 0; i < 10000 && DispatchOne(message, preTranslate); ++i) {
    }
}

void Drain(zul::Windows::Dialog& dialog) {
    Drain([&dialog](MSG& message) { return dialog.PreTranslateMessage(message); });
}

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
    const bool nearby =
        std::abs(screen.x - lastClickPoint.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(screen.y - lastClickPoint.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK);
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
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, 0)) << 16;
    ::PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | scan);
    ::PostMessageA(target, WM_KEYUP, virtualKey, 1 | scan | (LPARAM{3} << 30));
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

std::string CellText(HWND list, int row, int column) {
    std::string text(1024, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const LRESULT length =
        ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

std::string ArtistColumn(HWND list) {
    std::string text;
    for (int row = 0; row < ListView_GetItemCount(list); ++row)
        text.append(row > 0 ? "," : "").append(CellText(list, row, 0));
    return text;
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

int FocusedRow(HWND list) {
    return ListView_GetNextItem(list, -1, LVNI_FOCUSED);
}

void SelectRows(HWND list, std::initializer_list<int> rows) {
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, -1, 0, state);
    for (int row : rows)
        ListView_SetItemState(list, row, state, state);
    if (rows.size() > 0)
        ListView_SetSelectionMark(list, *rows.begin());
    Drain();
}

LPARAM RowPoint(HWND list, int row) {
    RECT r{};
    ListView_GetItemRect(list, row, &r, LVIR_LABEL);
    return MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
}

POINT RowMenuOrigin(HWND list, int row) {
    RECT r{};
    ListView_GetItemRect(list, row, &r, LVIR_LABEL);
    POINT origin{r.left, r.bottom};
    ::ClientToScreen(list, &origin);
    return origin;
}

void ClickHeader(HWND list, int column) {
    HWND header = ListView_GetHeader(list);
    RECT r{};
    Header_GetItemRect(header, column, &r);
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(header, WM_LBUTTONUP, 0, point);
    Drain();
}

bool MenuEnabled(HWND window, UINT command) {
    return (::GetMenuState(::GetMenu(window), command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) ==
           0;
}

bool MenuChecked(HWND window, UINT command) {
    return (::GetMenuState(::GetMenu(window), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool MenuPositionEnabled(HMENU menu, int position) {
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) &
            (MF_GRAYED | MF_DISABLED)) == 0;
}

std::string MenuResource(UINT id) {
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (menu == nullptr)
        return "missing";
    std::string dump;
    DumpMenu(menu, "", dump);
    ::DestroyMenu(menu);
    return dump;
}

void Command(HWND window, int id) {
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string RowContextMenu(zul::Windows::Dialog& dialog, HWND list, int row) {
    const LPARAM point = RowPoint(list, row);
    PopupMenuReader reader;
    // The release queued first: the list sees a click, not a drag.
    ::PostMessageA(list, WM_RBUTTONUP, 0, point);
    ::SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, point);
    Drain(dialog);
    return popupSeen;
}

OpenedMenu ContextMenuByKey(zul::Windows::Dialog& dialog, WORD key, bool withShift) {
    PopupMenuReader reader;
    KeyState(VK_SHIFT, withShift);
    Key(key);
    KeyState(VK_SHIFT, false);
    PumpUntil([] { return !popupSeen.empty(); }, 3000,
              [&](MSG& m) { return dialog.PreTranslateMessage(m); });
    return {popupSeen, popupOrigin};
}

MessageLog::MessageLog(Filter filter) : filter_(std::move(filter)) {
    currentLog = this;
    hook_ = ::SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
}

MessageLog::~MessageLog() {
    if (hook_ != nullptr)
        ::UnhookWindowsHookEx(hook_);
    currentLog = nullptr;
}

LRESULT CALLBACK MessageLog::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && currentLog != nullptr &&
        currentLog->filter_(call->hwnd, call->message, call->wParam, call->lParam)) {
        currentLog->lines_.push_back(std::to_string(::GetDlgCtrlID(call->hwnd)) + " " +
                                     std::to_string(call->message));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace kvtest
