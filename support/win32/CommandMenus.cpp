#include "support/win32/CommandMenus.h"

#include <commctrl.h>

namespace zul::Windows {

void ApplyCommandStatesToWindow(HWND window, const CommandStateOf& stateOf) {
    if (HMENU menu = ::GetMenu(window)) {
        ApplyCommandStates(menu, stateOf);
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

POINT ListContextMenuPoint(HWND list) {
    POINT point{0, 0};
    RECT row{};
    const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    if (focused >= 0 && ListView_GetItemRect(list, focused, &row, LVIR_LABEL)) {
        point = {row.left, row.bottom};
    }
    ::ClientToScreen(list, &point);
    return point;
}

} // namespace zul::Windows
