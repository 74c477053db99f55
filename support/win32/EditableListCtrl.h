#pragma once

#include "support/win32/Reflection.h"

#include <windows.h>
#include <commctrl.h>

namespace zul::Windows {

// What the owner of a list wants for a cell about to be edited.
struct EditorDescriptor {
    int kind = 0;      // 0: no editing, 1: text editor
    int parameter = 0; // text editor: maximum text length, 0 = unlimited
    int extra1 = 0;    // not used by the text editor
    int extra2 = 0;
};

// Given (context, item, sub-item), the editor for that cell.
using EditorChoice = EditorDescriptor (*)(void* context, int item, int subItem);

// A report list view with full-row selection, grid lines on request, column
// widths as an int array and editing of single cells in place: a second click
// on the only selected item opens a CellEdit on the clicked column. The list's
// parent must reflect the list's WM_NOTIFY to it (ReflectedNotify); the edited
// text then reaches the parent as LVN_SETDISPINFO when the owner supplies the
// cell's text (LPSTR_TEXTCALLBACK), or is stored in the list otherwise.
class EditableListCtrl {
public:
    static constexpr int NoEditor = 0;
    static constexpr int TextEditor = 1;

    EditableListCtrl() = default;
    EditableListCtrl(const EditableListCtrl&) = delete;
    EditableListCtrl& operator=(const EditableListCtrl&) = delete;
    ~EditableListCtrl() { Detach(); }

    // Takes over an existing list view: report view without the system's own
    // label editing, extended style full-row selection alone.
    bool Attach(HWND list);
    void Detach();
    HWND Handle() const { return list_; }

    void SetEditorChoice(EditorChoice choice, void* context);
    void SetGrid(bool on);
    // Widths of columns 0 .. count-1; stops at the first failure.
    bool SetColumnWidths(const int* widths, int count);
    // count < 0: as many columns as the header has (the array must hold them).
    bool GetColumnWidths(int* widths, int count) const;

    // Width of " ... " in the list's font, measured when attached.
    int ButtonWidth() const { return buttonWidth_; }
    int LastClickedItem() const { return lastClicked_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    void OnReflectedNotify(ReflectedMessage& reflected);
    void OnClick(int item, int subItem);
    void OnEndLabelEdit(const LVITEMA& cell);
    bool IsCallbackText(int item, int subItem) const;
    bool CellRect(int item, int subItem, RECT& rect) const;
    void OpenTextEditor(int item, int subItem, int maxLength);

    HWND list_ = nullptr;
    EditorChoice choice_ = nullptr;
    void* context_ = nullptr;
    int buttonWidth_ = 0;
    int lastClicked_ = -1;
};

} // namespace zul::Windows
