#include "exchange/win32/M3uImportWindow.h"

#include "core/win32/FileTypeTable.h"
#include "exchange/M3uExtReader.h"
#include "exchange/SettingsSections.h"
#include "resources/HelpTopics.h"
#include "support/FormatText.h"
#include "support/PathName.h"
#include "support/SettingsTable.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/CommandMenus.h"
#include "support/win32/ResourceText.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"
#include "support/win32/WindowBatch.h"

#include <algorithm>
#include <cstring>

namespace kolvane {

using zul::Windows::CommandState;
using zul::Windows::WinApp;

namespace {

zul::SettingsStore* SettingsOfApp() {
    const WinApp* app = WinApp::Current();
    return app != nullptr ? app->Settings() : nullptr;
}

// Sets a flag for the life of a scope.
struct FlagWhile {
    explicit FlagWhile(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagWhile() { flag_ = false; }
    FlagWhile(const FlagWhile&) = delete;
    FlagWhile& operator=(const FlagWhile&) = delete;

private:
    bool& flag_;
};

} // namespace

M3uImportWindow::M3uImportWindow(HWND parent)
    : AppDialog(IDI_APP, IDR_ACCEL_M3U, IDD_M3U_IMPORT, parent, Sizing::Resizable) {
    SetHelpTopic(HelpTopicImportM3u);
    auto anySelected = [this] { return CommandState{list_.SelectedCount() > 0}; };
    AddCommands({
        {IDOK, [this] { OnOK(); }, anySelected},
        {IDM_SELECT_ALL, [this] { SelectAll(true); },
         [this] {
             return CommandState{list_.ItemCount() > 0 &&
                                 list_.SelectedCount() < list_.ItemCount()};
         }},
        {IDM_SELECT_NONE, [this] { SelectAll(false); }, anySelected},
        // The check box, and the menu item that switches it.
        {WithArtistsId, [this] { ShowTexts(); }},
        {IDM_M3U_WITH_ARTISTS,
         [this] {
             SetItemChecked(WithArtistsId, !WithArtists());
             ShowTexts();
         },
         [this] { return CommandState{true, WithArtists()}; }},
    });
}

// ---------------------------------------------------------------- opening

bool M3uImportWindow::OnInitDialog() {
    AppDialog::OnInitDialog(); // measures the layout
    HoldLayout(true);
    statusFormat_ = zul::Windows::LoadResourceText(IDS_STATUS_FORMAT);
    BindItem(list_, ListId);
    BindItem(statusLine_, StatusId);
    list_.SetExtendedStyle(list_.ExtendedStyle() | LVS_EX_FULLROWSELECT);
    char noText[] = "";
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = noText;
    list_.InsertColumn(0, column);
    LoadSettings();
    HoldLayout(false);
    Relayout();
    UpdateWindow();

    if (!OpenPlaylist()) {
        // Cancelled, or the reader has shown what went wrong: the window
        // goes at once.
        Post(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        return true;
    }
    return false; // the focus is on the list
}

bool M3uImportWindow::OpenPlaylist() {
    zul::Windows::FileDialog dialog(
        zul::Windows::FileDialog::Kind::Open, FileTypeTable::Shared().Filter(FileKind::M3u),
        std::string(), std::string(),
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_READONLY);
    dialog.SetInitialFolder(workDir_);
    if (WinApp::Current()->RunModal(dialog) != IDOK)
        return false;
    // The folder is kept (and stored) even when the playlist cannot be read.
    const zul::PathName parts(zul::PathName(dialog.Path()).FullPath());
    workDir_ = parts.GetDrive() + parts.GetFolder();
    fileName_ = parts.GetBaseName() + parts.GetExtension();
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    zul::Windows::WaitCursor wait;
    // Reading, putting the rows in and selecting them all take about a
    // third each of a long playlist's time.
    zul::Windows::StatusLineProgress progress(Handle(), IDS_PROGRESS_IMPORT);
    zul::ProgressPart reading(&progress, 0, 3), showing(&progress, 1, 3),
        selecting(&progress, 2, 3);
    M3uExtReader reader(reporter);
    reader.SetProgress(&reading);
    if (!reader.Read(workDir_ + fileName_, tracks_)) {
        fileName_.clear();
        tracks_.Clear();
        return false;
    }
    FillRows(&showing);
    SelectAll(true, &selecting);
    return true;
}

// ---------------------------------------------------------------- rows

void M3uImportWindow::FillRows(zul::Progress* progress) {
    {
        FlagWhile bulk(changingInBulk_);
        list_.Send(WM_SETREDRAW, FALSE);
        list_.DeleteAllItems();
        tracks_.SetTitlesOnly(!WithArtists());
        const int count = tracks_.Count();
        list_.SetItemCount(count);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.pszText = LPSTR_TEXTCALLBACKA;
        for (int row = 0; row < count; ++row) {
            item.iItem = row;
            list_.InsertItem(item);
            if (progress != nullptr)
                progress->Advance(static_cast<std::uint64_t>(row) + 1, count);
        }
        list_.Send(WM_SETREDRAW, TRUE);
        list_.Invalidate();
    }
    UpdateWindow();
}

void M3uImportWindow::ShowTexts() {
    // The rows ask for their texts as they are drawn: they stay, and with them
    // the selection, the focus and the scroll position.
    tracks_.SetTitlesOnly(!WithArtists());
    list_.Invalidate();
    UpdateWindow();
}

void M3uImportWindow::SelectAll(bool select, zul::Progress* progress) {
    {
        zul::Windows::WaitCursor wait;
        FlagWhile bulk(changingInBulk_);
        const UINT state = select ? LVIS_SELECTED : 0;
        if (progress == nullptr) {
            list_.SetItemState(-1, state, LVIS_SELECTED);
        } else {
            // Row by row, so that the progress can be told.
            const int count = list_.ItemCount();
            for (int row = 0; row < count; ++row) {
                list_.SetItemState(row, state, LVIS_SELECTED);
                progress->Advance(static_cast<std::uint64_t>(row) + 1, count);
            }
        }
    }
    Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_.Handle()), TRUE);
    UpdateWindow();
}

void M3uImportWindow::SupplyRowText(NMLVDISPINFOA& info) const {
    LVITEMA& item = info.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0)
        return;
    std::string text;
    if (item.iItem >= 0 && item.iItem < tracks_.Count() && item.iSubItem == 0)
        text = tracks_.ItemText(item.iItem);
    // Cut to the list's buffer, whatever the length of the text.
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.data(), length);
    item.pszText[length] = '\0';
}

