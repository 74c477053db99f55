#pragma once

#include "core/RecordListSettings.h"
#include "exchange/MainWindowSettings.h"
#include "resources/resource.h"
#include "support/win32/AppDialog.h"

#include <windows.h>

namespace kolvane {

// The settings the dialog shows and hands back, in the structs the windows
// keep them in: the main window's default sort (defSortBy -1 none, 0 artist,
// 1 title, 2 year, 3 disc id) and switches, and the import window's switches.
struct SettingsValues {
    RecordListSettings mainList;
    MainWindowSettings mainOwn;
    RecordListSettings importList;
};

// "Einstellungen": the caller fills the values, runs the dialog through
// WinApp::RunModal and, after OK, takes the values back.
class SettingsDialog : public zul::Windows::AppDialog {
public:
    explicit SettingsDialog(HWND parent = nullptr);

    SettingsValues& Values() { return values_; }
    const SettingsValues& Values() const { return values_; }

    // Each check box, bound to the struct member it shows and sets.
    struct Switch {
        bool& (*value)(SettingsValues&);
        int checkBoxId;
    };
    static constexpr Switch Switches[] = {
        {[](SettingsValues& v) -> bool& { return v.mainOwn.confirmDelete; }, IDC_SETTINGS_DEL_CHK},
        {[](SettingsValues& v) -> bool& { return v.mainOwn.hotEdit; }, IDC_SETTINGS_HOT_EDIT},
        {[](SettingsValues& v) -> bool& { return v.mainList.addInfo; }, IDC_SETTINGS_MAIN_ADD_INFO},
        {[](SettingsValues& v) -> bool& { return v.importList.addInfo; },
         IDC_SETTINGS_IMPORT_ADD_INFO},
        {[](SettingsValues& v) -> bool& { return v.mainList.dragDraw; }, IDC_SETTINGS_DRAG_DRAW},
        {[](SettingsValues& v) -> bool& { return v.mainList.grid; }, IDC_SETTINGS_MAIN_GRID},
        {[](SettingsValues& v) -> bool& { return v.importList.grid; }, IDC_SETTINGS_IMPORT_GRID},
        {[](SettingsValues& v) -> bool& { return v.mainOwn.showButtons; },
         IDC_SETTINGS_MAIN_BUTTONS},
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
