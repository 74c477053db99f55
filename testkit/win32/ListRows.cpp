#include "testkit/win32/ListRows.h"

#include "testkit/win32/Pump.h"

namespace kvtest {

std::string CellText(HWND list, int row, int column) {
    std::string text(1024, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const LRESULT length =
        ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

std::string ArtistColumn(HWND list) {
    std::string text;
    const int rows = ListView_GetItemCount(list);
    for (int row = 0; row < rows; ++row) {
        if (row > 0)
            text += ",";
        text += CellText(list, row, 0);
    }
    return text;
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

int FocusedRow(HWND list) {
    return ListView_GetNextItem(list, -1, LVNI_FOCUSED);
}

void SelectRows(HWND list, std::initializer_list<int> rows) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (int row : rows)
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    if (rows.size() > 0)
        ListView_SetSelectionMark(list, *rows.begin());
    Drain();
}

LPARAM RowPoint(HWND list, int row) {
    RECT r{};
    ListView_GetItemRect(list, row, &r, LVIR_LABEL);
    return MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
}

POINT RowMenuOrigin(HWND list, int row) {
    RECT r{};
    ListView_GetItemRect(list, row, &r, LVIR_LABEL);
    POINT origin{r.left, r.bottom};
    ::ClientToScreen(list, &origin);
    return origin;
}

void ClickHeader(HWND list, int column) {
    HWND header = ListView_GetHeader(list);
    RECT r{};
    Header_GetItemRect(header, column, &r);
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(header, WM_LBUTTONUP, 0, point);
    Drain();
}

} // namespace kvtest
