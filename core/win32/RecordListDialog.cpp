#include "core/win32/RecordListDialog.h"

#include "core/DocumentTitle.h"
#include "core/win32/FileTypeTable.h"
#include "core/win32/SavePromptDialog.h"
#include "core/win32/SearchDialog.h"
#include "resources/resource.h"
#include "support/FormatText.h"
#include "support/PathName.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/ResourceText.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WinApp.h"

#include <cstring>
#include <utility>

namespace kolvane {

using zul::Windows::FileDialog;
using zul::Windows::SplitterBar;
using zul::Windows::WinApp;

namespace {

// The window placement a window without stored settings gets: normal, at
// (19, 32) - (761, 478).
constexpr unsigned char DefaultPlacement[44] = {
    0x2C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x13, 0x00,
    0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0xF9, 0x02, 0x00, 0x00, 0xDE, 0x01, 0x00, 0x00};
static_assert(sizeof(WINDOWPLACEMENT) == sizeof(DefaultPlacement));

constexpr int DefaultColumnWidths[CollectionView::ColumnCount] = {120, 150, 60, 70};
// Side pane width and notes height in dialog units.
constexpr int DefaultInfoMetric[2] = {160, 60};

// No cell of these lists is edited in place unless the window says otherwise.
zul::Windows::EditorDescriptor NoCellEditor(void*, int, int) {
    return {};
}

bool ReportToList(LRESULT& result) {
    result = 0;
    return true;
}

} // namespace

RecordListDialog::RecordListDialog(std::string sectionName, UINT templateId, UINT acceleratorsId,
                                   HWND parent)
    : AppDialog(IDI_APP, acceleratorsId, templateId, parent), sectionName_(std::move(sectionName)) {
}

// ---------------------------------------------------------------- document

int RecordListDialog::QuerySave() {
    if (!view_.IsModified())
        return 1;
    SavePromptDialog prompt(Handle());
    const INT_PTR answer = WinApp::Current()->RunModal(prompt);
    if (answer == IDOK)
        return Save();
    if (answer == IDNO) {
        // The changes go now, even if the caller stops later on.
        ClearDocument();
        return 1;
    }
    return 0;
}

int RecordListDialog::NewCollection() {
    const int result = QuerySave();
    if (result == 1)
        ClearDocument();
    return result;
}

void RecordListDialog::ClearDocument() {
    view_.Clear();
    fileName_.clear();
    RefreshAll();
}

int RecordListDialog::LoadWithDialog(const std::string& filter) {
    const int goOn = QuerySave();
    if (goOn != 1)
        return goOn;
    const FileTypeTable& types = FileTypeTable::Shared();
    FileDialog dialog(
        FileDialog::Kind::Open, filter.empty() ? types.Filter(FileKind::Native) : filter,
        std::string(), std::string(),
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_READONLY);
    dialog.SetInitialFolder(workDir_);
    if (WinApp::Current()->RunModal(dialog) != IDOK)
        return 0;
    return OpenPath(dialog.Path());
}

int RecordListDialog::OpenPath(const std::string& path) {
    const zul::PathName parts(zul::PathName(path).FullPath());
    workDir_ = parts.GetDrive() + parts.GetFolder();
    fileName_ = parts.GetBaseName() + parts.GetExtension();
    const int result = LoadFile(workDir_ + fileName_);
    if (result != 1)
        fileName_.clear();
    RefreshAll();
    return result;
}

int RecordListDialog::LoadFile(const std::string& path) {
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    return view_.LoadNativeFile(path, reporter);
}

int RecordListDialog::Save() {
    if (fileName_.empty())
        return SaveAs();
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    const int result = view_.SaveNativeFile(workDir_ + fileName_, reporter);
    RefreshAll();
    return result;
}

int RecordListDialog::SaveAs() {
    const FileTypeTable::FileType& native = FileTypeTable::Shared().Get(FileKind::Native);
    FileDialog dialog(FileDialog::Kind::Save, native.filter, native.defaultExtension, fileName_,
                      OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                          OFN_NOREADONLYRETURN);
    dialog.SetInitialFolder(workDir_);
    int result = 0;
    if (WinApp::Current()->RunModal(dialog) == IDOK) {
        // The new name stays even when writing fails; the collection then
        // stays modified.
        const zul::PathName parts(dialog.Path());
        workDir_ = parts.GetDrive() + parts.GetFolder();
        fileName_ = parts.GetBaseName() + parts.GetExtension();
        zul::Windows::AppMessageReporter reporter(*WinApp::Current());
        result = view_.SaveNativeFile(workDir_ + fileName_, reporter);
    }
    RefreshAll();
    return result;
}

void RecordListDialog::UpdateTitle() {
    const WinApp* app = WinApp::Current();
    const std::string appName =
        app != nullptr ? app->AppName() : zul::Windows::LoadResourceText(IDS_APP_TITLE);
    SetText(DocumentTitle(view_.IsModified(), fileName_, appName));
}

// ---------------------------------------------------------------- window

bool RecordListDialog::OnInitDialog() {
    AppDialog::OnInitDialog(); // measures the layout
    statusFormat_ = zul::Windows::LoadResourceText(IDS_STATUS_FORMAT);
    list_.Attach(::GetDlgItem(Handle(), ListId));
    list_.SetEditorChoice(&NoCellEditor, nullptr);
    view_.Attach(list_.Handle());
    BindItem(tracksEdit_, TracksId);
    BindItem(notesEdit_, NotesId);
    BindItem(statusLine_, StatusId);

    const zul::Windows::LayoutMetrics& m = Metrics();
    splitterV_.Create(Handle(), SplitterVId, SplitterBar::Vertical, 0, m.gapX / 2);
    splitterH_.Create(Handle(), SplitterHId, SplitterBar::Horizontal, 0, m.gapY / 2);

    LoadSettings();
    ApplyGrid();
    Relayout();
    return true;
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
    if (list_.Handle() == nullptr || !::IsWindow(list_.Handle()))
        return;
    const int w = Metrics().layoutWidth;
    const int h = Metrics().layoutHeight;
    const RecordListPlacement p =
        PlaceRecordList(CurrentMetrics(), w, h, showAddInfo_, paneWidth_, notesHeight_);
    paneWidth_ = p.paneWidth;
    notesHeight_ = p.notesHeight;

    auto place = [](HWND window, const PixelRect& r) {
        ::MoveWindow(window, r.left, r.top, r.Width(), r.Height(), TRUE);
    };
    place(list_.Handle(), p.list);
    place(statusLine_.Handle(), p.status);
    if (!p.paneShown) {
        tracksEdit_.Show(SW_HIDE);
        notesEdit_.Show(SW_HIDE);
        ::ShowWindow(splitterV_.Handle(), SW_HIDE);
        ::ShowWindow(splitterH_.Handle(), SW_HIDE);
        return;
    }
    tracksEdit_.Show(SW_SHOW);
    notesEdit_.Show(SW_SHOW);
    ::ShowWindow(splitterV_.Handle(), SW_SHOW);
    ::ShowWindow(splitterH_.Handle(), SW_SHOW);

    const auto toRect = [](const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; };
    const RECT rangeV = toRect(p.splitterVRange);
    const RECT rangeH = toRect(p.splitterHRange);
    splitterV_.SetRange(&rangeV);
    splitterV_.SetPosition(p.splitterVPosition);
    splitterH_.SetRange(&rangeH);
    splitterH_.SetPosition(p.splitterHPosition);
    place(tracksEdit_.Handle(), p.tracks);
    place(notesEdit_.Handle(), p.notes);
}

void RecordListDialog::PlaceButton(zul::Windows::Window& button, int column, int row) {
    const PixelRect r = PlaceGridButton(CurrentMetrics(), Metrics().layoutWidth,
                                        Metrics().layoutHeight, column, row);
    button.Move(r.left, r.top, r.Width(), r.Height());
}

void RecordListDialog::SetDefaultPaneSize() {
    paneWidth_ = HorizontalUnitsToPixels(DefaultInfoMetric[0], Metrics().baseUnitX);
    notesHeight_ = VerticalUnitsToPixels(DefaultInfoMetric[1], Metrics().baseUnitY);
}

void RecordListDialog::UpdateInfoPane() {
    if (!showAddInfo_)
        return;
    infoPaneRow_ = view_.FocusedPosition();
    const DiscEntry entry = view_.Focused();
    tracksEdit_.SetText(entry.Tracks);
    notesEdit_.SetText(entry.Notes);
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

void RecordListDialog::ApplyGrid() {
    list_.SetGrid(showGrid_);
}

void RecordListDialog::UpdateListCommandStates(const zul::Windows::MenuRef& menu) const {
    const int items = view_.RowCount();
    const int selected = view_.SelectedCount();
    menu.EnableByCommand(IDM_SELECT_ALL, items > 0 && selected < items);
    menu.EnableByCommand(IDM_SELECT_NONE, selected > 0);
    menu.EnableByCommand(IDM_SEARCH, items > 0);
    menu.EnableByCommand(IDM_SEARCH_NEXT, items > 0 && !lastSearchText_.empty());
    menu.CheckByCommand(IDM_SIDE_PANE, showAddInfo_);
    menu.EnableByCommand(IDM_SIDE_PANE_DEFAULT, showAddInfo_);
    menu.CheckByCommand(IDM_GRID, showGrid_);
}

// ---------------------------------------------------------------- settings

zul::SettingsStore* RecordListDialog::Settings() const {
    const WinApp* app = WinApp::Current();
    return app != nullptr ? app->Settings() : nullptr;
}

void RecordListDialog::LoadSettings() {
    // What a window without stored settings keeps.
    int widths[CollectionView::ColumnCount];
    std::memcpy(widths, DefaultColumnWidths, sizeof(widths));
    int infoMetric[2] = {DefaultInfoMetric[0], DefaultInfoMetric[1]};
    bool dragDraw = true;
    bool addInfo = true;
    bool grid = true;
    std::string workDir = ".";
    int sortColumn = -1;
    bool sortUp = true;

    zul::SettingsStore* store = Settings();
    if (store != nullptr && store->OpenSection(sectionName_)) {
        WINDOWPLACEMENT placement{};
        store->GetBinary("Placement", sizeof(placement), DefaultPlacement,
                         reinterpret_cast<unsigned char*>(&placement));
        ::SetWindowPlacement(Handle(), &placement);
        store->GetIntList("Columns", CollectionView::ColumnCount, DefaultColumnWidths, widths);
        addInfo = store->GetBool("AddInfo", true);
        grid = store->GetBool("Grid", true);
        workDir = store->GetString("WorkDir", ".");
        sortColumn = store->GetInt("DefSortBy", -1);
        sortUp = store->GetBool("DefSortUp", true);
        store->GetIntList("InfoMetric", 2, DefaultInfoMetric, infoMetric);
        dragDraw = store->GetBool("DragDraw", true);
        store->CloseSection();
    }

    list_.SetColumnWidths(widths, CollectionView::ColumnCount);
    showAddInfo_ = addInfo;
    showGrid_ = grid;
    workDir_ = zul::WithTrailingBackslash(std::move(workDir));
    view_.SetDefaultSort(sortColumn, sortUp ? 1 : 0);
    paneWidth_ = HorizontalUnitsToPixels(infoMetric[0], Metrics().baseUnitX);
    notesHeight_ = VerticalUnitsToPixels(infoMetric[1], Metrics().baseUnitY);
    splitterV_.SetOutline(dragDraw ? 0 : 1);
    splitterH_.SetOutline(dragDraw ? 0 : 1);
}

void RecordListDialog::SaveSettings() {
    zul::SettingsStore* store = Settings();
    if (store == nullptr || !store->OpenSection(sectionName_))
        return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(Handle(), &placement);
    placement.length = sizeof(placement);
    store->PutBinary("Placement", sizeof(placement),
                     reinterpret_cast<const unsigned char*>(&placement));
    int widths[CollectionView::ColumnCount];
    std::memcpy(widths, DefaultColumnWidths, sizeof(widths));
    list_.GetColumnWidths(widths, CollectionView::ColumnCount);
    store->PutIntList("Columns", CollectionView::ColumnCount, widths);
    store->PutBool("AddInfo", showAddInfo_);
    store->PutBool("Grid", showGrid_);
    store->PutString("WorkDir", workDir_);
    store->PutInt("DefSortBy", view_.DefaultSortColumn());
    store->PutBool("DefSortUp", view_.DefaultSortAscending() != 0);
    const int infoMetric[2] = {PixelsToHorizontalUnits(paneWidth_, Metrics().baseUnitX),
                               PixelsToVerticalUnits(notesHeight_, Metrics().baseUnitY)};
    store->PutIntList("InfoMetric", 2, infoMetric);
    store->PutBool("DragDraw", splitterV_.Outline() == 0);
    store->CloseSection();
}

// ---------------------------------------------------------------- commands

bool RecordListDialog::OnCommand(int id, int code, HWND control) {
    // Menus send code 0, accelerators 1; controls with these ids do not exist.
    if (code == 0 || code == 1) {
        switch (id) {
        case IDM_SELECT_ALL:
            view_.SelectAll(true);
            RefreshAll();
            return true;
        case IDM_SELECT_NONE:
            view_.SelectAll(false);
            RefreshAll();
            return true;
        case IDM_SEARCH:
            OnSearch();
            return true;
        case IDM_SEARCH_NEXT:
            OnSearchNext();
            return true;
        case IDM_SIDE_PANE:
            OnToggleSidePane();
            return true;
        case IDM_SIDE_PANE_DEFAULT:
            OnSidePaneDefaultSize();
            return true;
        case IDM_GRID:
            OnToggleGrid();
            return true;
        default:
            break;
        }
    }
    return AppDialog::OnCommand(id, code, control);
}

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
    showAddInfo_ = !showAddInfo_;
    RefreshAll();
    Relayout();
}

void RecordListDialog::OnSidePaneDefaultSize() {
    SetDefaultPaneSize();
    Relayout();
}

void RecordListDialog::OnToggleGrid() {
    showGrid_ = !showGrid_;
    ApplyGrid();
    UpdateCommandStates();
}

// ---------------------------------------------------------------- notifications

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
        // A bulk change refreshes once at its end, through its caller.
        if (!view_.IsChangingInBulk())
            RefreshAll();
        return ReportToList(result);
    default:
        return AppDialog::OnNotify(id, header, result);
    }
}

bool RecordListDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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
