#pragma once

#include <windows.h>

#include <memory>

namespace zul::Windows {

// A non-owning reference to a menu for switching its items: deleting the
// reference leaves the menu to its window or resource.
class MenuRef {
public:
    // None for a handle that is no menu.
    static std::unique_ptr<MenuRef> FromHandle(HMENU menu);
    // The window's menu bar; none if the window has no menu.
    static std::unique_ptr<MenuRef> MenuOfWindow(HWND window);

    MenuRef(const MenuRef&) = delete;
    MenuRef& operator=(const MenuRef&) = delete;

    HMENU Handle() const { return menu_; }
    // The drop-down menu at that position; none for a plain command or no item.
    std::unique_ptr<MenuRef> SubMenu(int position) const;

    // Each reports whether the item exists. Disabled items are also greyed.
    bool EnableByPosition(int position, bool enabled) const;
    bool EnableByCommand(UINT command, bool enabled) const;
    bool CheckByCommand(UINT command, bool checked) const;

private:
    explicit MenuRef(HMENU menu) : menu_(menu) {}

    HMENU menu_;
};

} // namespace zul::Windows
