#pragma once

#include "core/RecordListLayout.h"
#include "core/RecordListSettings.h"
#include "core/win32/CollectionDocument.h"
#include "core/win32/CollectionView.h"
#include "core/win32/HotEditCtrl.h"
#include "resources/resource.h"
#include "support/SettingsStore.h"
#include "support/win32/AppDialog.h"
#include "support/win32/Controls.h"
#include "support/win32/EditableListCtrl.h"
#include "support/win32/SplitterBar.h"

#include <windows.h>

#include <string>

namespace kolvane {

// The window of a collection, shared by the main window and the import
// window: the list of entries with its side pane (tracks and notes of the
// focused entry) and status line, the list commands both windows have, the
// collection as a document (new, load, save, save as) and the window's own
// settings section. A derived window adds its buttons, menu and the rows of
// its own commands to the command table.
class RecordListDialog : public zul::Windows::AppDialog, private CollectionDocument::Host {
public:
    // Control ids of the window.
    static constexpr int ListId = IDC_RECORD_LIST;
    static constexpr int TracksId = IDC_TRACKS_EDIT;
    static constexpr int NotesId = IDC_NOTES_EDIT;
    static constexpr int StatusId = IDC_STATUS_LINE;
    static constexpr int SplitterVId = IDC_SPLITTER_V;
    static constexpr int SplitterHId = IDC_SPLITTER_H;
    // Posted to itself by a burst of list changes: one refresh for all of them.
    static constexpr UINT RefreshMessage = WM_APP + 0x101;

    RecordListDialog(std::string sectionName, UINT templateId, UINT acceleratorsId,
                     HWND parent = nullptr);

    CollectionView& View() { return view_; }
    const CollectionView& View() const { return view_; }
    CollectionDocument& Document() { return document_; }
    const CollectionDocument& Document() const { return document_; }
    const std::string& SectionName() const { return sectionName_; }
    bool ShowsSidePane() const { return listSettings_.addInfo; }
    bool ShowsGrid() const { return listSettings_.grid; }
    int PaneWidth() const { return paneWidth_; }
    int NotesHeight() const { return notesHeight_; }
    int StatusHeight() const { return statusHeight_; }
    int MinEditHeight() const { return minEditHeight_; }
    int ButtonRows() const { return buttonRows_; }
    const std::string& LastSearchText() const { return lastSearchText_; }
    bool LastSearchDown() const { return lastSearchDown_; }
    // Index in the collection of the entry the side pane shows, -1 for none.
    int SidePaneEntry() const { return tracksEdit_.Entry(); }
    zul::Windows::SplitterBar& SplitterV() { return splitterV_; }
    zul::Windows::SplitterBar& SplitterH() { return splitterH_; }
    zul::Windows::EditableListCtrl& ListControl() { return list_; }
    HotEditCtrl& TracksEdit() { return tracksEdit_; }
    HotEditCtrl& NotesEdit() { return notesEdit_; }

    // The operations a derived window replaces, in this order.
    virtual void PlaceButton(zul::Windows::Window& button, int column, int row);
    virtual void UpdateTitle();
    // The menu bar and the push buttons switched by StateOf.
    virtual void UpdateCommandStates();
    virtual void UpdateInfoPane();
    virtual void UpdateStatusLine();
    void RefreshAll() override;
    virtual void ApplyGrid();
    virtual void LoadSettings();
    virtual void SaveSettings();
    int LoadFile(const std::string& path) override;

    void MeasureLayout() override;
    void Layout(int width, int height) override;

protected:
    bool OnInitDialog() override;
    // Everything the window sets up before it is laid out for the first time:
    // the controls, the settings, and what a derived window adds. The layout
    // waits until all of it is done.
    virtual void SetUpWindow();
    bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
    // The list's notifications go to its control only when it handles them:
    // filling, sorting and selecting send one or two for every item.
    bool ReflectsNotification(const NMHDR& header) const override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

    // The layout numbers of this window in pixels.
    RecordListMetrics CurrentMetrics() const;
    // The store of the window's settings: the application's; none without one.
    virtual zul::SettingsStore* Settings() const;
    // Reads the section's record list keys into settings (its values are the
    // defaults) and applies them; false when the section cannot be opened.
    bool ReadListSettings(RecordListSettings& settings);
    // The record list keys as the window would write them now.
    RecordListSettings CurrentListSettings() const;
    // Takes the switches from settings (side pane, grid, default sort, live
    // resizing); the caller applies them (ApplyGrid, RefreshAll, Relayout).
    void SetListSwitches(const RecordListSettings& settings);

    void SetButtonRows(int rows) { buttonRows_ = rows; }
    void SetMenuOpen(bool open) { menuOpen_ = open; }
    bool IsMenuOpen() const { return menuOpen_; }
    // Shows a context menu (a menu resource's first drop-down) with the
    // window's command states, at a screen point; the window gets the choice.
    void ShowContextMenu(UINT menuId, POINT screen);
    // Where a context menu asked for by keyboard (Shift+F10, the menu key)
    // opens: at the focused row, else at the list's top left corner.
    POINT ContextMenuPointForKeyboard() const;
    // For a window that reads its source before the user sees it: the
    // placement from the settings is taken without showing the window, and
    // ShowPlaced shows it later in the placement's state (normal, maximised).
    void KeepHiddenUntilShown() { keepHidden_ = true; }
    void ShowPlaced();

    void OnSearch();
    void OnSearchNext();
    void OnToggleSidePane();
    void OnSidePaneDefaultSize();
    void OnToggleGrid();

private:
    HWND DocumentWindow() const override { return Handle(); }
    void CollectionReplaced() override { view_.FillList(); }
    void OnSplitterMoved(const zul::Windows::SplitterBar& bar, int code, int position);
    void ApplyPlacement(unsigned char (&placement)[PlacementSize]);
    void RequestRefresh();

    std::string sectionName_;
    CollectionDocument document_;
    CollectionView view_;
    int buttonRows_ = 0;
    int statusHeight_ = 0;
    int paneWidth_ = 0;
    int notesHeight_ = 0;
    int minEditHeight_ = 0;
    std::string statusFormat_;
    // The switches as the window applies them (side pane, grid), read from
    // here where they are used. The keys with an owner of their own
    // (placement, columns, work folder, sort, pane sizes, live resizing) are
    // taken from it by CurrentListSettings instead.
    RecordListSettings listSettings_;
    bool menuOpen_ = false;
    bool keepHidden_ = false;
    int placedShowCommand_ = SW_SHOWNORMAL;
    bool refreshPending_ = false;
    std::string lastSearchText_;
    bool lastSearchDown_ = true;
    zul::Windows::SplitterBar splitterV_;
    zul::Windows::SplitterBar splitterH_;
    zul::Windows::EditableListCtrl list_;
    HotEditCtrl tracksEdit_;
    HotEditCtrl notesEdit_;
    zul::Windows::Static statusLine_;
};

} // namespace kolvane
