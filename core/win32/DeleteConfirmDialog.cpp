#include "core/win32/DeleteConfirmDialog.h"

#include "resources/resource.h"
#include "support/FormatText.h"
#include "support/win32/ResourceText.h"

namespace kolvane {

DeleteConfirmDialog::DeleteConfirmDialog(int count, HWND parent)
    : Dialog(IDD_DELETE_CONFIRM, parent), count_(count) {}

bool DeleteConfirmDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    const std::string text =
        count_ == 1 ? zul::Windows::LoadResourceText(IDS_DELETE_ONE)
                    : zul::FormatText(zul::Windows::LoadResourceText(IDS_DELETE_MANY), count_);
    SetItemText(IDC_DELETE_TEXT, text);
    ::MessageBeep(MB_ICONEXCLAMATION);
    Item(IDCANCEL).SetFocus();
    return false; // the focus is set
}

} // namespace kolvane
