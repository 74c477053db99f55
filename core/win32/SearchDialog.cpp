#include "core/win32/SearchDialog.h"

#include "resources/HelpTopics.h"
#include "resources/resource.h"

namespace kolvane {

SearchDialog::SearchDialog(HWND parent) : AppDialog(0, IDR_ACCEL_DIALOG, IDD_SEARCH, parent) {
    SetHelpTopic(HelpTopicSearch);
}

bool SearchDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    SetItemText(IDC_SEARCH_TEXT, text_);
    SetItemChecked(IDC_SEARCH_DOWN, downwards_);
    SetItemChecked(IDC_SEARCH_UP, !downwards_);
    return true; // the focus goes to the first control that takes it, the edit
}

void SearchDialog::OnOK() {
    text_ = ItemText(IDC_SEARCH_TEXT);
    downwards_ = IsItemChecked(IDC_SEARCH_DOWN);
    EndModal(IDOK);
}

} // namespace kolvane
