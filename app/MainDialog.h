#pragma once

#include "core/win32/RecordListDialog.h"
#include "support/win32/Controls.h"

#include <windows.h>

#include <string>

namespace kolvane {

// The program's only top-level window: the record list window of the
// current collection with the menu bar, the accelerators, the context menu,
// the optional button row and the commands that change entries.
class MainDialog : public RecordListDialog {
public:
    static constexpr int CloseButtonId = IDOK;
    static constexpr int HelpButtonId = 9;
    // The CSV export writes all fields but the disc id until the user chooses.
    static constexpr unsigned char DefaultExportFields = 0x3F & ~(1u << 3);

    explicit MainDialog(HWND parent = nullptr);

    bool ShowsButtons() const { return mainButtons_; }
    bool AsksBeforeDelete() const { return delChk_; }
    void SetAskBeforeDelete(bool ask) { delChk_ = ask; }
    bool HotEditOn() const { return hotEdit_; }
    const std::string& ExportDirKvd() const { return exportDirKvd_; }
    const std::string& ExportDirCsv() const { return exportDirCsv_; }
    const std::string& ExportDirIni() const { return exportDirIni_; }
    unsigned char ExportFieldSet() const { return exportFieldSet_; }

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
    void OnListDoubleClick();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override;
    void OnCancel() override;
    void OnHelpCommand() override;

public:
    bool PreTranslateMessage(MSG& message) override;

private:
    void ShowContextMenu(POINT screen);

    bool mainButtons_ = true;
    bool delChk_ = true;
    bool hotEdit_ = true;
    std::string exportDirKvd_;
    std::string exportDirCsv_;
    std::string exportDirIni_;
    unsigned char exportFieldSet_ = DefaultExportFields;
    zul::Windows::Window closeButton_;
    zul::Windows::Window helpButton_;
};

} // namespace kolvane
