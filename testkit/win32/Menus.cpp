#include "testkit/win32/Menus.h"

#include "support/win32/Dialog.h"
#include "testkit/win32/Input.h"
#include "testkit/win32/ListRows.h"
#include "testkit/win32/Pump.h"

namespace kvtest {

namespace {

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

// The next pop-up menu that opens: read and closed from a timer, as menus
// run a loop of their own. Whatever menu mode the program is in when none
// comes (the menu bar's, say) ends at the time limit, so no test hangs in it.
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

} // namespace

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

} // namespace kvtest
