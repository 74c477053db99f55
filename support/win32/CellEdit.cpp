#include "support/win32/CellEdit.h"

#include "support/win32/TextExtent.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace zul::Windows {

namespace {

// The list answers with at most the buffer less one; a full buffer may mean
// a longer text, so ask again with a larger one.
std::string CellText(HWND list, int item, int subItem) {
    std::string text(256, '\0');
    for (;;) {
        LVITEMA cell{};
        cell.iSubItem = subItem;
        cell.pszText = text.data();
        cell.cchTextMax = static_cast<int>(text.size());
        const LRESULT length =
            ::SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
        if (length < static_cast<LRESULT>(text.size()) - 1 || text.size() >= (1u << 20)) {
            text.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
            return text;
        }
        text.assign(text.size() * 2, '\0');
    }
}

} // namespace

CellEdit::CellEdit(HWND list, int item, int subItem, std::string text)
    : list_(list), item_(item), subItem_(subItem), initialText_(std::move(text)) {}

HWND CellEdit::Open(HWND list, const RECT& rect, int item, int subItem, DWORD alignment,
                    int maxLength) {
    return Open(list, rect, item, subItem, alignment, maxLength, CellText(list, item, subItem));
}

HWND CellEdit::Open(HWND list, const RECT& rect, int item, int subItem, DWORD alignment,
                    int maxLength, std::string text) {
    auto* editor = new CellEdit(list, item, subItem, std::move(text));
    HWND window = ::CreateWindowExA(
        0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | alignment, rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, list,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId)), ::GetModuleHandleA(nullptr),
        nullptr);
    if (window == nullptr || !editor->Subclass(window)) {
        if (window != nullptr) {
            ::DestroyWindow(window);
        }
        delete editor;
        return nullptr;
    }
    ::SendMessageA(window, WM_SETFONT, ::SendMessageA(list, WM_GETFONT, 0, 0), FALSE);
    // 0 lifts the edit's own limit of some 30,000 characters: a field may be
    // longer, and a longer text typed or pasted must not be cut.
    ::SendMessageA(window, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(maxLength, 0)), 0);
    ::SetWindowTextA(window, editor->initialText_.c_str());
    ::SetFocus(window);
    ::SendMessageA(window, EM_SETSEL, 0, 0);
    return window;
}

bool CellEdit::ClaimsKey(const MSG& message) const {
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    if (message.message == WM_KEYDOWN) {
        return message.wParam == VK_RETURN || message.wParam == VK_ESCAPE ||
               message.wParam == VK_DELETE || control;
    }
    if (message.message == WM_CHAR) {
        return message.wParam == '\r' || message.wParam == 0x1B || control;
    }
    return false;
}

// Typing past the right edge widens the editor up to the list's right edge;
// from there on the edit scrolls its text as usual.
void CellEdit::Widen() {
    const int wanted = TextExtent(list_, GetText()).cx + 5;
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    ::MapWindowPoints(HWND_DESKTOP, list_, reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left;
    if (wanted <= width) {
        return;
    }
    RECT client{};
    ::GetClientRect(list_, &client);
    const int widened = std::min(wanted, static_cast<int>(client.right - rect.left));
    if (widened > width) {
        ::SetWindowPos(window_, nullptr, 0, 0, widened, rect.bottom - rect.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The parent hears of the result before the editor goes; whatever it does in
// answer may destroy the list and with it this object, so only copies are
// used once the notification is sent.
void CellEdit::EndEdit() {
    if (ending_) {
        return;
    }
    ending_ = true;
    HWND window = window_;
    HWND list = list_;
    std::string text = GetText();
    const int id = ::GetDlgCtrlID(list);
    NMLVDISPINFOA info{};
    info.hdr.hwndFrom = list;
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = LVN_ENDLABELEDITA;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = item_;
    info.item.iSubItem = subItem_;
    info.item.pszText = cancelled_ ? nullptr : text.data();
    info.item.cchTextMax = static_cast<int>(text.size()) + 1;
    ::SendMessageA(::GetParent(list), WM_NOTIFY, static_cast<WPARAM>(id),
                   reinterpret_cast<LPARAM>(&info));
    if (::IsWindow(window)) {
        ::DestroyWindow(window);
    }
}

LRESULT CellEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // The same keys for a plain dialog loop, which asks with this message.
        LRESULT code = CallDefault(message, wParam, lParam);
        if (lParam != 0 && ClaimsKey(*reinterpret_cast<const MSG*>(lParam))) {
            code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    case WM_KEYDOWN:
        // Moving the focus ends the edit and destroys this object.
        if (wParam == VK_ESCAPE) {
            cancelled_ = true;
            ::SetFocus(list_);
            return 0;
        }
        if (wParam == VK_RETURN) {
            ::SetFocus(list_);
            return 0;
        }
        break;
    case WM_CHAR: {
        if (wParam == '\r' || wParam == 0x1B) {
            return 0;
        }
        const LRESULT result = CallDefault(message, wParam, lParam);
        Widen();
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = CallDefault(message, wParam, lParam);
        EndEdit();
        return result;
    }
    }
    return CallDefault(message, wParam, lParam);
}

} // namespace zul::Windows
