#include "core/win32/RecordListDialog.h"

#include "core/DocumentTitle.h"
#include "core/win32/SearchDialog.h"
#include "support/FormatText.h"
#include "support/PathName.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/CommandMenus.h"
#include "support/win32/ResourceText.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/WinApp.h"
#include "support/win32/WindowBatch.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kolvane {

using zul::Windows::CommandState;
using zul::Windows::SplitterBar;
using zul::Windows::WinApp;

namespace {

static_assert(sizeof(WINDOWPLACEMENT) == PlacementSize);

// No cell of these lists is edited in place unless the window says otherwise.
zul::Windows::EditorDescriptor NoCellEditor(void*, int, int) {
    return {};
}

bool ReportToList(LRESULT& result) {
    result = 0;
    return true;
}

RECT ToRect(const PixelRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// Pixels at the screen's resolution for a length given at 96 dots per inch.
int ScaledForScreen(int pixelsAt96) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen != nullptr)
        ::ReleaseDC(nullptr, screen);
    return ::MulDiv(pixelsAt96, dpi > 0 ? dpi : 96, 96);
}

// The default window size was chosen at 96 dots per inch, like the column
// widths: at a higher resolution the window grows with what it holds, so that
// the columns and the side pane fit it on the first start.
void ScaleSizeForScreen(unsigned char (&placement)[PlacementSize]) {
    WINDOWPLACEMENT place{};
    std::memcpy(&place, placement, sizeof(place));
    RECT& normal = place.rcNormalPosition;
    normal.right = normal.left + ScaledForScreen(normal.right - normal.left);
    normal.bottom = normal.top + ScaledForScreen(normal.bottom - normal.top);
    std::memcpy(placement, &place, sizeof(place));
}

// Setting a text puts an edit back to its first line and costs a repaint:
// only a new text is set.
void ShowText(zul::Windows::Window& edit, const std::string& text) {
    if (edit.GetText() != text)
        edit.SetText(text);
}

} // namespace

RecordListDialog::RecordListDialog(std::string sectionName, UINT templateId, UINT acceleratorsId,
                                   HWND parent)
    : AppDialog(IDI_APP, acceleratorsId, templateId, parent, Sizing::Resizable),
      sectionName_(std::move(sectionName)), document_(*this), view_(document_.Content()) {
    using zul::Windows::CommandState;
    AddCommands({
        {IDM_SELECT_ALL,
         [this] {
             view_.SelectAll(true);
             RefreshAll();
         },
         [this] {
             return CommandState{view_.RowCount() > 0 && view_.SelectedCount() < view_.RowCount()};
         }},
        {IDM_SELECT_NONE,
         [this] {
             view_.SelectAll(false);
             RefreshAll();
         },
         [this] { return CommandState{view_.SelectedCount() > 0}; }},
        {IDM_SEARCH, [this] { OnSearch(); }, [this] { return CommandState{view_.RowCount() > 0}; }},
        {IDM_SEARCH_NEXT, [this] { OnSearchNext(); },
         [this] { return CommandState{view_.RowCount() > 0 && !lastSearchText_.empty()}; }},
        {IDM_SIDE_PANE, [this] { OnToggleSidePane(); },
         [this] { return CommandState{true, listSettings_.addInfo}; }},
        {IDM_SIDE_PANE_DEFAULT, [this] { OnSidePaneDefaultSize(); },
         [this] { return CommandState{listSettings_.addInfo}; }},
        {IDM_GRID, [this] { OnToggleGrid(); },
         [this] { return CommandState{true, listSettings_.grid}; }},
    });
}

int RecordListDialog::LoadFile(const std::string& path) {
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    zul::Windows::StatusLineProgress progress(Handle(), IDS_PROGRESS_LOAD);
    return view_.LoadNativeFile(path, reporter, &progress);
}

void RecordListDialog::UpdateTitle() {
    const WinApp* app = WinApp::Current();
    const std::string appName =
        app != nullptr ? app->AppName() : zul::Windows::LoadResourceText(IDS_APP_TITLE);
    SetText(DocumentTitle(view_.IsModified(), document_.FileName(), appName));
}

