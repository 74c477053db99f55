#include "core/win32/SavePromptDialog.h"

#include "resources/resource.h"

namespace kolvane {

SavePromptDialog::SavePromptDialog(HWND parent) : Dialog(IDD_SAVE_PROMPT, parent) {}

bool SavePromptDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    ::MessageBeep(MB_ICONEXCLAMATION);
    return true; // the focus goes to the default button "&Ja", the first control
}

bool SavePromptDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDNO && code == BN_CLICKED) {
        EndModal(IDNO);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

} // namespace kolvane
