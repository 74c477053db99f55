#pragma once

#include "support/win32/Window.h"

#include <windows.h>

#include <string>

namespace zul::Windows {

// Thin wrappers of the standard controls: each member forwards one message.

class Edit : public Window {
public:
    using Window::Window;
    void SetSelection(int start, int end) const { Send(EM_SETSEL, start, end); }
    void SelectAll() const { SetSelection(0, -1); }
    void ReplaceSelection(const char* text, bool undoable = false) const {
        Send(EM_REPLACESEL, undoable ? TRUE : FALSE, reinterpret_cast<LPARAM>(text));
    }
    void SetReadOnly(bool on) const { Send(EM_SETREADONLY, on ? TRUE : FALSE); }
    void SetLimit(int characters) const { Send(EM_SETLIMITTEXT, characters); }
    int LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }
    bool IsModified() const { return Send(EM_GETMODIFY) != 0; }
    void SetModified(bool on) const { Send(EM_SETMODIFY, on ? TRUE : FALSE); }
};

class Button : public Window {
public:
    using Window::Window;
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool on) const { Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
    // A real click: the button sends its BN_CLICKED to the parent as for the mouse.
    void Click() const { Send(BM_CLICK); }
};

class Static : public Window {
public:
    using Window::Window;
    HICON SetIcon(HICON icon) const {
        return reinterpret_cast<HICON>(Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(Send(STM_GETICON)); }
};

class ComboBox : public Window {
public:
    using Window::Window;
    int AddString(const char* text) const {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    void Clear() const { Send(CB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetSelection(int index) const { Send(CB_SETCURSEL, index); }
    std::string ItemText(int index) const;
};

inline std::string ComboBox::ItemText(int index) const {
    const LRESULT length = Send(CB_GETLBTEXTLEN, index);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

} // namespace zul::Windows
