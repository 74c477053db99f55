#include "support/win32/MessageDialog.h"

#include "support/win32/ApplicationHost.h"
#include "support/win32/ResourceText.h"

#include <cstring>

namespace zul::Windows {

namespace {

constexpr int StaticId = -1;
constexpr int HelpButtonId = IDHELP;

} // namespace

MessageDialog::MessageDialog(HWND owner, std::string text, std::string caption, MessageKind kind)
    : Dialog(0, owner), text_(std::move(text)), caption_(std::move(caption)), kind_(kind) {
    AddCommand({HelpButtonId, [this] { RequestHelp(); }});
    const bool error = kind == MessageKind::Error;
    icon_ = ::LoadIconA(nullptr, error ? IDI_HAND : IDI_EXCLAMATION);
    sound_ = error ? MB_ICONHAND : MB_ICONEXCLAMATION;

    // The header, then the empty menu, class and title: 260 x 70 units, no
    // controls, no font of its own.
    description_.assign(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    DLGTEMPLATE header{};
    header.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    header.cx = 260;
    header.cy = 70;
    std::memcpy(description_.data(), &header, sizeof(header));
    SetTemplate(reinterpret_cast<const DLGTEMPLATE*>(description_.data()));
}

HWND MessageDialog::CreateChild(const char* className, const char* text, DWORD style, int id,
                                RECT units) {
    ::MapDialogRect(window_, &units); // right and bottom hold the size here
    HWND child = ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, units.left,
                                   units.top, units.right, units.bottom, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(child, WM_SETFONT, ::SendMessageA(window_, WM_GETFONT, 0, 0), FALSE);
    return child;
}

bool MessageDialog::OnInitDialog() {
    SetText(caption_);

    // Centred over the owner, or over the screen's work area without one.
    RECT box = WindowRect();
    RECT area{};
    HWND owner = ::GetWindow(window_, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    ::SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    HWND iconStatic = CreateChild("STATIC", nullptr, SS_ICON, StaticId, RECT{7, 7, 0, 0});
    ::SendMessageA(iconStatic, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    CreateChild("STATIC", text_.c_str(), SS_LEFT | SS_NOPREFIX, StaticId, RECT{35, 7, 218, 42});

    const std::string closeText = LoadResourceText(ApplicationHost::CurrentResources().closeButton);
    HWND close = CreateChild("BUTTON", closeText.c_str(), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
                             RECT{7, 49, 50, 14});
    if (handler_ != nullptr) {
        const std::string helpText = LoadResourceText(ApplicationHost::CurrentResources().helpButton);
        CreateChild("BUTTON", helpText.c_str(), BS_PUSHBUTTON | WS_TABSTOP, HelpButtonId,
                    RECT{203, 49, 50, 14});
    }
    if (beep_) {
        ::MessageBeep(sound_);
    }
    ::SetFocus(close);
    return false; // the focus is set
}

bool MessageDialog::TranslateKeys(MSG& message) {
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
        message.wParam == VK_F1) {
        RequestHelp(); // does nothing without a handler; F1 is consumed in any case
        return true;
    }
    return Dialog::TranslateKeys(message);
}

bool MessageDialog::OnHelp(HELPINFO&) {
    return true; // the system's help message: consumed, F1 is handled above
}

void MessageDialog::RequestHelp() {
    if (handler_ != nullptr) {
        handler_(HelpRequest::Help, userValue_, context_, this);
    }
}

void MessageDialog::OnDestroy() {
    if (handler_ != nullptr) {
        handler_(HelpRequest::Destroyed, userValue_, context_, this);
    }
}

} // namespace zul::Windows
