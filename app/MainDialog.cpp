#include "app/MainDialog.h"

#include "app/EntryDialog.h"
#include "core/IndexArray.h"
#include "core/win32/DeleteConfirmDialog.h"
#include "exchange/win32/ImportWindow.h"
#include "resources/HelpTopics.h"
#include "resources/resource.h"
#include "support/PathName.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"

#include <commctrl.h>

namespace kolvane {

using zul::Windows::CommandState;
using zul::Windows::WinApp;

namespace {

INT_PTR RunModalDialog(zul::Windows::Modal& dialog) {
    WinApp* app = WinApp::Current();
    return app != nullptr ? app->RunModal(dialog) : IDCANCEL;
}

// The import window shows an entry in the entry dialog's show mode.
void ShowEntryReadOnly(const DiscEntry& entry, HWND parent) {
    EntryDialog dialog(EntryDialog::ShowMode, parent);
    dialog.SetEntry(entry);
    RunModalDialog(dialog);
}

} // namespace

MainDialog::MainDialog(HWND parent)
    : RecordListDialog("MainDlg", IDD_MAIN, IDR_ACCEL_MAIN, parent) {
    SetHelpTopic(HelpTopicMainWindow);
}

void MainDialog::SetUpWindow() {
    BindItem(closeButton_, CloseButtonId);
    BindItem(helpButton_, HelpButtonId);
    RecordListDialog::SetUpWindow();
    SetButtonRows(settings_.mainButtons ? 1 : 0);
    TracksEdit().SetEnabled(settings_.hotEdit);
    NotesEdit().SetEnabled(settings_.hotEdit);

    if (const WinApp* app = WinApp::Current()) {
        const std::string& start = app->CommandLine().fileName;
        if (!start.empty())
            Document().OpenPath(start);
    }
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
    SetButtonRows(settings_.mainButtons ? 1 : 0);
    RecordListDialog::MeasureLayout();
    // The main window sits closer to its frame than other dialogs.
    metrics_.marginX = metrics_.baseUnitX * 4 / 4;
    metrics_.marginY = metrics_.baseUnitY * 4 / 8;
}

void MainDialog::Layout(int width, int height) {
    RecordListDialog::Layout(width, height);
    if (settings_.mainButtons && closeButton_.Handle() != nullptr) {
        PlaceButton(closeButton_, 0, 0);
        PlaceButton(helpButton_, -1, 0);
    }
}

CommandState MainDialog::StateOf(int command) const {
    const int n = View().RowCount();
    const int s = View().SelectedCount();
    switch (command) {
    case IDM_SAVE:
        return {View().IsModified()};
    case IDM_CHANGE:
        return {s == 1};
    case IDM_DELETE:
        return {s > 0};
    case IDM_PRINT:
        return {n > 0};
    case IDM_EXPORT_NATIVE:
    case IDM_EXPORT_CSV:
    case IDM_EXPORT_CDPLAYER:
        return {s > 0 && n > 0};
    case IDM_BUTTONS:
        return {true, settings_.mainButtons};
    case IDM_HOT_EDIT:
        return {true, settings_.hotEdit};
    default:
        return RecordListDialog::StateOf(command);
    }
}

void MainDialog::UpdateCommandStates() {
    closeButton_.Show(settings_.mainButtons ? SW_SHOW : SW_HIDE);
    helpButton_.Show(settings_.mainButtons ? SW_SHOW : SW_HIDE);
    RecordListDialog::UpdateCommandStates();
}

bool MainDialog::OnCommand(int id, int code, HWND control) {
    // Menus send code 0, accelerators 1.
    if (code == 0 || code == 1) {
        switch (id) {
        case IDM_NEW:
            Document().NewCollection();
            return true;
        case IDM_LOAD:
            Document().LoadWithDialog();
            return true;
        case IDM_SAVE:
            Document().Save();
            return true;
        case IDM_SAVE_AS:
            Document().SaveAs();
            return true;
        case IDM_INSERT:
            OnInsert();
            return true;
        case IDM_CHANGE:
            OnChange();
            return true;
        case IDM_DELETE:
            OnDelete();
            return true;
        case IDM_BUTTONS:
            OnToggleButtons();
            return true;
        case IDM_IMPORT_NATIVE:
            OnImport(ImportKind::NativeFile);
            return true;
        case IDM_IMPORT_CDPLAYER:
            OnImport(ImportKind::CdPlayerIni);
            return true;
        case IDM_IMPORT_LEGACY:
            OnImport(ImportKind::LegacyV1);
            return true;
        case IDM_HELP_START:
            if (WinApp* app = WinApp::Current())
                app->ShowHelp(std::string());
            return true;
        // Their windows come later; the items are there already.
        case IDM_PRINT:
        case IDM_EXPORT_NATIVE:
        case IDM_EXPORT_CSV:
        case IDM_EXPORT_CDPLAYER:
        case IDM_HOT_EDIT:
        case IDM_SETTINGS:
        case IDM_INFO:
            return true;
        default:
            break;
        }
    }
    return RecordListDialog::OnCommand(id, code, control);
}

void MainDialog::OnHelpCommand() {
    if (WinApp* app = WinApp::Current())
        app->ShowHelp(HelpTopicMainWindow);
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
    if (settings_.delChk) {
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

void MainDialog::OnImport(ImportKind kind) {
    ImportWindow window(kind, Handle(), &ShowEntryReadOnly);
    if (RunModalDialog(window) != IDOK)
        return;
    zul::Windows::WaitCursor wait;
    // Appended as copies, also entries the collection has already; they
    // become the selection, the first of them in the list's order focused.
    View().AppendAll(window.ChosenEntries(), true);
    RefreshAll();
}

void MainDialog::OnToggleButtons() {
    settings_.mainButtons = !settings_.mainButtons;
    SetButtonRows(settings_.mainButtons ? 1 : 0);
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

void MainDialog::OnSidePaneCommit(const HotEditCommit& commit) {
    if (commit.text != nullptr) {
        if (commit.header.idFrom == static_cast<UINT_PTR>(TracksId))
            View().SetTracks(commit.row, commit.text);
        else
            View().SetNotes(commit.row, commit.text);
    }
    // A cancelled edit only refreshes, which puts the stored text back.
    RefreshAll();
    Invalidate(true);
}

bool MainDialog::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if ((id == TracksId || id == NotesId) && header.code == HotEditCommit::Code) {
        OnSidePaneCommit(reinterpret_cast<const HotEditCommit&>(header));
        result = 0;
        return true;
    }
    if (id == ListId && header.hwndFrom == ListControl().Handle()) {
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

void MainDialog::OnOK() {
    if (Document().QuerySave() != 0)
        EndModal(IDOK);
}

void MainDialog::OnCancel() {
    if (Document().QuerySave() != 0)
        EndModal(IDCANCEL);
}

} // namespace kolvane
