#pragma once

// Menus in tests: item states of a window's menu bar, the program's menu
// resources as text, and the context menus of lists.
#include <windows.h>

#include <string>

namespace zul::Windows {
class Dialog;
}

namespace kvtest {

bool MenuEnabled(HWND window, UINT command);
bool MenuChecked(HWND window, UINT command);
// The item at a position of a menu (a drop-down has no command id).
bool MenuPositionEnabled(HMENU menu, int position);
// A menu of the program's resources, each item as "id text", "-" for a
// separator, a drop-down as its text with its items indented beneath;
// "missing" when there is none.
std::string MenuResource(UINT id);
// A WM_COMMAND as a menu item sends it.
void Command(HWND window, int id);

// A right click on a row of a list in the dialog (the release queued first,
// so the list sees a click and no drag); the context menu it opened, as each
// item's id and whether it is enabled ("1007+ 1005- "). The menu is closed
// without a choice.
std::string RowContextMenu(zul::Windows::Dialog& dialog, HWND list, int row);

struct OpenedMenu {
    std::string seen; // as RowContextMenu gives it
    POINT origin;     // the screen point of its top left corner
};
// A key pressed through the input queue (Shift held if asked) and handled by
// the dialog's own loop, with the context menu it opened.
OpenedMenu ContextMenuByKey(zul::Windows::Dialog& dialog, WORD key, bool withShift);

} // namespace kvtest
