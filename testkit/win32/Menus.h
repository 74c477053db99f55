#pragma once

// Reading menus in tests: item states of a window's menu bar, and menus of
// the program's resources as text.
#include <windows.h>

#include <string>

namespace kvtest {

bool MenuEnabled(HWND window, UINT command);
bool MenuChecked(HWND window, UINT command);
// The item at a position of a menu (a drop-down has no command id).
bool MenuPositionEnabled(HMENU menu, int position);
// Each item of a menu as "id text", "-" for a separator, a drop-down as its
// text with its items indented beneath.
std::string DumpMenu(HMENU menu);
// A menu of the program's resources as DumpMenu writes it; "missing" when
// there is none.
std::string MenuResource(UINT id);
// A WM_COMMAND as a menu item sends it.
void Command(HWND window, int id);

// Reads the next pop-up menu that opens while it lives: each item's id and
// whether it is enabled ("1007+ 1005- "), then closes the menu without a
// choice. Menus run a loop of their own, so this works from a timer.
class PopupMenuReader {
public:
    PopupMenuReader();
    PopupMenuReader(const PopupMenuReader&) = delete;
    PopupMenuReader& operator=(const PopupMenuReader&) = delete;
    ~PopupMenuReader();

    const std::string& Seen() const;
    // The screen point of the menu's top left corner (where it was opened).
    POINT Origin() const;
};

} // namespace kvtest
