#include "support/win32/CommandMenus.h"

#include <commctrl.h>

#include <algorithm>

namespace zul::Windows {

void ApplyCommandStatesToWindow(HWND window, const CommandStateOf& stateOf) {
    HMENU menu = ::GetMenu(window);
    if (menu != nullptr && ApplyCommandStatesToMenuBar(menu, stateOf)) {
        ::DrawMenuBar(window);
    }
    ApplyCommandStatesToButtons(window, stateOf);
}

void TrackContextMenu(HWND window, UINT menuId, POINT screen, const CommandStateOf& stateOf) {
    HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId));
    if (resource == nullptr) {
        return;
    }
    if (HMENU popup = ::GetSubMenu(resource, 0)) {
        ApplyCommandStates(popup, stateOf);
        ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window,
                         nullptr);
    }
    ::DestroyMenu(resource);
}

// A focused row scrolled out of view has its rectangle above or below the
// list, where the menu would cover the menu bar or open off the list: then
// the list's corner, as Explorer does it.
POINT ListContextMenuPoint(HWND list) {
    POINT point{0, 0};
    RECT rows{};
    ::GetClientRect(list, &rows);
    // The rows scroll beneath the header.
    HWND header = ListView_GetHeader(list);
    if (header != nullptr && ::IsWindowVisible(header)) {
        RECT heading{};
        ::GetWindowRect(header, &heading);
        ::MapWindowPoints(HWND_DESKTOP, list, reinterpret_cast<POINT*>(&heading), 2);
        rows.top = std::max(rows.top, heading.bottom);
    }
    RECT row{};
    const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    if (focused >= 0 && ListView_GetItemRect(list, focused, &row, LVIR_LABEL) &&
        row.bottom > rows.top && row.top < rows.bottom) {
        point = {std::clamp(row.left, rows.left, rows.right), std::min(row.bottom, rows.bottom)};
    }
    ::ClientToScreen(list, &point);
    return point;
}

} // namespace zul::Windows
