#pragma once

// The rows of a real list view as a test reads and sets them.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace kvtest {

// The text the list shows in a cell (it asks its owner for callback texts).
std::string CellText(HWND list, int row, int column);
// Column 0 of every row, top to bottom, joined by ",".
std::string ArtistColumn(HWND list);
std::vector<int> SelectedRows(HWND list);
int FocusedRow(HWND list);
// Exactly these rows selected and focused; the selection mark on the first.
void SelectRows(HWND list, std::initializer_list<int> rows);
// A point inside a row's label, as a mouse message's lParam.
LPARAM RowPoint(HWND list, int row);
// Where a context menu opened by key for a row begins: the lower left corner
// of its label, on the screen.
POINT RowMenuOrigin(HWND list, int row);
// A left click on a column heading of the real header control.
void ClickHeader(HWND list, int column);

} // namespace kvtest
