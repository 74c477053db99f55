#pragma once

#include "support/win32/WindowObject.h"

#include <windows.h>

#include <string>

namespace kolvane {

// What a HotEditCtrl tells its parent when an edit in place ends: WM_NOTIFY
// with the code HotEditCommit::Code and the control's id.
struct HotEditCommit {
    static constexpr UINT Code = 0x400;

    NMHDR header;
    int entry;        // index in the collection of the entry whose text the control showed
    // null when the edit was cancelled (Escape) or the text is as it was when
    // the edit began
    const char* text;
    int length;       // of the control's text, also when text is null
};

// An edit of the side pane (the focused entry's tracks or notes) that the
// user can edit in place: read-only until it gets the focus while enabled and
// showing an entry (entry >= 0); when it loses the focus it hands its text back
// (HotEditCommit), or nothing after Escape or when the text is as it began,
// and is read-only again.
//
// It names the entry by its index in the collection, not by its list row: a
// sort moves the entry to another row, and the text must still go back to it.
//
// Whenever it has the focus, also while read-only, it keeps the keys that
// would otherwise act on the entries: Enter (a new line), Delete and every
// Ctrl key go to the text; Escape and Ctrl+Enter end the edit. Insert and the
// other keys reach the window's accelerators as usual.
class HotEditCtrl : public zul::Windows::WindowObject {
public:
    // Takes over an edit of the dialog, which is read-only from the start.
    bool Attach(HWND edit);

    // The entry whose text the control shows, -1 for none.
    int Entry() const { return entry_; }
    void SetEntry(int entry) { entry_ = entry; }
    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool IsEditing() const;

    bool ClaimsKey(const MSG& message) const override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Commit();

    int entry_ = -1;
    // The text when the edit began. The control may not hold every byte of
    // the field it shows (a NUL byte ends it), so an unchanged text is
    // compared with this, never with the field.
    std::string begun_;
    bool cancelled_ = false;
    bool enabled_ = false;
};

} // namespace kolvane
