#include "support/win32/CommandState.h"

namespace zul::Windows {

namespace {

struct Applied {
    bool anyEnabled = false;
    bool changed = false; // an item of this menu itself (not of its drop-downs) changed
};

// Touches only the items whose state differs: every change of a menu bar item
// costs a new frame of the window (DrawMenuBar), and the states are applied
// after every command.
Applied ApplyStates(HMENU menu, const CommandStateOf& stateOf) {
    Applied applied;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item) ||
            (item.fType & MFT_SEPARATOR) != 0) {
            continue;
        }
        bool enabled = true;
        if (item.hSubMenu != nullptr) {
            enabled = ApplyStates(item.hSubMenu, stateOf).anyEnabled;
        } else {
            const CommandState state = stateOf(static_cast<int>(item.wID));
            enabled = state.enabled;
            if (((item.fState & MFS_CHECKED) != 0) != state.checked) {
                ::CheckMenuItem(menu, static_cast<UINT>(position),
                                MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
            }
        }
        if (((item.fState & MFS_GRAYED) == 0) != enabled) {
            ::EnableMenuItem(menu, static_cast<UINT>(position),
                             MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
            applied.changed = true;
        }
        applied.anyEnabled = applied.anyEnabled || enabled;
    }
    return applied;
}

} // namespace

bool ApplyCommandStates(HMENU menu, const CommandStateOf& stateOf) {
    return ApplyStates(menu, stateOf).anyEnabled;
}

bool ApplyCommandStatesToMenuBar(HMENU menu, const CommandStateOf& stateOf) {
    return ApplyStates(menu, stateOf).changed;
}

void ApplyCommandStatesToButtons(HWND window, const CommandStateOf& stateOf) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        ::GetClassNameA(child, className, sizeof(className));
        const LONG_PTR kind = ::GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(className, "Button") != 0 ||
            (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON)) {
            continue;
        }
        const bool enabled = stateOf(::GetDlgCtrlID(child)).enabled;
        if ((::IsWindowEnabled(child) != FALSE) != enabled) {
            // A disabled window keeps no focus: the window would be left
            // with none, and its keyboard dead. The next control takes it.
            if (!enabled && ::GetFocus() == child)
                ::SendMessageA(window, WM_NEXTDLGCTL, 0, FALSE);
            ::EnableWindow(child, enabled ? TRUE : FALSE);
        }
    }
}

} // namespace zul::Windows
