#include "support/win32/AppDialog.h"

#include "support/win32/ApplicationHost.h"

namespace zul::Windows {

AppDialog::AppDialog(UINT iconId, UINT acceleratorsId, UINT templateId, HWND parent,
                     Sizing sizing)
    : ResizableDialog(templateId, parent) {
    if (const int help = ApplicationHost::CurrentResources().helpCommand; help != 0) {
        AddCommand({help, [this] { OnHelpCommand(); }});
    }
    SetResizable(sizing == Sizing::Resizable);
    if (iconId != 0) {
        SetIcon(iconId);
    }
    if (acceleratorsId != 0) {
        SetAccelerators(acceleratorsId);
    }
}

bool AppDialog::SetIcon(UINT iconId) {
    // Resource icons and accelerator tables belong to the module: shared,
    // nothing to free.
    icon_ = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId));
    if (icon_ != nullptr && initialised_ && window_ != nullptr) {
        Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    }
    return icon_ != nullptr;
}

bool AppDialog::SetAccelerators(UINT acceleratorsId) {
    accelerators_ =
        ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(acceleratorsId));
    return accelerators_ != nullptr;
}

bool AppDialog::OnInitDialog() {
    ResizableDialog::OnInitDialog();
    initialised_ = true;
    if (icon_ != nullptr) {
        Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    }
    return true;
}

namespace {

// A push button of the dialog that a key message goes to, or null.
HWND PushButtonFor(HWND dialog, const MSG& message) {
    if (message.hwnd == nullptr || !::IsChild(dialog, message.hwnd)) {
        return nullptr;
    }
    const LRESULT code = ::SendMessageA(message.hwnd, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0 ? message.hwnd : nullptr;
}

} // namespace

// Enter on a focused push button presses that button, before the accelerators:
// a window whose table gives Enter to a command on the list's entries means
// the list, not the button. A disabled button takes the key and does nothing.
bool AppDialog::TranslateKeys(MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
        ::GetKeyState(VK_CONTROL) >= 0) {
        if (HWND button = PushButtonFor(window_, message)) {
            if (::IsWindowEnabled(button)) {
                Send(WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
            }
            return true;
        }
    }
    if (accelerators_ != nullptr && window_ != nullptr &&
        ::TranslateAcceleratorA(window_, accelerators_, &message) != 0) {
        return true;
    }
    return ResizableDialog::TranslateKeys(message);
}

void AppDialog::OnHelpCommand() {
    if (ApplicationHost* host = ApplicationHost::Current()) {
        host->ShowHelp(helpTopic_);
    }
}

} // namespace zul::Windows
