#pragma once

#include "support/win32/ListView.h"
#include "support/win32/WindowObject.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace zul::Windows {

// The editors a list can open on a cell.
enum class EditorKind { None = 0, Text = 1 };

// What the owner of a list wants for a cell about to be edited.
struct EditorDescriptor {
    EditorKind kind = EditorKind::None;
    int parameter = 0; // text editor: maximum text length, 0 = unlimited
    int extra1 = 0;    // not used by the text editor
    int extra2 = 0;
};

// Given (context, item, sub-item), the editor for that cell.
using EditorChoice = EditorDescriptor (*)(void* context, int item, int subItem);
// Given (context, item, sub-item), the text an editor on that cell starts with.
using EditorText = std::string (*)(void* context, int item, int subItem);

// A report list view with full-row selection, grid lines on request, column
// widths as an int array and editing of single cells in place: a second click
// on the only selected item opens a CellEdit on the clicked column. The list's
// parent must reflect the list's WM_NOTIFY to it (ReflectNotify); the edited
// text then reaches the parent as LVN_SETDISPINFO when the owner supplies the
// cell's text (LPSTR_TEXTCALLBACK), or is stored in the list otherwise.
class EditableListCtrl : public WindowObject {
public:
    // Takes over an existing list view: report view without the system's own
    // label editing, extended style full-row selection alone.
    bool Attach(HWND list);
    void Detach() { Unsubclass(); }
    ListView List() const { return ListView(Handle()); }

    // text: where an editor's text comes from when the list shows something
    // else than the owner's text (a placeholder for an empty one); without
    // it, the editor starts with what the list shows.
    void SetEditorChoice(EditorChoice choice, void* context, EditorText text = nullptr);
    void SetGrid(bool on);
    // Widths of columns 0 .. count-1; stops at the first failure.
    bool SetColumnWidths(const int* widths, int count);
    // count < 0: as many columns as the header has (the array must hold them).
    bool GetColumnWidths(int* widths, int count) const;

    // Width of " ... " in the list's font, measured when attached.
    int ButtonWidth() const { return buttonWidth_; }
    int LastClickedItem() const { return lastClicked_; }

    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;
    // The notifications OnReflectedNotify handles: a click and the end of a
    // cell edit.
    static bool HandlesNotification(UINT code) {
        return code == static_cast<UINT>(NM_CLICK) || code == static_cast<UINT>(LVN_ENDLABELEDITA);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnClick(int item, int subItem);
    void OnEndLabelEdit(const LVITEMA& cell);
    bool IsCallbackText(int item, int subItem) const;
    bool CellRect(int item, int subItem, RECT& rect) const;
    void OpenTextEditor(int item, int subItem, int maxLength);

    EditorChoice choice_ = nullptr;
    EditorText text_ = nullptr;
    void* context_ = nullptr;
    int buttonWidth_ = 0;
    int lastClicked_ = -1;
};

} // namespace zul::Windows
