#include "support/win32/EditableListCtrl.h"

#include "support/win32/CellEdit.h"
#include "support/win32/TextExtent.h"

#include <algorithm>

namespace zul::Windows {

bool EditableListCtrl::Attach(HWND list) {
    Detach();
    if (list == nullptr ||
        !::SetWindowSubclass(list, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    list_ = list;
    lastClicked_ = -1;
    const LONG_PTR style = ::GetWindowLongPtrA(list, GWL_STYLE);
    ::SetWindowLongPtrA(list, GWL_STYLE, (style & ~(LVS_TYPEMASK | LVS_EDITLABELS)) | LVS_REPORT);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    buttonWidth_ = TextExtent(list, " ... ").cx;
    return true;
}

void EditableListCtrl::Detach() {
    if (list_ != nullptr) {
        ::RemoveWindowSubclass(list_, SubclassProc, 0);
        list_ = nullptr;
    }
}

void EditableListCtrl::SetEditorChoice(EditorChoice choice, void* context) {
    choice_ = choice;
    context_ = context;
}

void EditableListCtrl::SetGrid(bool on) {
    DWORD style = ListView_GetExtendedListViewStyle(list_);
    style = on ? style | LVS_EX_GRIDLINES : style & ~static_cast<DWORD>(LVS_EX_GRIDLINES);
    ListView_SetExtendedListViewStyle(list_, style | LVS_EX_FULLROWSELECT);
}

bool EditableListCtrl::SetColumnWidths(const int* widths, int count) {
    for (int column = 0; column < count; ++column) {
        const LPARAM width = MAKELPARAM(static_cast<WORD>(widths[column]), 0);
        if (!::SendMessageA(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width)) {
            return false;
        }
    }
    return true;
}

bool EditableListCtrl::GetColumnWidths(int* widths, int count) const {
    HWND header = ListView_GetHeader(list_);
    if (count < 0) {
        count = header != nullptr ? Header_GetItemCount(header) : 0;
    }
    if (count <= 0 || header == nullptr) {
        return false;
    }
    for (int column = 0; column < count; ++column) {
        widths[column] = ListView_GetColumnWidth(list_, column);
    }
    return true;
}

void EditableListCtrl::OnReflectedNotify(ReflectedMessage& reflected) {
    const auto* header = reinterpret_cast<const NMHDR*>(reflected.lParam);
    if (header == nullptr || header->hwndFrom != list_) {
        return;
    }
    if (header->code == static_cast<UINT>(NM_CLICK)) {
        const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(header);
        OnClick(click->iItem, click->iSubItem);
    } else if (header->code == static_cast<UINT>(LVN_ENDLABELEDITA)) {
        OnEndLabelEdit(reinterpret_cast<const NMLVDISPINFOA*>(header)->item);
    } else {
        return;
    }
    reflected.handled = true;
    reflected.result = 0;
}

// A second click on the item clicked before, once it is the only selection,
// edits the clicked cell; the first click only selects.
void EditableListCtrl::OnClick(int item, int subItem) {
    const LONG_PTR view = ::GetWindowLongPtrA(list_, GWL_STYLE) & LVS_TYPEMASK;
    if ((view == LVS_REPORT || view == LVS_LIST) && item >= 0 && item == lastClicked_ &&
        ListView_GetSelectedCount(list_) == 1 &&
        ListView_GetItemState(list_, item, LVIS_SELECTED) != 0) {
        if (::GetFocus() != list_) {
            ::SetFocus(list_);
        }
        const EditorDescriptor editor = choice_ != nullptr ? choice_(context_, item, subItem)
                                                           : EditorDescriptor{TextEditor, 0, 0, 0};
        if (editor.kind == TextEditor) {
            OpenTextEditor(item, subItem, editor.parameter);
        }
    }
    lastClicked_ = item;
}

bool EditableListCtrl::CellRect(int item, int subItem, RECT& rect) const {
    if (!ListView_EnsureVisible(list_, item, TRUE)) {
        return false;
    }
    RECT client{};
    ::GetClientRect(list_, &client);
    if (!ListView_GetSubItemRect(list_, item, subItem, LVIR_BOUNDS, &rect)) {
        return false;
    }
    // A cell scrolled partly out of view is brought to the left edge first.
    if (rect.left < 0 || rect.left > client.right) {
        ListView_Scroll(list_, rect.left, 0);
        if (!ListView_GetSubItemRect(list_, item, subItem, LVIR_BOUNDS, &rect)) {
            return false;
        }
    }
    // For sub-item 0 the bounds are those of the whole row.
    if (subItem == 0) {
        rect.right = rect.left + ListView_GetColumnWidth(list_, 0);
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
    if (::SendMessageA(list_, LVM_GETCOLUMNA, static_cast<WPARAM>(subItem),
                       reinterpret_cast<LPARAM>(&column))) {
        const int justify = column.fmt & LVCFMT_JUSTIFYMASK;
        alignment = justify == LVCFMT_RIGHT    ? ES_RIGHT
                    : justify == LVCFMT_CENTER ? ES_CENTER
                                               : ES_LEFT;
    }
    CellEdit::Open(list_, rect, item, subItem, alignment, maxLength);
}

bool EditableListCtrl::IsCallbackText(int item, int subItem) const {
    char buffer[2] = {};
    LVITEMA cell{};
    cell.mask = LVIF_TEXT | LVIF_NORECOMPUTE;
    cell.iItem = item;
    cell.iSubItem = subItem;
    cell.pszText = buffer;
    cell.cchTextMax = sizeof(buffer);
    ::SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&cell));
    return cell.pszText == LPSTR_TEXTCALLBACKA;
}

// The end of a cell edit, reflected back by the parent: a text supplied by the
// owner goes back to the owner, any other is stored in the list.
void EditableListCtrl::OnEndLabelEdit(const LVITEMA& cell) {
    if (cell.pszText == nullptr || cell.iItem < 0 || cell.iItem >= ListView_GetItemCount(list_)) {
        return;
    }
    if (IsCallbackText(cell.iItem, cell.iSubItem)) {
        const int id = ::GetDlgCtrlID(list_);
        NMLVDISPINFOA info{};
        info.hdr.hwndFrom = list_;
        info.hdr.idFrom = static_cast<UINT_PTR>(id);
        info.hdr.code = LVN_SETDISPINFOA;
        info.item.mask = LVIF_TEXT;
        info.item.iItem = cell.iItem;
        info.item.iSubItem = cell.iSubItem;
        info.item.pszText = cell.pszText;
        info.item.cchTextMax = cell.cchTextMax;
        ::SendMessageA(::GetParent(list_), WM_NOTIFY, static_cast<WPARAM>(id),
                       reinterpret_cast<LPARAM>(&info));
        return;
    }
    LVITEMA text{};
    text.iSubItem = cell.iSubItem;
    text.pszText = cell.pszText;
    ::SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(cell.iItem),
                   reinterpret_cast<LPARAM>(&text));
}

LRESULT CALLBACK EditableListCtrl::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<EditableListCtrl*>(data);
    if (message == ReflectedNotify) {
        try {
            self->OnReflectedNotify(*reinterpret_cast<ReflectedMessage*>(lParam));
        } catch (...) {
            // Only opening an editor can fail (out of memory); the list stays as it is.
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        self->Detach();
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

} // namespace zul::Windows
