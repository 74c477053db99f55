#pragma once

#include "core/RecordListLayout.h"
#include "core/win32/CollectionView.h"
#include "support/SettingsStore.h"
#include "support/win32/AppDialog.h"
#include "support/win32/Controls.h"
#include "support/win32/EditableListCtrl.h"
#include "support/win32/MenuRef.h"
#include "support/win32/SplitterBar.h"

#include <windows.h>

#include <string>

namespace kolvane {

// The window of a collection, shared by the main window and the import
// window: the list of entries with its side pane (tracks and notes of the
// focused entry) and status line, the list commands both windows have, the
// document operations (new, load, save, save as) and the window's own
// settings section. A derived window adds its buttons, menu and commands and
// supplies UpdateCommandStates.
class RecordListDialog : public zul::Windows::AppDialog {
public:
    // Control ids of the window.
    static constexpr int ListId = 1000;
    static constexpr int TracksId = 1025;
    static constexpr int NotesId = 1027;
    static constexpr int StatusId = 1037;
    static constexpr int SplitterVId = 1049;
    static constexpr int SplitterHId = 1050;

    RecordListDialog(std::string sectionName, UINT templateId, UINT acceleratorsId,
                     HWND parent = nullptr);

    CollectionView& View() { return view_; }
    const CollectionView& View() const { return view_; }
    const std::string& SectionName() const { return sectionName_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& WorkDir() const { return workDir_; }
    void SetWorkDir(const std::string& directory) { workDir_ = directory; }
    bool ShowsAddInfo() const { return showAddInfo_; }
    bool ShowsGrid() const { return showGrid_; }
    int PaneWidth() const { return paneWidth_; }
    int NotesHeight() const { return notesHeight_; }
    int StatusHeight() const { return statusHeight_; }
    int MinEditHeight() const { return minEditHeight_; }
    int ButtonRows() const { return buttonRows_; }
    const std::string& LastSearchText() const { return lastSearchText_; }
    bool LastSearchDown() const { return lastSearchDown_; }
    // Display position of the entry the side pane shows, -1 for none.
    int InfoPaneRow() const { return infoPaneRow_; }
    zul::Windows::SplitterBar& SplitterV() { return splitterV_; }
    zul::Windows::SplitterBar& SplitterH() { return splitterH_; }
    zul::Windows::EditableListCtrl& ListControl() { return list_; }

    // The document. Results: 1 = done / go on, 0 = failed, cancelled, stop.
    int QuerySave();
    int NewCollection();
    // filter: pairs separated by "|"; empty = the native file filter.
    int LoadWithDialog(const std::string& filter = std::string());
    int OpenPath(const std::string& path);
    int Save();
    int SaveAs();
    void ClearDocument();

    // The operations a derived window replaces, in this order.
    virtual void PlaceButton(zul::Windows::Window& button, int column, int row);
    virtual void UpdateTitle();
    virtual void UpdateCommandStates() = 0;
    virtual void UpdateInfoPane();
    virtual void UpdateStatusLine();
    virtual void RefreshAll();
    virtual void ApplyGrid();
    virtual void LoadSettings();
    virtual void SaveSettings();
    virtual int LoadFile(const std::string& path);

    void MeasureLayout() override;
    void Layout(int width, int height) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

    // The command states of the list commands (select all, deselect, search,
    // search again, side pane, its default size, grid), as both windows have
    // them, switched in menu.
    void UpdateListCommandStates(const zul::Windows::MenuRef& menu) const;
    // The layout numbers of this window in pixels.
    RecordListMetrics CurrentMetrics() const;
    // The store of the window's settings: the application's; none without one.
    virtual zul::SettingsStore* Settings() const;

    void SetButtonRows(int rows) { buttonRows_ = rows; }
    void SetMenuOpen(bool open) { menuOpen_ = open; }
    bool IsMenuOpen() const { return menuOpen_; }

    void OnSearch();
    void OnSearchNext();
    void OnToggleSidePane();
    void OnSidePaneDefaultSize();
    void OnToggleGrid();

private:
    void OnSplitterMoved(const zul::Windows::SplitterBar& bar, int code, int position);
    void SetDefaultPaneSize();

    std::string sectionName_;
    CollectionView view_;
    int buttonRows_ = 0;
    int statusHeight_ = 0;
    int paneWidth_ = 0;
    int notesHeight_ = 0;
    int minEditHeight_ = 0;
    std::string statusFormat_;
    std::string fileName_;
    bool showAddInfo_ = true;
    bool showGrid_ = true;
    bool menuOpen_ = false;
    std::string workDir_ = ".\\";
    std::string lastSearchText_;
    bool lastSearchDown_ = true;
    zul::Windows::SplitterBar splitterV_;
    zul::Windows::SplitterBar splitterH_;
    zul::Windows::EditableListCtrl list_;
    zul::Windows::Edit tracksEdit_;
    zul::Windows::Edit notesEdit_;
    zul::Windows::Static statusLine_;
    int infoPaneRow_ = -1;
};

} // namespace kolvane
