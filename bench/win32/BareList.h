// The baseline of the list benchmarks: a plain report list view with four
// columns and none of the program's code, filled as any program fills one.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace kvbench {

// What the bare list shows in every cell; its parent answers LVN_GETDISPINFO
// with it.
inline char bareText[] = "Interpret";

// The common controls started and a visible top-level window of 800 x 600
// with the given procedure, for the lists to live in.
inline HWND CreateParentWindow(WNDPROC procedure) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSA type{};
    type.lpfnWndProc = procedure;
    type.hInstance = ::GetModuleHandleA(nullptr);
    type.lpszClassName = "KvBenchParent";
    type.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    ::RegisterClassA(&type);
    return ::CreateWindowExA(0, "KvBenchParent", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                             800, 600, nullptr, nullptr, type.hInstance, nullptr);
}

// style: more list styles, such as LVS_OWNERDATA.
inline HWND CreateBareList(HWND parent, RECT area, int columnWidth, DWORD style = 0) {
    HWND list = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | style,
                                  area.left,
                                  area.top, area.right - area.left, area.bottom - area.top, parent,
                                  nullptr, nullptr, nullptr);
    for (int column = 0; column < 4; ++column) {
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.cx = columnWidth;
        info.pszText = bareText;
        info.iSubItem = column;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    }
    return list;
}

// count callback items, each with its index as item data, inserted with
// redrawing off.
inline void InsertBareItems(HWND list, int count) {
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = LPSTR_TEXTCALLBACKA;
    for (int i = 0; i < count; ++i) {
        item.iItem = i;
        item.lParam = i;
        ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

} // namespace kvbench
