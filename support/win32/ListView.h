#pragma once

#include "support/win32/Window.h"

#include <windows.h>
#include <commctrl.h>

namespace zul::Windows {

// The report list view, one forward per message.
class ListView : public Window {
public:
    using Window::Window;

    int ItemCount() const { return ListView_GetItemCount(window_); }
    void SetItemCount(int count, DWORD flags = 0) const {
        ListView_SetItemCountEx(window_, count, flags);
    }
    int SelectedCount() const { return static_cast<int>(ListView_GetSelectedCount(window_)); }
    int NextItem(int start, UINT flags) const {
        return ListView_GetNextItem(window_, start, flags);
    }
    int InsertItem(const LVITEMA& item) const {
        return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    bool GetItem(LVITEMA& item) const {
        return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
    }
    bool SetItem(const LVITEMA& item) const {
        return Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
    }
    bool DeleteItem(int index) const { return ListView_DeleteItem(window_, index) != FALSE; }
    bool DeleteAllItems() const { return ListView_DeleteAllItems(window_) != FALSE; }
    void SetItemState(int index, UINT state, UINT mask) const {
        ListView_SetItemState(window_, index, state, mask);
    }
    UINT ItemState(int index, UINT mask) const {
        return ListView_GetItemState(window_, index, mask);
    }
    bool EnsureVisible(int index, bool partialOk = false) const {
        return ListView_EnsureVisible(window_, index, partialOk ? TRUE : FALSE) != FALSE;
    }
    bool RedrawItems(int first, int last) const {
        return ListView_RedrawItems(window_, first, last) != FALSE;
    }
    int HitTest(LVHITTESTINFO& info) const { return ListView_SubItemHitTest(window_, &info); }
    bool ItemRect(int index, RECT& rect, int code = LVIR_BOUNDS) const {
        return ListView_GetItemRect(window_, index, &rect, code) != FALSE;
    }
    bool SubItemRect(int index, int column, RECT& rect, int code = LVIR_BOUNDS) const {
        return ListView_GetSubItemRect(window_, index, column, code, &rect) != FALSE;
    }
    int TopIndex() const { return ListView_GetTopIndex(window_); }
    bool Scroll(int dx, int dy) const { return ListView_Scroll(window_, dx, dy) != FALSE; }
    bool SetItemText(int index, int column, char* text) const {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item)) != FALSE;
    }
    int SelectionMark() const { return ListView_GetSelectionMark(window_); }
    void SetSelectionMark(int index) const { ListView_SetSelectionMark(window_, index); }

    int InsertColumn(int index, const LVCOLUMNA& column) const {
        return static_cast<int>(Send(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
    }
    bool GetColumn(int index, LVCOLUMNA& column) const {
        return Send(LVM_GETCOLUMNA, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&column)) != FALSE;
    }
    int ColumnWidth(int column) const { return ListView_GetColumnWidth(window_, column); }
    bool SetColumnWidth(int column, int width) const {
        return ListView_SetColumnWidth(window_, column, width) != FALSE;
    }
    HWND Header() const { return ListView_GetHeader(window_); }
    DWORD ExtendedStyle() const { return ListView_GetExtendedListViewStyle(window_); }
    void SetExtendedStyle(DWORD style) const { ListView_SetExtendedListViewStyle(window_, style); }
};

} // namespace zul::Windows
