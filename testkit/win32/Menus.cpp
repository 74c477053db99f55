#include "testkit/win32/Menus.h"

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
        if (info.fType & MFT_SEPARATOR)
            out += indent + "-\n";
        else if (info.hSubMenu != nullptr) {
            out += indent + text + "\n";
            DumpMenu(info.hSubMenu, indent + "  ", out);
        } else
            out += indent + std::to_string(info.wID) + " " + text + "\n";
    }
}

std::string popupSeen;
POINT popupOrigin{};
UINT_PTR popupTimer = 0;
ULONGLONG popupDeadline = 0;

void CALLBACK ReadOpenPopupMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (popup == nullptr || !::IsWindowVisible(popup)) {
        // Not open yet. Whatever menu mode the program is in by then (the
        // menu bar's, say) ends at the time limit, so no test can hang in it.
        if (::GetTickCount64() > popupDeadline) {
            ::KillTimer(nullptr, timer);
            popupTimer = 0;
            ::EndMenu();
        }
        return;
    }
    ::KillTimer(nullptr, timer);
    popupTimer = 0;
    RECT place{};
    ::GetWindowRect(popup, &place);
    popupOrigin = {place.left, place.top};
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id == 0)
            continue; // a separator
        popupSeen += std::to_string(id) + (MenuPositionEnabled(menu, i) ? "+ " : "- ");
    }
    ::EndMenu();
}

} // namespace

PopupMenuReader::PopupMenuReader() {
    popupSeen.clear();
    popupOrigin = {};
    popupDeadline = ::GetTickCount64() + 3000;
    popupTimer = ::SetTimer(nullptr, 0, 20, &ReadOpenPopupMenu);
}

PopupMenuReader::~PopupMenuReader() {
    if (popupTimer != 0)
        ::KillTimer(nullptr, popupTimer);
    popupTimer = 0;
}

const std::string& PopupMenuReader::Seen() const {
    return popupSeen;
}

POINT PopupMenuReader::Origin() const {
    return popupOrigin;
}

bool MenuEnabled(HWND window, UINT command) {
    return (::GetMenuState(::GetMenu(window), command, MF_BYCOMMAND) &
            (MF_GRAYED | MF_DISABLED)) == 0;
}

bool MenuChecked(HWND window, UINT command) {
    return (::GetMenuState(::GetMenu(window), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool MenuPositionEnabled(HMENU menu, int position) {
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) &
            (MF_GRAYED | MF_DISABLED)) == 0;
}

std::string DumpMenu(HMENU menu) {
    std::string dump;
    DumpMenu(menu, "", dump);
    return dump;
}

std::string MenuResource(UINT id) {
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (menu == nullptr)
        return "missing";
    const std::string dump = DumpMenu(menu);
    ::DestroyMenu(menu);
    return dump;
}

void Command(HWND window, int id) {
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

} // namespace kvtest
