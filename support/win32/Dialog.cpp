#include "support/win32/Dialog.h"

#include "support/win32/ApplicationHost.h"
#include "support/win32/CallbackGuard.h"
#include "support/win32/WindowObject.h"

#include <cstring>
#include <vector>

namespace zul::Windows {

namespace {

// The dialog class of the system: only its windows have a DWLP_DLGPROC.
constexpr ULONG_PTR DialogClassAtom = 0x8002;

// Messages whose dialog-procedure result is the answer itself rather than the
// handled flag (with the answer in DWLP_MSGRESULT).
bool AnswersDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

// A template in memory without a font of its own would get the large system
// font; like the resource dialogs it gets 8-point "MS Sans Serif" instead.
// Only item-less templates are rewritten (the message box creates its controls
// itself); the items of others could not simply be moved.
std::vector<WORD> WithDialogFont(const DLGTEMPLATE& source) {
    static const wchar_t face[] = L"MS Sans Serif";
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3,
                            0); // header, menu, class, title
    DLGTEMPLATE header = source;
    header.style |= DS_SETFONT;
    std::memcpy(words.data(), &header, sizeof(header));
    words.push_back(8);
    for (wchar_t c : face) {
        words.push_back(static_cast<WORD>(c));
    }
    return words;
}

} // namespace

Dialog::Dialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {
    AddCommands({
        {IDOK, [this] { OnOK(); }},
        {IDCANCEL, [this] { OnCancel(); }},
    });
}

Dialog::~Dialog() {
    if (window_ != nullptr) {
        // Detach first: the window's last messages must not reach a half-destroyed object.
        ::SetWindowLongPtrA(window_, DWLP_USER, 0);
        HWND window = window_;
        window_ = nullptr;
        ::DestroyWindow(window);
    }
    if (ApplicationHost* host = ApplicationHost::Current()) {
        host->ForgetWindow(this);
    }
}

Dialog* Dialog::FromHandle(HWND window) {
    if (window == nullptr || ::GetClassLongPtrA(window, GCW_ATOM) != DialogClassAtom) {
        return nullptr;
    }
    if (::GetWindowLongPtrA(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&Procedure)) {
        return nullptr;
    }
    return reinterpret_cast<Dialog*>(::GetWindowLongPtrA(window, DWLP_USER));
}

bool Dialog::CreateWindowFor(HWND parent) {
    ended_ = false;
    result_ = IDCANCEL;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    HWND created = nullptr;
    if (memoryTemplate_ != nullptr) {
        if ((memoryTemplate_->style & DS_SETFONT) == 0 && memoryTemplate_->cdit == 0) {
            const std::vector<WORD> withFont = WithDialogFont(*memoryTemplate_);
            created = ::CreateDialogIndirectParamA(
                instance, reinterpret_cast<const DLGTEMPLATE*>(withFont.data()), parent, Procedure,
                self);
        } else {
            created =
                ::CreateDialogIndirectParamA(instance, memoryTemplate_, parent, Procedure, self);
        }
    } else {
        created =
            ::CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId_), parent, Procedure, self);
    }
    // WM_INITDIALOG has set window_ already; a failed creation leaves it null.
    return created != nullptr;
}

bool Dialog::Create(HWND parent) {
    if (window_ != nullptr) {
        return false;
    }
    modal_ = false;
    return CreateWindowFor(parent != nullptr ? parent : parent_);
}

INT_PTR Dialog::ExecuteModal(HWND owner, const ModalHook& started) {
    if (window_ != nullptr) {
        return -1; // already open
    }
    HWND parent = parent_ != nullptr ? parent_ : owner;
    HWND ownerRoot = parent != nullptr ? ::GetAncestor(parent, GA_ROOT) : nullptr;

    // The owner is disabled for the run and enabled again however it ends.
    struct OwnerLock {
        HWND window = nullptr;
        ~OwnerLock() {
            if (window != nullptr) {
                ::EnableWindow(window, TRUE);
            }
        }
    } lock;
    if (ownerRoot != nullptr && ::IsWindowEnabled(ownerRoot)) {
        ::EnableWindow(ownerRoot, FALSE);
        lock.window = ownerRoot;
    }

    modal_ = true;
    struct ModalFlag {
        bool& flag;
        ~ModalFlag() { flag = false; }
    } flag{modal_};
    if (!CreateWindowFor(parent)) {
        return -1;
    }
    struct WindowCloser {
        Dialog& dialog;
        HWND owner;
        ~WindowCloser() {
            if (dialog.window_ == nullptr) {
                return;
            }
            // Give the activation back to the owner before the dialog goes, as
            // the system's own dialog boxes do; otherwise another program's
            // window could become active.
            if (owner != nullptr) {
                ::EnableWindow(owner, TRUE);
                if (::GetActiveWindow() == dialog.window_) {
                    ::SetActiveWindow(owner);
                }
            }
            ::DestroyWindow(dialog.window_);
        }
    } closer{*this, lock.window};

    if (!ended_ && !IsVisible()) {
        ::ShowWindow(window_, SW_SHOWNORMAL);
    }
    RunLoop(started);
    return result_;
}

