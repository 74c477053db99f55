#pragma once

#include "resources/resource.h"
#include "support/win32/AppDialog.h"

#include <windows.h>

namespace kolvane {

// The values the settings dialog shows and hands back: the default sort and
// the switches of the main window and the import window.
struct SettingsValues {
    int sortColumn = -1; // -1 none, 0 artist, 1 title, 2 year, 3 disc id
    bool sortAscending = true;
    bool delChk = true;
    bool hotEdit = true;
    bool mainAddInfo = true;
    bool importAddInfo = true;
    bool dragDraw = true;
    bool mainGrid = true;
    bool importGrid = true;
    bool mainButtons = false;
};

// "Einstellungen": the caller fills the values, runs the dialog through
// WinApp::RunModal and, after OK, takes the values back.
class SettingsDialog : public zul::Windows::AppDialog {
public:
    explicit SettingsDialog(HWND parent = nullptr);

    SettingsValues& Values() { return values_; }
    const SettingsValues& Values() const { return values_; }

    // The check box of each switch.
    struct Switch {
        bool SettingsValues::*value;
        int checkBoxId;
    };
    static constexpr Switch Switches[] = {
        {&SettingsValues::delChk, IDC_SETTINGS_DEL_CHK},
        {&SettingsValues::hotEdit, IDC_SETTINGS_HOT_EDIT},
        {&SettingsValues::mainAddInfo, IDC_SETTINGS_MAIN_ADD_INFO},
        {&SettingsValues::importAddInfo, IDC_SETTINGS_IMPORT_ADD_INFO},
        {&SettingsValues::dragDraw, IDC_SETTINGS_DRAG_DRAW},
        {&SettingsValues::mainGrid, IDC_SETTINGS_MAIN_GRID},
        {&SettingsValues::importGrid, IDC_SETTINGS_IMPORT_GRID},
        {&SettingsValues::mainButtons, IDC_SETTINGS_MAIN_BUTTONS},
    };

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    // The direction means nothing without a sort column.
    void EnableDirection();

    SettingsValues values_;
};

} // namespace kolvane
