#include "app/SettingsDialog.h"

#include "resources/HelpTopics.h"
#include "support/win32/Controls.h"
#include "support/win32/ResourceText.h"

#include <algorithm>

namespace kolvane {

using zul::Windows::ComboBox;

namespace {

// The entries of the sort box, at the sort column + 1.
constexpr UINT SortTexts[] = {IDS_SORT_NONE, IDS_SORT_ARTIST, IDS_SORT_TITLE, IDS_SORT_YEAR,
                              IDS_SORT_ID};

} // namespace

SettingsDialog::SettingsDialog(HWND parent)
    : AppDialog(0, IDR_ACCEL_DIALOG, IDD_SETTINGS, parent) {
    SetHelpTopic(HelpTopicSettings);
}

bool SettingsDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    int& sortColumn = values_.mainList.defSortBy;
    sortColumn = std::clamp(sortColumn, -1, 3);
    const ComboBox sortBy(::GetDlgItem(window_, IDC_SETTINGS_SORT_BY));
    for (UINT text : SortTexts)
        sortBy.AddString(zul::Windows::LoadResourceText(text).c_str());
    sortBy.SetSelection(sortColumn + 1);
    const ComboBox direction(::GetDlgItem(window_, IDC_SETTINGS_SORT_DIRECTION));
    direction.AddString(zul::Windows::LoadResourceText(IDS_SORT_ASCENDING).c_str());
    direction.AddString(zul::Windows::LoadResourceText(IDS_SORT_DESCENDING).c_str());
    direction.SetSelection(values_.mainList.defSortUp ? 0 : 1);
    EnableDirection();
    for (const Switch& s : Switches)
        SetItemChecked(s.checkBoxId, s.value(values_));
    ::SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(window_, IDOK)),
                   TRUE);
    return false;
}

void SettingsDialog::EnableDirection() {
    const ComboBox sortBy(::GetDlgItem(window_, IDC_SETTINGS_SORT_BY));
    Item(IDC_SETTINGS_SORT_DIRECTION).Enable(sortBy.Selection() != 0);
}

bool SettingsDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_SETTINGS_SORT_BY && code == CBN_SELCHANGE) {
        EnableDirection();
        return true;
    }
    return AppDialog::OnCommand(id, code, control);
}

void SettingsDialog::OnOK() {
    const ComboBox sortBy(::GetDlgItem(window_, IDC_SETTINGS_SORT_BY));
    const ComboBox direction(::GetDlgItem(window_, IDC_SETTINGS_SORT_DIRECTION));
    int& sortColumn = values_.mainList.defSortBy;
    sortColumn = std::clamp(sortBy.Selection() - 1, -1, 3);
    values_.mainList.defSortUp = sortColumn < 0 || direction.Selection() == 0;
    for (const Switch& s : Switches)
        s.value(values_) = IsItemChecked(s.checkBoxId);
    AppDialog::OnOK();
}

} // namespace kolvane
