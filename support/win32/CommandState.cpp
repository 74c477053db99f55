#include "support/win32/CommandState.h"

namespace zul::Windows {

bool ApplyCommandStates(HMENU menu, const CommandStateOf& stateOf) {
    bool anyEnabled = false;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item) ||
            (item.fType & MFT_SEPARATOR) != 0) {
            continue;
        }
        bool enabled = true;
        if (item.hSubMenu != nullptr) {
            enabled = ApplyCommandStates(item.hSubMenu, stateOf);
        } else {
            const CommandState state = stateOf(static_cast<int>(item.wID));
            enabled = state.enabled;
            ::CheckMenuItem(menu, static_cast<UINT>(position),
                            MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
        }
        ::EnableMenuItem(menu, static_cast<UINT>(position),
                         MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
        anyEnabled = anyEnabled || enabled;
    }
    return anyEnabled;
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
