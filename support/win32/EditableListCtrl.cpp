#include "support/win32/EditableListCtrl.h"

#include "support/win32/CellEdit.h"
#include "support/win32/TextExtent.h"

#include <algorithm>

namespace zul::Windows {

bool EditableListCtrl::Attach(HWND list) {
    Detach();
    if (!Subclass(list)) {
        return false;
    }
    lastClicked_ = -1;
    const LONG_PTR style = ::GetWindowLongPtrA(list, GWL_STYLE);
    ::SetWindowLongPtrA(list, GWL_STYLE, (style & ~(LVS_TYPEMASK | LVS_EDITLABELS)) | LVS_REPORT);
    List().SetExtendedStyle(LVS_EX_FULLROWSELECT);
    buttonWidth_ = TextExtent(list, " ... ").cx;
    return true;
}

namespace {

// Keys that select a range of rows while Shift is held: from the anchor to
// wherever the focus goes, which may be every row of the list.
bool SelectsARange(UINT message, WPARAM key) {
    if (message != WM_KEYDOWN || ::GetKeyState(VK_SHIFT) >= 0)
        return false;
    switch (key) {
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    default:
        return false;
    }
}

} // namespace

// A range selection changes every row of the range, and Wine repaints each
// changed row with a round trip to its server (seconds for Shift+End over
// 100,000 rows). With redrawing off the list changes them all and is then
// repainted once.
LRESULT EditableListCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!SelectsARange(message, wParam))
        return CallDefault(message, wParam, lParam);
    Send(WM_SETREDRAW, FALSE);
    const LRESULT result = CallDefault(message, wParam, lParam);
    Send(WM_SETREDRAW, TRUE);
    Invalidate(true);
    return result;
}

void EditableListCtrl::SetEditorChoice(EditorChoice choice, void* context, EditorText text) {
    choice_ = choice;
    context_ = context;
    text_ = text;
}

void EditableListCtrl::SetGrid(bool on) {
    const ListView list = List();
    DWORD style = list.ExtendedStyle();
    style = on ? style | LVS_EX_GRIDLINES : style & ~static_cast<DWORD>(LVS_EX_GRIDLINES);
    list.SetExtendedStyle(style | LVS_EX_FULLROWSELECT);
}

bool EditableListCtrl::SetColumnWidths(const int* widths, int count) {
    for (int column = 0; column < count; ++column) {
        // The width goes to the list as 16 bits.
        if (!List().SetColumnWidth(column, static_cast<short>(static_cast<WORD>(widths[column])))) {
            return false;
        }
    }
    return true;
}

bool EditableListCtrl::GetColumnWidths(int* widths, int count) const {
    const ListView list = List();
    HWND header = list.Header();
    if (count < 0) {
        count = header != nullptr ? Header_GetItemCount(header) : 0;
    }
    if (count <= 0 || header == nullptr) {
        return false;
    }
    for (int column = 0; column < count; ++column) {
        widths[column] = list.ColumnWidth(column);
    }
    return true;
}

bool EditableListCtrl::OnReflectedNotify(NMHDR& header, LRESULT& result) {
    if (header.code == static_cast<UINT>(NM_CLICK)) {
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        OnClick(click.iItem, click.iSubItem);
    } else if (header.code == static_cast<UINT>(LVN_ENDLABELEDITA)) {
        OnEndLabelEdit(reinterpret_cast<const NMLVDISPINFOA&>(header).item);
    } else {
        return false;
    }
    result = 0;
    return true;
}

