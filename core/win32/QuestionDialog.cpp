#include "core/win32/QuestionDialog.h"

#include "resources/resource.h"
#include "support/win32/ResourceText.h"

namespace kolvane {

QuestionDialog::QuestionDialog(UINT captionId, UINT textId, Safe safe, HWND parent)
    : Dialog(IDD_QUESTION, parent), captionId_(captionId), textId_(textId), safe_(safe) {}

bool QuestionDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    SetText(zul::Windows::LoadResourceText(captionId_));
    SetItemText(IDC_QUESTION_TEXT, zul::Windows::LoadResourceText(textId_));
    ::MessageBeep(MB_ICONEXCLAMATION);
    // The safe answer becomes the default button and gets the focus.
    const int safeButton = safe_ == Safe::Yes ? IDOK : IDCANCEL;
    Send(DM_SETDEFID, static_cast<WPARAM>(safeButton));
    Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(safeButton).Handle()), TRUE);
    return false; // the focus is set
}

} // namespace kolvane
