#include "core/win32/HotEditCtrl.h"

namespace kolvane {

namespace {

bool ControlHeld() {
    return ::GetKeyState(VK_CONTROL) < 0;
}

} // namespace

bool HotEditCtrl::Attach(HWND edit) {
    if (!Subclass(edit))
        return false;
    Send(EM_SETREADONLY, TRUE);
    // Without a limit: the edit's own of some 30,000 characters would stop
    // typing into a longer text and cut a longer paste.
    Send(EM_SETLIMITTEXT, 0);
    return true;
}

bool HotEditCtrl::IsEditing() const {
    return (Style() & ES_READONLY) == 0;
}

bool HotEditCtrl::ClaimsKey(const MSG& message) const {
    if (message.message == WM_CHAR)
        return message.wParam == '\r' || message.wParam == '\n' || message.wParam == 0x1B ||
               ControlHeld();
    return message.wParam == VK_RETURN || message.wParam == VK_ESCAPE ||
           message.wParam == VK_DELETE || ControlHeld();
}

void HotEditCtrl::Commit() {
    const std::string text = GetText();
    HotEditCommit commit{};
    commit.header.hwndFrom = Handle();
    commit.header.idFrom = static_cast<UINT_PTR>(Id());
    commit.header.code = HotEditCommit::Code;
    commit.entry = entry_;
    commit.text = cancelled_ || text == begun_ ? nullptr : text.c_str();
    commit.length = static_cast<int>(text.size());
    Parent().Send(WM_NOTIFY, commit.header.idFrom, reinterpret_cast<LPARAM>(&commit));
}

LRESULT HotEditCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: {
        const LRESULT result = CallDefault(message, wParam, lParam);
        if (enabled_ && entry_ >= 0) {
            cancelled_ = false;
            begun_ = GetText();
            Send(EM_SETREADONLY, FALSE);
        }
        return result;
    }
    case WM_KILLFOCUS:
        if (IsEditing()) {
            if (entry_ >= 0)
                Commit();
            Send(EM_SETREADONLY, TRUE);
        }
        break;
    case WM_KEYDOWN:
        // Moving the focus away ends the edit (WM_KILLFOCUS).
        if (wParam == VK_ESCAPE) {
            cancelled_ = true;
            Parent().SetFocus();
            return 0;
        }
        if (wParam == VK_RETURN && ControlHeld()) {
            Parent().SetFocus();
            return 0;
        }
        break;
    case WM_CHAR:
        // The characters of Escape and Ctrl+Enter have done their work above.
        if (wParam == 0x1B || (wParam == '\n' && ControlHeld()))
            return 0;
        break;
    }
    return CallDefault(message, wParam, lParam);
}

} // namespace kolvane