// A second click on the item clicked before, once it is the only selection,
// edits the clicked cell; the first click only selects.
void EditableListCtrl::OnClick(int item, int subItem) {
    const ListView list = List();
    const LONG_PTR view = list.Style() & LVS_TYPEMASK;
    if ((view == LVS_REPORT || view == LVS_LIST) && item >= 0 && item == lastClicked_ &&
        list.SelectedCount() == 1 && list.ItemState(item, LVIS_SELECTED) != 0) {
        if (!list.HasFocus()) {
            list.SetFocus();
        }
        const EditorDescriptor editor = choice_ != nullptr
                                            ? choice_(context_, item, subItem)
                                            : EditorDescriptor{EditorKind::Text, 0, 0, 0};
        if (editor.kind == EditorKind::Text) {
            OpenTextEditor(item, subItem, editor.parameter);
        }
    }
    lastClicked_ = item;
}

bool EditableListCtrl::CellRect(int item, int subItem, RECT& rect) const {
    const ListView list = List();
    if (!list.EnsureVisible(item, true)) {
        return false;
    }
    const RECT client = list.ClientRect();
    if (!list.SubItemRect(item, subItem, rect)) {
        return false;
    }
    // A cell scrolled partly out of view is brought to the left edge first.
    if (rect.left < 0 || rect.left > client.right) {
        list.Scroll(rect.left, 0);
        if (!list.SubItemRect(item, subItem, rect)) {
            return false;
        }
    }
    // For sub-item 0 the bounds are those of the whole row.
    if (subItem == 0) {
        rect.right = rect.left + list.ColumnWidth(0);
    }
    rect.right = std::min(rect.right, client.right);
    return true;
}

void EditableListCtrl::OpenTextEditor(int item, int subItem, int maxLength) {
    RECT rect{};
    if (!CellRect(item, subItem, rect)) {
        return;
    }
    LVCOLUMNA column{};
    column.mask = LVCF_FMT;
    DWORD alignment = ES_LEFT;
    if (List().GetColumn(subItem, column)) {
        const int justify = column.fmt & LVCFMT_JUSTIFYMASK;
        alignment = justify == LVCFMT_RIGHT    ? ES_RIGHT
                    : justify == LVCFMT_CENTER ? ES_CENTER
                                               : ES_LEFT;
    }
    if (text_ != nullptr) {
        CellEdit::Open(Handle(), rect, item, subItem, alignment, maxLength,
                       text_(context_, item, subItem));
    } else {
        CellEdit::Open(Handle(), rect, item, subItem, alignment, maxLength);
    }
}

bool EditableListCtrl::IsCallbackText(int item, int subItem) const {
    // Every text of an owner-data list is its owner's.
    if ((List().Style() & LVS_OWNERDATA) != 0)
        return true;
    char buffer[2] = {};
    LVITEMA cell{};
    cell.mask = LVIF_TEXT | LVIF_NORECOMPUTE;
    cell.iItem = item;
    cell.iSubItem = subItem;
    cell.pszText = buffer;
    cell.cchTextMax = sizeof(buffer);
    List().GetItem(cell);
    return cell.pszText == LPSTR_TEXTCALLBACKA;
}

// The end of a cell edit, reflected back by the parent: a text supplied by the
// owner goes back to the owner, any other is stored in the list.
void EditableListCtrl::OnEndLabelEdit(const LVITEMA& cell) {
    const ListView list = List();
    if (cell.pszText == nullptr || cell.iItem < 0 || cell.iItem >= list.ItemCount()) {
        return;
    }
    if (IsCallbackText(cell.iItem, cell.iSubItem)) {
        const int id = list.Id();
        NMLVDISPINFOA info{};
        info.hdr.hwndFrom = list.Handle();
        info.hdr.idFrom = static_cast<UINT_PTR>(id);
        info.hdr.code = LVN_SETDISPINFOA;
        info.item.mask = LVIF_TEXT;
        info.item.iItem = cell.iItem;
        info.item.iSubItem = cell.iSubItem;
        info.item.pszText = cell.pszText;
        info.item.cchTextMax = cell.cchTextMax;
        list.Parent().Send(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
        return;
    }
    list.SetItemText(cell.iItem, cell.iSubItem, cell.pszText);
}

} // namespace zul::Windows
