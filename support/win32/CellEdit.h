#pragma once

#include "support/win32/WindowObject.h"

#include <windows.h>

#include <string>

namespace zul::Windows {

// The single-line editor a list opens over one of its cells. It belongs to no
// one but its window: when the editor loses the focus it hands its text to the
// list's parent as the list's LVN_ENDLABELEDIT notification (no text after
// Escape), destroys its window and, with it, itself.
class CellEdit : public WindowObject {
public:
    static constexpr int ControlId = 1;

    // Opens the editor on rect (list client coordinates) with the cell's
    // current text and the focus. alignment: ES_LEFT, ES_CENTER or ES_RIGHT;
    // maxLength 0: unlimited. Returns the editor's window, or none.
    static HWND Open(HWND list, const RECT& rect, int item, int subItem, DWORD alignment,
                     int maxLength);
    // The same with the text the editor starts with.
    static HWND Open(HWND list, const RECT& rect, int item, int subItem, DWORD alignment,
                     int maxLength, std::string text);

    // Enter, Escape, Delete and every Ctrl key belong to the editor.
    bool ClaimsKey(const MSG& message) const override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override { delete this; }

private:
    CellEdit(HWND list, int item, int subItem, std::string text);
    ~CellEdit() override = default;

    void Widen();
    void EndEdit();

    HWND list_;
    int item_;
    int subItem_;
    std::string initialText_;
    bool cancelled_ = false;
    bool ending_ = false;
};

} // namespace zul::Windows
