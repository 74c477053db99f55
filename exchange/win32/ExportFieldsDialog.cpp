#include "exchange/win32/ExportFieldsDialog.h"

#include "resources/HelpTopics.h"

#include <algorithm>

namespace kolvane {

ExportFieldsDialog::ExportFieldsDialog(ExportFieldSet fields, HWND parent)
    : AppDialog(0, IDR_ACCEL_DIALOG, IDD_EXPORT_FIELDS, parent), fields_(fields) {
    SetHelpTopic(HelpTopicExportFields);
    for (int id : FieldBoxIds)
        AddCommand({id, [this] { Item(IDOK).Enable(AnyBoxTicked()); }});
}

bool ExportFieldsDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    for (int field = 0; field < DiscEntry::FieldCount; ++field)
        SetItemChecked(FieldBoxIds[field], fields_.Has(field));
    // OK starts enabled, also for a stored set without any field: the user
    // may confirm what was stored.
    Item(IDOK).SetFocus();
    return false; // the focus is set
}

void ExportFieldsDialog::OnOK() {
    // Enter on a check box sends OK even while the button is disabled; an
    // export without any field is not a choice.
    if (!Item(IDOK).IsEnabled()) {
        ::MessageBeep(MB_OK);
        return;
    }
    for (int field = 0; field < DiscEntry::FieldCount; ++field)
        fields_.Set(field, IsItemChecked(FieldBoxIds[field]));
    AppDialog::OnOK();
}

bool ExportFieldsDialog::AnyBoxTicked() const {
    return std::ranges::any_of(FieldBoxIds, [this](int id) { return IsItemChecked(id); });
}

} // namespace kolvane
