#pragma once

#include "support/win32/CommandState.h"

#include <windows.h>

namespace zul::Windows {

// What every window with command states does with them, whatever its base:
// the menu bar and the push buttons of the window switched as the states say.
void ApplyCommandStatesToWindow(HWND window, const CommandStateOf& stateOf);

// Shows the first drop-down of a menu resource as a context menu at a screen
// point, its items switched as the states say; the window gets the choice as
// a menu command.
void TrackContextMenu(HWND window, UINT menuId, POINT screen, const CommandStateOf& stateOf);

// Where a list's context menu opens when asked for by keyboard (Shift+F10,
// the menu key): below the focused row's text while that row shows, else at
// the list's top left.
POINT ListContextMenuPoint(HWND list);

} // namespace zul::Windows
