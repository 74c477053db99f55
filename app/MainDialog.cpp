#include "app/MainDialog.h"

#include "app/EntryDialog.h"
#include "app/InfoDialog.h"
#include "app/SettingsDialog.h"
#include "core/IndexArray.h"
#include "core/win32/DeleteConfirmDialog.h"
#include "exchange/SettingsSections.h"
#include "exchange/win32/ExportCommands.h"
#include "exchange/win32/ImportWindow.h"
#include "resources/HelpTopics.h"
#include "resources/resource.h"
#include "support/PathName.h"
#include "support/win32/CellEdit.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace kolvane {

using zul::Windows::CommandState;
using zul::Windows::WinApp;

namespace {

INT_PTR RunModalDialog(zul::Windows::Modal& dialog) {
    WinApp* app = WinApp::Current();
    return app != nullptr ? app->RunModal(dialog) : IDCANCEL;
}

// Of the import window's keys, those the settings dialog shows (side pane,
// grid) and, when writing, live resizing as well.
std::vector<zul::Setting> ImportWindowSwitches(RecordListSettings& settings, bool withDragDraw) {
    std::vector<zul::Setting> picked;
    for (const zul::Setting& setting : settings.Table()) {
        if (setting.value == &settings.addInfo || setting.value == &settings.grid ||
            (withDragDraw && setting.value == &settings.dragDraw))
            picked.push_back(setting);
    }
    return picked;
}

// Every cell is edited in place with a text editor while Hot-Edit is on.
zul::Windows::EditorDescriptor CellEditorOf(void* context, int, int) {
    if (!static_cast<const MainDialog*>(context)->HotEditOn())
        return {};
    return {zul::Windows::EditorKind::Text, 0, 0, 0};
}

// The editor starts with the field itself: for an empty one the list shows
// the placeholder, which must not become the entry's text.
std::string CellTextOf(void* context, int position, int column) {
    if (column < 0 || column >= CollectionView::ColumnCount)
        return {};
    return static_cast<MainDialog*>(context)->View().GetAt(position).Field(column);
}

// The import window shows an entry in the entry dialog's show mode.
void ShowEntryReadOnly(const DiscEntry& entry, HWND parent) {
    EntryDialog dialog(EntryDialog::ShowMode, parent);
    dialog.SetEntry(entry);
    RunModalDialog(dialog);
}

} // namespace

MainDialog::MainDialog(HWND parent)
    : RecordListDialog(MainWindowSection, IDD_MAIN, IDR_ACCEL_MAIN, parent) {
    SetHelpTopic(HelpTopicMainWindow);
    // Until the settings are read the button row is shown, so that a window
    // whose section cannot be opened keeps it.
    settings_.showButtons = true;

    auto selectedAndAny = [this] {
        return CommandState{View().SelectedCount() > 0 && View().RowCount() > 0};
    };
    AddCommands({
        {IDM_NEW, [this] { Document().NewCollection(); }},
        {IDM_LOAD, [this] { Document().LoadWithDialog(); }},
        {IDM_SAVE, [this] { Document().Save(); },
         [this] { return CommandState{View().IsModified()}; }},
        {IDM_SAVE_AS, [this] { Document().SaveAs(); }},
        {IDM_PRINT, [this] { print_.Run(View(), Document().FileName()); },
         [this] { return CommandState{View().RowCount() > 0}; }},
        {IDM_INSERT, [this] { OnInsert(); }},
        {IDM_CHANGE, [this] { OnChange(); },
         [this] { return CommandState{View().SelectedCount() == 1}; }},
        {IDM_DELETE, [this] { OnDelete(); },
         [this] { return CommandState{View().SelectedCount() > 0}; }},
        {IDM_BUTTONS, [this] { OnToggleButtons(); },
         [this] { return CommandState{true, settings_.showButtons}; }},
        {IDM_IMPORT_NATIVE, [this] { OnImport(ImportKind::NativeFile); }},
        {IDM_IMPORT_CDPLAYER, [this] { OnImport(ImportKind::CdPlayerIni); }},
        {IDM_IMPORT_LEGACY, [this] { OnImport(ImportKind::LegacyV1); }},
        {IDM_EXPORT_NATIVE,
         [this] {
             ExportSelectedAsNative(View(), Document().FilePath(), settings_.exportDirKvd);
         },
         selectedAndAny},
        {IDM_EXPORT_CSV, [this] { OnExportCsv(); }, selectedAndAny},
        {IDM_EXPORT_CDPLAYER,
         [this] {
             ExportSelectedToCdPlayerIni(View(), Document().FilePath(), settings_.exportDirIni);
         },
         selectedAndAny},
        {IDM_HOT_EDIT, [this] { OnToggleHotEdit(); },
         [this] { return CommandState{true, settings_.hotEdit}; }},
        {IDM_SETTINGS, [this] { OnSettings(); }},
        {IDM_HELP_START,
         [] {
             if (WinApp* app = WinApp::Current())
                 app->ShowHelp(std::string());
         }},
        {IDM_INFO, [this] { OnInfo(); }},
    });
}

