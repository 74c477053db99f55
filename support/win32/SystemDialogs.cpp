#include "support/win32/SystemDialogs.h"

#include <vector>

namespace zul::Windows {

INT_PTR SystemDialog::ExecuteModal(HWND owner, const ModalHook& started) {
    answered_ = false;
    if (started) {
        started(*this);
    }
    if (answered_) {
        return answer_;
    }
    return Show(owner);
}

FileDialog::FileDialog(Kind kind, const std::string& filter, const std::string& defaultExtension,
                       const std::string& fileName, DWORD flags)
    : kind_(kind), filter_(filter), defaultExtension_(defaultExtension), path_(fileName),
      flags_(flags) {}

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
    data.lpstrInitialDir = initialFolder_.empty() ? nullptr : initialFolder_.c_str();
    data.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    data.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    data.Flags = flags_;
    const BOOL chosen = kind_ == Kind::Open ? ::GetOpenFileNameA(&data) : ::GetSaveFileNameA(&data);
    if (!chosen) {
        return IDCANCEL;
    }
    path_ = file.data();
    return IDOK;
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