// ---------------------------------------------------------------- window

bool RecordListDialog::OnInitDialog() {
    AppDialog::OnInitDialog(); // measures the layout
    HoldLayout(true);
    SetUpWindow();
    HoldLayout(false);
    Relayout();
    return true;
}

void RecordListDialog::SetUpWindow() {
    statusFormat_ = zul::Windows::LoadResourceText(IDS_STATUS_FORMAT);
    list_.Attach(::GetDlgItem(Handle(), ListId));
    list_.SetEditorChoice(&NoCellEditor, nullptr);
    view_.Attach(list_.Handle());
    tracksEdit_.Attach(::GetDlgItem(Handle(), TracksId));
    notesEdit_.Attach(::GetDlgItem(Handle(), NotesId));
    BindItem(statusLine_, StatusId);

    const zul::Windows::LayoutMetrics& m = Metrics();
    splitterV_.Create(Handle(), SplitterVId, SplitterBar::Vertical, 0, m.gapX / 2);
    splitterH_.Create(Handle(), SplitterHId, SplitterBar::Horizontal, 0, m.gapY / 2);

    LoadSettings();
    ApplyGrid();
}

void RecordListDialog::OnDestroy() {
    SaveSettings();
    AppDialog::OnDestroy();
}

void RecordListDialog::MeasureLayout() {
    AppDialog::MeasureLayout();
    const zul::Windows::LayoutMetrics& m = Metrics();
    statusHeight_ = m.baseUnitY * 11 / 8;
    minEditHeight_ = 2 * m.buttonHeight;
}

RecordListMetrics RecordListDialog::CurrentMetrics() const {
    const zul::Windows::LayoutMetrics& m = Metrics();
    RecordListMetrics r;
    r.marginX = m.marginX;
    r.marginY = m.marginY;
    r.gapX = m.gapX;
    r.gapY = m.gapY;
    r.buttonWidth = m.buttonWidth;
    r.buttonHeight = m.buttonHeight;
    r.statusHeight = statusHeight_;
    r.minEditHeight = minEditHeight_;
    r.buttonRows = buttonRows_;
    r.splitterVHalf = splitterV_.HalfThickness();
    r.splitterHHalf = splitterH_.HalfThickness();
    return r;
}

void RecordListDialog::Layout(int width, int height) {
    AppDialog::Layout(width, height);
    if (!list_.Exists())
        return;
    const int w = Metrics().layoutWidth;
    const int h = Metrics().layoutHeight;
    const RecordListPlacement p =
        PlaceRecordList(CurrentMetrics(), w, h, listSettings_.addInfo, paneWidth_, notesHeight_);
    paneWidth_ = p.paneWidth;
    notesHeight_ = p.notesHeight;

    zul::Windows::WindowBatch batch(8);
    batch.Move(list_.Handle(), ToRect(p.list));
    batch.Move(statusLine_.Handle(), ToRect(p.status));
    if (!p.paneShown) {
        for (HWND pane : {tracksEdit_.Handle(), notesEdit_.Handle(), splitterV_.Handle(),
                          splitterH_.Handle()})
            batch.Hide(pane);
        return;
    }
    splitterV_.Place(ToRect(p.splitterVRange), p.splitterVPosition, &batch);
    splitterH_.Place(ToRect(p.splitterHRange), p.splitterHPosition, &batch);
    batch.Move(tracksEdit_.Handle(), ToRect(p.tracks));
    batch.Move(notesEdit_.Handle(), ToRect(p.notes));
}

void RecordListDialog::PlaceButton(zul::Windows::Window& button, int column, int row) {
    const PixelRect r = PlaceGridButton(CurrentMetrics(), Metrics().layoutWidth,
                                        Metrics().layoutHeight, column, row);
    button.Move(r.left, r.top, r.Width(), r.Height());
}

void RecordListDialog::UpdateInfoPane() {
    if (!listSettings_.addInfo)
        return;
    // The edits keep the entry itself, not its row, to write an edit back to.
    const std::size_t index = view_.EntryIndexAt(view_.FocusedPosition());
    const int entry = index < view_.Entries().size() ? static_cast<int>(index) : -1;
    const DiscEntry shown = view_.Focused();
    ShowText(tracksEdit_, shown.Tracks);
    ShowText(notesEdit_, shown.Notes);
    tracksEdit_.SetEntry(entry);
    notesEdit_.SetEntry(entry);
}