void Dialog::RunLoop(const ModalHook& started) {
    bool hookPending = static_cast<bool>(started);
    MSG message{};
    while (!ended_ && window_ != nullptr) {
        if (hookPending && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            hookPending = false;
            started(*this);
            continue;
        }
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is asked to quit: end this run and leave the request
            // for the loops further out.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            result_ = IDCANCEL;
            break;
        }
        if (got == -1) {
            result_ = IDCANCEL;
            break;
        }
        // The dialog the message's window belongs to translates it: this one,
        // or a modeless dialog open at the same time.
        Dialog* target = FromHandle(::GetAncestor(message.hwnd, GA_ROOT));
        const bool consumed = target != nullptr && CallGuarded(false, [&] {
                                  return target->PreTranslateMessage(message);
                              });
        if (!consumed) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

void Dialog::EndModal(INT_PTR result) {
    result_ = result;
    if (modal_) {
        ended_ = true;
        if (window_ != nullptr) {
            // Wakes the loop when the call came from a message sent to us while
            // GetMessage was waiting.
            ::PostMessageA(window_, WM_NULL, 0, 0);
        }
    } else if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

bool Dialog::PreTranslateMessage(MSG& message) {
    if (ControlClaimsKey(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
        return true;
    }
    return TranslateKeys(message);
}

bool Dialog::TranslateKeys(MSG& message) {
    return window_ != nullptr && ::IsDialogMessageA(window_, &message) != FALSE;
}

bool Dialog::IsItemChecked(int id) const {
    return ::IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void Dialog::SetItemChecked(int id, bool on) const {
    ::CheckDlgButton(window_, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::AddCommands(std::initializer_list<CommandRow> rows) {
    for (const CommandRow& row : rows) {
        AddCommand(row);
    }
}

void Dialog::AddCommand(const CommandRow& row) {
    for (CommandRow& known : commands_) {
        if (known.id == row.id) {
            known = row;
            return;
        }
    }
    commands_.push_back(row);
}

const Dialog::CommandRow* Dialog::FindCommand(int id) const {
    for (const CommandRow& row : commands_) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

CommandState Dialog::StateOf(int command) const {
    const CommandRow* row = FindCommand(command);
    return row != nullptr && row->state ? row->state() : CommandState{};
}

bool Dialog::RunCommand(int id, int code) {
    // Buttons and menus send code 0 (BN_CLICKED), accelerators 1.
    if (code != BN_CLICKED && code != 1) {
        return false;
    }
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) {
        return false;
    }
    OnCommandStarting(id);
    row->handler();
    return true;
}

bool Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog() ? TRUE : FALSE;
        return true;
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        const int id = LOWORD(wParam);
        // Menus and accelerators (no control) give a disabled command nothing.
        if (control == nullptr && !StateOf(id).enabled) {
            result = 0;
            return true;
        }
        LRESULT reflectedResult = 0;
        const bool reflected = control != nullptr && ::IsChild(window_, control) &&
                               ReflectCommand(control, HIWORD(wParam), reflectedResult);
        if (RunCommand(id, HIWORD(wParam)) || OnCommand(id, HIWORD(wParam), control)) {
            result = 0;
            return true;
        }
        result = reflectedResult;
        return reflected;
    }
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header == nullptr) {
            return false;
        }
        LRESULT reflectedResult = 0;
        const bool reflected = header->hwndFrom != nullptr && ReflectsNotification(*header) &&
                               ::IsChild(window_, header->hwndFrom) &&
                               ReflectNotify(*header, reflectedResult);
        LRESULT own = 0;
        if (OnNotify(static_cast<int>(header->idFrom), *header, own)) {
            result = own;
            return true;
        }
        result = reflectedResult;
        return reflected;
    }
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return false;
    case WM_SIZING:
        result = TRUE;
        return OnSizing(static_cast<UINT>(wParam), *reinterpret_cast<RECT*>(lParam));
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_CLOSE:
        return OnClose();
    case WM_DESTROY:
        OnDestroy();
        return false;
    case WM_CONTEXTMENU: {
        const POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        return OnContextMenu(reinterpret_cast<HWND>(wParam), screen);
    }
    case WM_HELP:
        result = TRUE;
        return OnHelp(*reinterpret_cast<HELPINFO*>(lParam));
    default:
        return OnMessage(message, wParam, lParam, result);
    }
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
    } else {
        self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    }
    if (self == nullptr) {
        return FALSE; // messages before WM_INITDIALOG, or after the object let go
    }
    LRESULT result = 0;
    const bool handled =
        CallGuarded(false, [&] { return self->Dispatch(message, wParam, lParam, result); });
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return FALSE;
    }
    if (!handled) {
        return message == WM_INITDIALOG ? TRUE : FALSE;
    }
    if (AnswersDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    if (::IsWindow(window)) {
        ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    }
    return TRUE;
}

} // namespace zul::Windows
