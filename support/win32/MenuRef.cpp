#include "support/win32/MenuRef.h"

namespace zul::Windows {

namespace {

UINT EnableFlags(bool enabled) {
    return enabled ? MF_ENABLED : MF_DISABLED | MF_GRAYED;
}

} // namespace

std::unique_ptr<MenuRef> MenuRef::FromHandle(HMENU menu) {
    if (menu == nullptr || !::IsMenu(menu)) {
        return nullptr;
    }
    return std::unique_ptr<MenuRef>(new MenuRef(menu));
}

std::unique_ptr<MenuRef> MenuRef::MenuOfWindow(HWND window) {
    return FromHandle(::GetMenu(window));
}

std::unique_ptr<MenuRef> MenuRef::SubMenu(int position) const {
    return FromHandle(::GetSubMenu(menu_, position));
}

// The system answers -1 for an item that is not there.
bool MenuRef::EnableByPosition(int position, bool enabled) const {
    return ::EnableMenuItem(menu_, static_cast<UINT>(position),
                            MF_BYPOSITION | EnableFlags(enabled)) != static_cast<BOOL>(-1);
}

bool MenuRef::EnableByCommand(UINT command, bool enabled) const {
    return ::EnableMenuItem(menu_, command, MF_BYCOMMAND | EnableFlags(enabled)) !=
           static_cast<BOOL>(-1);
}

bool MenuRef::CheckByCommand(UINT command, bool checked) const {
    return ::CheckMenuItem(menu_, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) !=
           static_cast<DWORD>(-1);
}

} // namespace zul::Windows