void RecordListDialog::UpdateStatusLine() {
    statusLine_.SetText(zul::FormatText(statusFormat_, view_.RowCount(), view_.SelectedCount()));
}

void RecordListDialog::RefreshAll() {
    UpdateTitle();
    UpdateCommandStates();
    UpdateInfoPane();
    UpdateStatusLine();
    Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void RecordListDialog::RequestRefresh() {
    if (refreshPending_)
        return;
    refreshPending_ = true;
    Post(RefreshMessage);
}

void RecordListDialog::ApplyGrid() {
    list_.SetGrid(listSettings_.grid);
}

void RecordListDialog::UpdateCommandStates() {
    zul::Windows::ApplyCommandStatesToWindow(Handle(), StateFunction());
}

void RecordListDialog::ShowContextMenu(UINT menuId, POINT screen) {
    SetMenuOpen(true);
    zul::Windows::TrackContextMenu(Handle(), menuId, screen, StateFunction());
    SetMenuOpen(false);
}

POINT RecordListDialog::ContextMenuPointForKeyboard() const {
    return zul::Windows::ListContextMenuPoint(list_.Handle());
}

// ---------------------------------------------------------------- settings

zul::SettingsStore* RecordListDialog::Settings() const {
    const WinApp* app = WinApp::Current();
    return app != nullptr ? app->Settings() : nullptr;
}

void RecordListDialog::ApplyPlacement(unsigned char (&placement)[PlacementSize]) {
    const bool hidden = keepHidden_ && !IsVisible();
    const int showCommand = RestorePlacement(placement, hidden);
    if (hidden)
        placedShowCommand_ = showCommand;
}

void RecordListDialog::ShowPlaced() {
    if (!IsVisible())
        ::ShowWindow(Handle(), placedShowCommand_);
}

bool RecordListDialog::ReadListSettings(RecordListSettings& settings) {
    for (int& width : settings.columns)
        width = ScaledForScreen(width);
    ScaleSizeForScreen(settings.placement);
    zul::SettingsStore* store = Settings();
    const bool read = store != nullptr && zul::ReadSection(*store, sectionName_, settings.Table());
    if (read)
        ApplyPlacement(settings.placement);

    list_.SetColumnWidths(settings.columns, CollectionView::ColumnCount);
    document_.SetWorkDir(settings.workDir);
    paneWidth_ = HorizontalUnitsToPixels(settings.infoMetric[0], Metrics().baseUnitX);
    notesHeight_ = VerticalUnitsToPixels(settings.infoMetric[1], Metrics().baseUnitY);
    SetListSwitches(settings);
    return read;
}

void RecordListDialog::SetListSwitches(const RecordListSettings& settings) {
    listSettings_ = settings;
    view_.SetDefaultSort(settings.defSortBy, settings.defSortUp ? 1 : 0);
    splitterV_.SetOutline(settings.dragDraw ? 0 : 1);
    splitterH_.SetOutline(settings.dragDraw ? 0 : 1);
}

void RecordListDialog::LoadSettings() {
    RecordListSettings settings;
    ReadListSettings(settings);
}

void RecordListDialog::SaveSettings() {
    if (zul::SettingsStore* store = Settings())
        zul::WriteSection(*store, sectionName_, CurrentListSettings().Table());
}

RecordListSettings RecordListDialog::CurrentListSettings() const {
    RecordListSettings settings = listSettings_;
    SavePlacement(settings.placement);
    list_.GetColumnWidths(settings.columns, CollectionView::ColumnCount);
    settings.workDir = document_.WorkDir();
    settings.defSortBy = view_.DefaultSortColumn();
    settings.defSortUp = view_.DefaultSortAscending() != 0;
    settings.infoMetric[0] = PixelsToHorizontalUnits(paneWidth_, Metrics().baseUnitX);
    settings.infoMetric[1] = PixelsToVerticalUnits(notesHeight_, Metrics().baseUnitY);
    settings.dragDraw = splitterV_.Outline() == 0;
    return settings;
}

// ---------------------------------------------------------------- commands

void RecordListDialog::OnSearch() {
    if (view_.RowCount() == 0)
        return;
    SearchDialog dialog(Handle());
    dialog.SetSearchText(lastSearchText_);
    dialog.SetDownwards(lastSearchDown_);
    if (WinApp::Current()->RunModal(dialog) != IDOK)
        return;
    lastSearchText_ = dialog.SearchText();
    lastSearchDown_ = dialog.Downwards();
    if (!lastSearchText_.empty())
        view_.FindNext(lastSearchText_, lastSearchDown_);
    RefreshAll();
}

void RecordListDialog::OnSearchNext() {
    if (view_.RowCount() == 0 || lastSearchText_.empty())
        return;
    view_.FindNext(lastSearchText_, lastSearchDown_);
    RefreshAll();
}

void RecordListDialog::OnToggleSidePane() {
    listSettings_.addInfo = !listSettings_.addInfo;
    RefreshAll();
    Relayout();
}

void RecordListDialog::OnSidePaneDefaultSize() {
    paneWidth_ = HorizontalUnitsToPixels(DefaultInfoMetric[0], Metrics().baseUnitX);
    notesHeight_ = VerticalUnitsToPixels(DefaultInfoMetric[1], Metrics().baseUnitY);
    Relayout();
}

void RecordListDialog::OnToggleGrid() {
    listSettings_.grid = !listSettings_.grid;
    ApplyGrid();
    UpdateCommandStates();
}

// ---------------------------------------------------------------- notifications

bool RecordListDialog::ReflectsNotification(const NMHDR& header) const {
    return header.hwndFrom != list_.Handle() ||
           zul::Windows::EditableListCtrl::HandlesNotification(header.code);
}

bool RecordListDialog::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id != ListId || header.hwndFrom != list_.Handle())
        return AppDialog::OnNotify(id, header, result);
    switch (header.code) {
    case LVN_GETDISPINFOA:
        view_.SupplyCellText(reinterpret_cast<NMLVDISPINFOA&>(header));
        return ReportToList(result);
    case LVN_COLUMNCLICK:
        view_.SortColumnClicked(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
        return ReportToList(result);
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
        // A bulk change refreshes once at its end, through its caller; a
        // burst of changes by the user (Shift+End over many rows) once after.
        if (!view_.IsChangingInBulk())
            RequestRefresh();
        return ReportToList(result);
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
        result = view_.FindItem(reinterpret_cast<const NMLVFINDITEMA&>(header),
                                header.code == LVN_ODFINDITEMW);
        return true;
    case LVN_DELETEALLITEMS:
        // No LVN_DELETEITEM for each of them: nothing hangs on the items.
        result = TRUE;
        return true;
    default:
        return AppDialog::OnNotify(id, header, result);
    }
}

bool RecordListDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == RefreshMessage) {
        refreshPending_ = false;
        RefreshAll();
        result = 0;
        return true;
    }
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        HWND source = reinterpret_cast<HWND>(lParam);
        SplitterBar* bar = nullptr;
        if (message == WM_HSCROLL && source != nullptr && source == splitterV_.Handle())
            bar = &splitterV_;
        else if (message == WM_VSCROLL && source != nullptr && source == splitterH_.Handle())
            bar = &splitterH_;
        if (bar != nullptr) {
            OnSplitterMoved(*bar, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            result = 0;
            return true;
        }
    }
    return AppDialog::OnMessage(message, wParam, lParam, result);
}

void RecordListDialog::OnSplitterMoved(const SplitterBar& bar, int code, int position) {
    // With the outline drawn, the panes move once, at the end of the drag.
    if (code != SB_THUMBPOSITION && bar.Outline() != 0)
        return;
    if (&bar == &splitterV_)
        paneWidth_ = Metrics().layoutWidth - position;
    else
        notesHeight_ = Metrics().layoutHeight - position;
    Relayout();
}

} // namespace kolvane