void MainDialog::SetUpWindow() {
    BindItem(closeButton_, CloseButtonId);
    BindItem(helpButton_, HelpButtonId);
    RecordListDialog::SetUpWindow();
    ListControl().SetEditorChoice(&CellEditorOf, this, &CellTextOf);
    SetButtonRows(settings_.showButtons ? 1 : 0);
    TracksEdit().SetEnabled(settings_.hotEdit);
    NotesEdit().SetEnabled(settings_.hotEdit);

    const WinApp* app = WinApp::Current();
    if (app != nullptr && !app->CommandLine().fileName.empty())
        Document().OpenPath(app->CommandLine().fileName); // refreshes the window itself
    else
        RefreshAll();
}

void MainDialog::LoadSettings() {
    RecordListDialog::LoadSettings();
    zul::SettingsStore* store = Settings();
    if (store == nullptr)
        return;
    // The export folders default to the work folder just read; the field
    // choice to the current one.
    MainWindowSettings read;
    read.exportDirKvd = read.exportDirCsv = read.exportDirIni = Document().WorkDir();
    read.exportFields[0] = settings_.exportFields[0];
    if (!zul::ReadSection(*store, SectionName(), read.Table()))
        return;
    for (std::string* folder : {&read.exportDirKvd, &read.exportDirCsv, &read.exportDirIni})
        *folder = zul::WithTrailingBackslash(*folder);
    read.exportFields[0] = ExportFieldSet::FromByte(read.exportFields[0]).ToByte();
    settings_ = read;
}

void MainDialog::SaveSettings() {
    RecordListDialog::SaveSettings();
    if (zul::SettingsStore* store = Settings())
        zul::WriteSection(*store, SectionName(), settings_.Table());
}

void MainDialog::MeasureLayout() {
    SetButtonRows(settings_.showButtons ? 1 : 0);
    RecordListDialog::MeasureLayout();
    // The main window sits closer to its frame than other dialogs.
    metrics_.marginX = metrics_.baseUnitX * 4 / 4;
    metrics_.marginY = metrics_.baseUnitY * 4 / 8;
}

void MainDialog::Layout(int width, int height) {
    RecordListDialog::Layout(width, height);
    if (settings_.showButtons && closeButton_.Handle() != nullptr) {
        PlaceButton(closeButton_, 0, 0);
        PlaceButton(helpButton_, -1, 0);
    }
}

void MainDialog::UpdateCommandStates() {
    closeButton_.Show(settings_.showButtons ? SW_SHOW : SW_HIDE);
    helpButton_.Show(settings_.showButtons ? SW_SHOW : SW_HIDE);
    RecordListDialog::UpdateCommandStates();
}

// A menu chosen with the mouse leaves the focus where it is: an open edit ends
// first, so that the command sees its text and the text never lands on an
// entry the command brought into view. Switching Hot-Edit leaves it open, and
// help has nothing to do with it.
void MainDialog::OnCommandStarting(int id) {
    if (id != IDM_HOT_EDIT && id != HelpButtonId && id != IDM_HELP_START)
        EndEditsInPlace();
}

void MainDialog::OnInsert() {
    EntryDialog dialog(EntryDialog::AddMode, Handle());
    const DiscEntry empty;
    dialog.SetEntry(empty);
    if (RunModalDialog(dialog) == IDOK && dialog.Entry().CompareAll(empty) != 0)
        View().Add(dialog.Entry());
    RefreshAll();
}