// ---------------------------------------------------------------- window

void M3uImportWindow::UpdateWindow() {
    FitColumn();
    std::string title = zul::Windows::LoadResourceText(IDS_TITLE_IMPORT_M3U);
    if (!fileName_.empty())
        title = fileName_ + " - " + title;
    SetText(title);
    zul::Windows::ApplyCommandStatesToWindow(Handle(), StateFunction());
    statusLine_.SetText(zul::FormatText(statusFormat_, list_.ItemCount(), list_.SelectedCount()));
    Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void M3uImportWindow::FitColumn() const {
    const RECT client = list_.ClientRect();
    list_.SetColumnWidth(0, client.right - client.left);
}

void M3uImportWindow::MeasureLayout() {
    AppDialog::MeasureLayout();
    const zul::Windows::LayoutMetrics& m = Metrics();
    checkRowHeight_ = m.baseUnitY * 10 / 8;
    statusHeight_ = m.baseUnitY * 11 / 8;
}

void M3uImportWindow::Layout(int width, int height) {
    AppDialog::Layout(width, height);
    if (!list_.Exists())
        return;
    const zul::Windows::LayoutMetrics& m = Metrics();
    const int w = m.layoutWidth;
    const int h = m.layoutHeight;
    const int listTop = m.gapY + m.marginY + checkRowHeight_;
    const int listHeight =
        h - 2 * (m.gapY + m.marginY) - (m.gapY + m.buttonHeight) - checkRowHeight_ - statusHeight_;
    const int buttonTop = h - statusHeight_ - m.marginY - m.gapY - m.buttonHeight;
    // Column c >= 0 from the left, -1 at the right edge.
    auto button = [&](int column) {
        const int left = column >= 0 ? m.marginX + column * (m.buttonWidth + m.gapX)
                                     : w - m.marginX - m.buttonWidth;
        return RECT{left, buttonTop, left + m.buttonWidth, buttonTop + m.buttonHeight};
    };
    {
        zul::Windows::WindowBatch batch(5);
        batch.Move(list_.Handle(), RECT{m.marginX, listTop, w - m.marginX, listTop + listHeight});
        batch.Move(statusLine_.Handle(),
                   RECT{m.marginX, h - m.marginY - statusHeight_, w - m.marginX, h - m.marginY});
        batch.Move(Item(IDOK).Handle(), button(0));
        batch.Move(Item(IDCANCEL).Handle(), button(1));
        batch.Move(Item(IDC_HELP_BUTTON).Handle(), button(-1));
    }
    FitColumn();
}

// ---------------------------------------------------------------- commands

void M3uImportWindow::OnOK() {
    // Enter reaches here also while "&Importieren" is disabled.
    if (!StateOf(IDOK).enabled)
        return;
    resultText_.clear();
    for (int row = list_.NextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.NextItem(row, LVNI_SELECTED)) {
        if (!resultText_.empty())
            resultText_ += "\r\n";
        resultText_ += tracks_.ItemText(row);
    }
    AppDialog::OnOK();
}

bool M3uImportWindow::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id != ListId || header.hwndFrom != list_.Handle())
        return AppDialog::OnNotify(id, header, result);
    switch (header.code) {
    case LVN_GETDISPINFOA:
        SupplyRowText(reinterpret_cast<NMLVDISPINFOA&>(header));
        result = 0;
        return true;
    case LVN_ITEMCHANGED:
        // A burst of changes by the user (Shift+End over many rows) updates
        // once, after it.
        if (!changingInBulk_ && !updatePending_) {
            updatePending_ = true;
            Post(UpdateMessage);
        }
        result = 0;
        return true;
    case NM_RCLICK: {
        POINT screen{};
        ::GetCursorPos(&screen);
        zul::Windows::TrackContextMenu(Handle(), IDR_MENU_M3U_CONTEXT, screen, StateFunction());
        // Handled: the list sends no WM_CONTEXTMENU after it.
        result = TRUE;
        return true;
    }
    default:
        return AppDialog::OnNotify(id, header, result);
    }
}

