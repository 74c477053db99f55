#include "support/win32/SystemDialogs.h"

#include "support/DialogPath.h"
#include "support/FileSystem.h"
#include "support/win32/ApplicationHost.h"
#include "support/win32/CallbackGuard.h"
#include "support/win32/DebugTrace.h"

#include <vector>

namespace zul::Windows {

INT_PTR SystemDialog::ExecuteModal(HWND owner, const ModalHook& started) {
    for (;;) {
        answered_ = false;
        if (started) {
            started(*this);
        }
        if (!answered_) {
            return Show(owner);
        }
        if (TakesAnswer(answer_)) {
            return answer_;
        }
    }
}

FileDialog::FileDialog(Kind kind, const std::string& filter, const std::string& defaultExtension,
                       const std::string& fileName, DWORD flags)
    : kind_(kind), filter_(filter), defaultExtension_(defaultExtension), path_(fileName),
      initialName_(fileName), flags_(flags) {}

bool FileDialog::TakesAnswer(INT_PTR result) {
    if (result != IDOK || !pathCheck_ || pathCheck_(path_))
        return true;
    path_ = initialName_;
    return false;
}

namespace {

// The dialog object on the system dialog's window while the guard is in place.
constexpr char GuardProperty[] = "zul.FileDialog";

// A text the dialog hands out through one of its CDM_ messages; empty when it
// has none. A text longer than the buffer comes back as that many question
// marks: only its length counts then.
std::string DialogText(HWND window, UINT message) {
    std::vector<char> buffer(32768, '\0');
    const LRESULT length = ::SendMessageA(window, message, static_cast<WPARAM>(buffer.size()),
                                          reinterpret_cast<LPARAM>(buffer.data()));
    if (length <= 0)
        return {};
    if (static_cast<size_t>(length) > buffer.size())
        return std::string(static_cast<size_t>(length), '?');
    return std::string(buffer.data());
}

} // namespace

INT_PTR FileDialog::Show(HWND owner) {
    // The system wants the filter pairs separated by zero characters.
    std::string filter = filter_;
    for (char& c : filter) {
        if (c == '|') {
            c = '\0';
        }
    }
    filter.push_back('\0');
    // Long paths are allowed: the buffer is far above MAX_PATH.
    std::vector<char> file(32768, '\0');
    path_.copy(file.data(), file.size() - 1);

    OPENFILENAMEA data{};
    data.lStructSize = sizeof(data);
    data.hwndOwner = owner;
    data.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    data.nFilterIndex = 1;
    data.lpstrFile = file.data();
    data.nMaxFile = static_cast<DWORD>(file.size());
    // The dialog copies the folder into a MAX_PATH buffer as well and adds a
    // backslash and "*" there; a longer one (a stored setting, the folder of a
    // file named on the command line) starts it in the current folder instead.
    const bool folderFits = !initialFolder_.empty() && initialFolder_.size() + 2 < MAX_PATH;
    data.lpstrInitialDir = folderFits ? initialFolder_.c_str() : nullptr;
    data.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    data.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    // The hook only puts the guard on the dialog's OK command; sizing stays
    // on, which a hook would otherwise turn off.
    data.Flags = flags_ | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    data.lpfnHook = &FileDialog::HookProcedure;
    data.lCustData = reinterpret_cast<LPARAM>(this);
    const BOOL chosen = kind_ == Kind::Open ? ::GetOpenFileNameA(&data) : ::GetSaveFileNameA(&data);
    window_.Attach(nullptr);
    if (!chosen) {
        // Nothing to show for a failure of the dialog itself (our buffer is
        // far above what it can fill): like a cancel.
        if (const DWORD error = ::CommDlgExtendedError())
            DebugTrace("[zul::Windows::FileDialog::Show] CommDlgExtendedError=%lu\n", error);
        return IDCANCEL;
    }
    path_ = file.data();
    return IDOK;
}

UINT_PTR CALLBACK FileDialog::HookProcedure(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* data = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        reinterpret_cast<FileDialog*>(data->lCustData)->Guard(::GetParent(hook));
    }
    // The chosen path, complete with the default extension, before the
    // dialog closes: a refusal keeps it open.
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_FILEOK) {
        const OPENFILENAMEA* data = reinterpret_cast<const OFNOTIFYA*>(lParam)->lpOFN;
        auto* dialog = reinterpret_cast<FileDialog*>(data->lCustData);
        if (dialog->pathCheck_ &&
            !CallGuarded(false, [dialog, data] { return dialog->pathCheck_(data->lpstrFile); })) {
            ::SetWindowLongPtrA(hook, DWLP_MSGRESULT, 1);
            return 1;
        }
    }
    return 0; // the dialog's own handling for everything else
}

void FileDialog::Guard(HWND window) {
    // Classic subclassing of the system's window: the object hangs on it as a
    // property and leaves with the window.
    window_.Attach(window);
    ::SetPropA(window, GuardProperty, this);
    dialogProcedure_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FileDialog::GuardProcedure)));
}

LRESULT CALLBACK FileDialog::GuardProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* dialog = static_cast<FileDialog*>(::GetPropA(window, GuardProperty));
    const WNDPROC procedure = dialog->dialogProcedure_;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED &&
        !CallGuarded(false, [dialog] { return dialog->AcceptsName(); })) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
        ::RemovePropA(window, GuardProperty);
    }
    return ::CallWindowProcA(procedure, window, message, wParam, lParam);
}

bool FileDialog::AcceptsName() {
    const HWND window = window_.Handle();
    std::string folder = DialogText(window, CDM_GETFOLDERPATH);
    if (folder.empty()) {
        // The dialog's own fallback.
        char current[MAX_PATH] = {};
        ::GetCurrentDirectoryA(MAX_PATH, current);
        folder = current;
    }
    const std::string typed = DialogText(window, CDM_GETSPEC);
    if (DialogPath(folder, typed, defaultExtension_).size() <= MaxWritablePathLength)
        return true;
    // A message id comes only with an application object to show it.
    const FrameworkResources& ids = ApplicationHost::CurrentResources();
    const UINT message = kind_ == Kind::Open ? ids.openPathTooLong : ids.savePathTooLong;
    if (message != 0) {
        ApplicationHost::Current()->ShowNumberedError(message);
    } else {
        ::MessageBeep(MB_ICONHAND);
    }
    return false;
}

PrintDialog::PrintDialog() : data_{} {
    data_.lStructSize = sizeof(data_);
}

INT_PTR PrintDialog::Show(HWND owner) {
    data_.hwndOwner = owner;
    return ::PrintDlgA(&data_) ? IDOK : IDCANCEL;
}

INT_PTR SystemMessageBox::Show(HWND owner) {
    return ::MessageBoxA(owner, text_.c_str(), caption_.c_str(), type_);
}

} // namespace zul::Windows