void MainDialog::OnChange() {
    if (View().SelectedCount() != 1)
        return;
    const int position = View().List().NextItem(-1, LVNI_SELECTED);
    if (position < 0)
        return;
    const DiscEntry original = View().GetAt(position);
    EntryDialog dialog(EntryDialog::ChangeMode, Handle());
    dialog.SetEntry(original);
    if (RunModalDialog(dialog) == IDOK && dialog.Entry().CompareAll(original) != 0)
        View().Replace(position, dialog.Entry());
    RefreshAll();
    Invalidate(true);
}

void MainDialog::OnDelete() {
    zul::Windows::WaitCursor wait;
    const zul::Windows::ListView& list = View().List();
    const int mark = list.SelectionMark();
    IndexArray positions;
    for (int i = list.NextItem(-1, LVNI_SELECTED); i >= 0; i = list.NextItem(i, LVNI_SELECTED))
        positions.Add(static_cast<std::uint32_t>(i));
    if (positions.Size() == 0)
        return;
    if (settings_.confirmDelete) {
        DeleteConfirmDialog confirm(static_cast<int>(positions.Size()), Handle());
        const INT_PTR answer = RunModalDialog(confirm);
        wait.Restore();
        if (answer != IDOK)
            return;
    }
    View().DeleteAt(positions);
    const int count = View().RowCount();
    int row = mark;
    if (row < 0 || row >= count)
        row = count - 1;
    if (row >= 0) {
        list.SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED | LVIS_SELECTED);
        list.EnsureVisible(row, false);
    }
    RefreshAll();
}

void MainDialog::OnInfo() {
    InfoDialog dialog(Handle());
    RunModalDialog(dialog);
}

void MainDialog::OnExportCsv() {
    ExportFieldSet fields = ExportFields();
    ExportSelectedAsCsv(View(), Document().FilePath(), settings_.exportDirCsv, fields, Handle());
    SetExportFields(fields);
}

void MainDialog::OnImport(ImportKind kind) {
    ImportWindow window(kind, Handle(), &ShowEntryReadOnly);
    if (RunModalDialog(window) != IDOK)
        return;
    zul::Windows::WaitCursor wait;
    // Appended as copies, also entries the collection has already; they
    // become the selection, the first of them in the list's order focused.
    zul::Windows::StatusLineProgress progress(Handle(), IDS_PROGRESS_IMPORT);
    View().AppendAll(window.ChosenEntries(), true, &progress);
    RefreshAll();
}

void MainDialog::OnToggleButtons() {
    settings_.showButtons = !settings_.showButtons;
    SetButtonRows(settings_.showButtons ? 1 : 0);
    RefreshAll();
    Relayout();
}

// An edit that is open stays so until it loses the focus.
void MainDialog::OnToggleHotEdit() {
    settings_.hotEdit = !settings_.hotEdit;
    TracksEdit().SetEnabled(settings_.hotEdit);
    NotesEdit().SetEnabled(settings_.hotEdit);
    UpdateCommandStates();
}

void MainDialog::OnSettings() {
    SettingsDialog dialog(Handle());
    SettingsValues& values = dialog.Values();
    values.mainList = CurrentListSettings();
    values.mainOwn = settings_;
    // The import window's switches as stored; both on when its section
    // cannot be opened.
    zul::SettingsStore* store = Settings();
    if (store != nullptr)
        zul::ReadSection(*store, ImportWindowSection,
                         ImportWindowSwitches(values.importList, false));

    if (RunModalDialog(dialog) != IDOK)
        return;
    SetListSwitches(values.mainList);
    settings_ = values.mainOwn;
    if (store != nullptr) {
        values.importList.dragDraw = values.mainList.dragDraw;
        zul::WriteSection(*store, ImportWindowSection,
                          ImportWindowSwitches(values.importList, true));
    }

    ApplyGrid();
    SetButtonRows(settings_.showButtons ? 1 : 0);
    TracksEdit().SetEnabled(settings_.hotEdit);
    NotesEdit().SetEnabled(settings_.hotEdit);
    RefreshAll();
    Relayout();
}

void MainDialog::OnListDoubleClick() {
    const int s = View().SelectedCount();
    if (s == 0)
        OnInsert();
    else if (s == 1)
        OnChange();
}