bool M3uImportWindow::OnContextMenu(HWND window, POINT screen) {
    if (window != list_.Handle())
        return false;
    // (-1, -1): asked for by keyboard, Shift+F10 or the menu key.
    if (screen.x == -1 && screen.y == -1)
        screen = zul::Windows::ListContextMenuPoint(list_.Handle());
    zul::Windows::TrackContextMenu(Handle(), IDR_MENU_M3U_CONTEXT, screen, StateFunction());
    return true;
}

bool M3uImportWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == UpdateMessage) {
        updatePending_ = false;
        UpdateWindow();
        result = 0;
        return true;
    }
    return AppDialog::OnMessage(message, wParam, lParam, result);
}

// ---------------------------------------------------------------- settings

void M3uImportWindow::LoadSettings() {
    M3uWindowSettings settings;
    zul::SettingsStore* store = SettingsOfApp();
    if (store == nullptr || !zul::ReadSection(*store, M3uWindowSection, settings.Table()))
        return;
    RestorePlacement(settings.placement);
    SetItemChecked(WithArtistsId, settings.importInterpreten);
    workDir_ = zul::WithTrailingBackslash(settings.workDir);
}

void M3uImportWindow::SaveSettings() const {
    zul::SettingsStore* store = SettingsOfApp();
    if (store == nullptr)
        return;
    M3uWindowSettings settings;
    SavePlacement(settings.placement);
    settings.importInterpreten = WithArtists();
    settings.workDir = workDir_;
    zul::WriteSection(*store, M3uWindowSection, settings.Table());
}

void M3uImportWindow::OnDestroy() {
    SaveSettings();
    AppDialog::OnDestroy();
}

} // namespace kolvane
