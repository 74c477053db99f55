#pragma once

#include "app/PrintCommand.h"
#include "core/win32/RecordListDialog.h"
#include "exchange/ExportFieldSet.h"
#include "exchange/ImportKind.h"
#include "exchange/MainWindowSettings.h"

#include <windows.h>

#include <string>

namespace kolvane {

// The program's only top-level window: the record list window of the
// current collection with the menu bar, the accelerators, the context menu,
// the optional button row and the commands that change entries.
class MainDialog : public RecordListDialog {
public:
    static constexpr int CloseButtonId = IDOK;
    static constexpr int HelpButtonId = IDC_HELP_BUTTON;

    explicit MainDialog(HWND parent = nullptr);

    bool ShowsButtons() const { return settings_.showButtons; }
    bool AsksBeforeDelete() const { return settings_.confirmDelete; }
    void SetAskBeforeDelete(bool ask) { settings_.confirmDelete = ask; }
    bool HotEditOn() const { return settings_.hotEdit; }
    const std::string& ExportDirKvd() const { return settings_.exportDirKvd; }
    const std::string& ExportDirCsv() const { return settings_.exportDirCsv; }
    const std::string& ExportDirIni() const { return settings_.exportDirIni; }
    ExportFieldSet ExportFields() const { return ExportFieldSet::FromByte(settings_.exportFields[0]); }
    void SetExportFields(ExportFieldSet fields) { settings_.exportFields[0] = fields.ToByte(); }

    void UpdateCommandStates() override;
    void LoadSettings() override;
    void SaveSettings() override;
    void MeasureLayout() override;
    void Layout(int width, int height) override;

    // The commands, also reached through WM_COMMAND.
    void OnInsert();
    void OnChange();
    void OnDelete();
    void OnToggleButtons();
    void OnExportCsv();
    void OnToggleHotEdit();
    void OnSettings();
    // Runs the import window of that kind and appends what it hands back.
    void OnImport(ImportKind kind);
    void OnListDoubleClick();
    void OnInfo();

    // The print command (Ctrl+P); tests put a recording device in.
    PrintCommand& Printing() { return print_; }

protected:
    void SetUpWindow() override;
    void OnCommandStarting(int id) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnContextMenu(HWND window, POINT screen) override;
    bool TranslateKeys(MSG& message) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Tracks or notes edited in place in the side pane.
    void OnSidePaneCommit(const HotEditCommit& commit);
    // A list cell edited in place.
    void OnCellEdited(const LVITEMA& cell);
    // Ends an edit in place that is open, as a click on the list would.
    void EndEditsInPlace();

    // The main window's own settings (showButtons starts on, see the constructor).
    MainWindowSettings settings_;
    zul::Windows::Window closeButton_;
    zul::Windows::Window helpButton_;
    PrintCommand print_;
};

} // namespace kolvane