// Only a changed text is stored: looking into a pane, or copying from it,
// does not make the collection modified. The text goes to the entry the pane
// showed, wherever the list shows that entry by now.
void MainDialog::OnSidePaneCommit(const HotEditCommit& commit) {
    const int row =
        commit.entry >= 0 ? View().PositionOfEntry(static_cast<std::size_t>(commit.entry)) : -1;
    if (commit.text != nullptr && row >= 0) {
        const DiscEntry entry = View().GetAt(row);
        if (commit.header.idFrom == static_cast<UINT_PTR>(TracksId)) {
            if (entry.Tracks != commit.text)
                View().SetTracks(row, commit.text);
        } else if (entry.Notes != commit.text) {
            View().SetNotes(row, commit.text);
        }
    }
    // A cancelled edit only refreshes, which puts the stored text back.
    RefreshAll();
    Invalidate(true);
}

// The same for a cell: an unchanged text neither marks the collection
// modified nor sorts the list anew.
void MainDialog::OnCellEdited(const LVITEMA& cell) {
    if (cell.pszText == nullptr || cell.iItem < 0 || cell.iItem >= View().RowCount() ||
        cell.iSubItem < 0 || cell.iSubItem >= CollectionView::ColumnCount)
        return;
    // The editor was given the field up to a NUL byte, where an edit's text
    // ends: a text unchanged against that leaves the whole field.
    if (std::strcmp(View().GetAt(cell.iItem).Field(cell.iSubItem).c_str(), cell.pszText) == 0)
        return;
    View().SetField(cell.iItem, cell.iSubItem, cell.pszText);
    RefreshAll();
    Invalidate(true);
}

void MainDialog::EndEditsInPlace() {
    HWND focus = ::GetFocus();
    if (focus == nullptr)
        return;
    const bool pane = (focus == TracksEdit().Handle() && TracksEdit().IsEditing()) ||
                      (focus == NotesEdit().Handle() && NotesEdit().IsEditing());
    const bool cell = ::GetParent(focus) == ListControl().Handle() &&
                      ::GetDlgCtrlID(focus) == zul::Windows::CellEdit::ControlId;
    if (pane || cell)
        ListControl().SetFocus();
}

bool MainDialog::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if ((id == TracksId || id == NotesId) && header.code == HotEditCommit::Code) {
        OnSidePaneCommit(reinterpret_cast<const HotEditCommit&>(header));
        result = 0;
        return true;
    }
    if (id == ListId && header.hwndFrom == ListControl().Handle()) {
        if (header.code == LVN_SETDISPINFOA) {
            OnCellEdited(reinterpret_cast<const NMLVDISPINFOA&>(header).item);
            result = 0;
            return true;
        }
        // The header takes no focus: an open edit would otherwise end after
        // the sort, on the entry that then shows in its row.
        if (header.code == LVN_COLUMNCLICK)
            EndEditsInPlace();
        if (header.code == NM_DBLCLK) {
            OnListDoubleClick();
            result = 0;
            return true;
        }
        if (header.code == NM_RCLICK) {
            POINT screen{};
            ::GetCursorPos(&screen);
            ShowContextMenu(IDR_MENU_CONTEXT, screen);
            // Handled: the list sends no WM_CONTEXTMENU after it.
            result = TRUE;
            return true;
        }
    }
    return RecordListDialog::OnNotify(id, header, result);
}

bool MainDialog::OnContextMenu(HWND window, POINT screen) {
    if (window != ListControl().Handle())
        return false;
    // (-1, -1): asked for by keyboard, Shift+F10 or the menu key.
    if (screen.x == -1 && screen.y == -1)
        screen = ContextMenuPointForKeyboard();
    ShowContextMenu(IDR_MENU_CONTEXT, screen);
    return true;
}

bool MainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SETCURSOR && IsMenuOpen() && reinterpret_cast<HWND>(wParam) == Handle()) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        result = TRUE;
        return true;
    }
    return RecordListDialog::OnMessage(message, wParam, lParam, result);
}

bool MainDialog::TranslateKeys(MSG& message) {
    // Escape neither closes the main window nor reaches a control (a control
    // that wants it has claimed it before).
    if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
         message.message == WM_CHAR) &&
        message.wParam == VK_ESCAPE &&
        (message.hwnd == Handle() || ::IsChild(Handle(), message.hwnd)))
        return true;
    return RecordListDialog::TranslateKeys(message);
}

// An open edit counts as a change before the question whether to save.
void MainDialog::OnOK() {
    EndEditsInPlace();
    if (Document().QuerySave(true) != 0)
        EndModal(IDOK);
}

void MainDialog::OnCancel() {
    EndEditsInPlace();
    if (Document().QuerySave(true) != 0)
        EndModal(IDCANCEL);
}

} // namespace kolvane
