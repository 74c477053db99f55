#include "core/win32/SavePromptDialog.h"

#include "resources/resource.h"

namespace kolvane {

SavePromptDialog::SavePromptDialog(HWND parent) : Dialog(IDD_SAVE_PROMPT, parent) {
    AddCommand({IDNO, [this] { EndModal(IDNO); }});
}

bool SavePromptDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    ::MessageBeep(MB_ICONEXCLAMATION);
    return true; // the focus goes to the default button "&Ja", the first control
}

} // namespace kolvane
