#include "app/MainDialog.h"

#include "app/EntryDialog.h"
#include "core/IndexArray.h"
#include "core/win32/DeleteConfirmDialog.h"
#include "resources/HelpTopics.h"
#include "resources/resource.h"
#include "support/PathName.h"
#include "support/win32/MenuRef.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"

#include <commctrl.h>

namespace kolvane {

using zul::Windows::MenuRef;
using zul::Windows::WinApp;

namespace {

constexpr int ExtrasMenuPosition = 3;
constexpr int ExportMenuPosition = 1;

INT_PTR RunModalDialog(zul::Windows::Modal& dialog) {
    WinApp* app = WinApp::Current();
    return app != nullptr ? app->RunModal(dialog) : IDCANCEL;
}

} // namespace

MainDialog::MainDialog(HWND parent)
    : RecordListDialog("MainDlg", IDD_MAIN, IDR_ACCEL_MAIN, parent) {
    SetHelpTopic(HelpTopicMainWindow);
}

bool MainDialog::OnInitDialog() {
    // The menu first: it takes client height that the layout must know.
    // The window owns its menu and destroys it with itself.
    ::SetMenu(Handle(), ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_MAIN)));
    BindItem(closeButton_, CloseButtonId);
    BindItem(helpButton_, HelpButtonId);
    RecordListDialog::OnInitDialog();

    SetButtonRows(mainButtons_ ? 1 : 0);
    ::EnableWindow(::GetDlgItem(Handle(), TracksId), hotEdit_ ? TRUE : FALSE);
    ::EnableWindow(::GetDlgItem(Handle(), NotesId), hotEdit_ ? TRUE : FALSE);

    if (const WinApp* app = WinApp::Current()) {
        const std::string& start = app->CommandLine().fileName;
        if (!start.empty())
            OpenPath(start);
    }
    RefreshAll();
    Relayout();
    return true;
}

void MainDialog::LoadSettings() {
    RecordListDialog::LoadSettings();
    zul::SettingsStore* store = Settings();
    if (store == nullptr || !store->OpenSection(SectionName()))
        return;
    mainButtons_ = store->GetBool("MainButtons", false);
    delChk_ = store->GetBool("DelChk", true);
    hotEdit_ = store->GetBool("HotEdit", true);
    const std::string workDir = WorkDir();
    exportDirKvd_ = zul::WithTrailingBackslash(store->GetString("ExportDirKvd", workDir));
    exportDirCsv_ = zul::WithTrailingBackslash(store->GetString("ExportDirCsv", workDir));
    exportDirIni_ = zul::WithTrailingBackslash(store->GetString("ExportDirIni", workDir));
    // The current selection stays when the value is missing or malformed.
    store->GetBinary("ExportFields", 1, &exportFieldSet_, &exportFieldSet_);
    exportFieldSet_ &= 0x3F; // six fields
    store->CloseSection();
}

void MainDialog::SaveSettings() {
    RecordListDialog::SaveSettings();
    zul::SettingsStore* store = Settings();
    if (store == nullptr || !store->OpenSection(SectionName()))
        return;
    store->PutBool("MainButtons", mainButtons_);
    store->PutBool("DelChk", delChk_);
    store->PutBool("HotEdit", hotEdit_);
    store->PutString("ExportDirKvd", exportDirKvd_);
    store->PutString("ExportDirCsv", exportDirCsv_);
    store->PutString("ExportDirIni", exportDirIni_);
    store->PutBinary("ExportFields", 1, &exportFieldSet_);
    store->CloseSection();
}

void MainDialog::MeasureLayout() {
    SetButtonRows(mainButtons_ ? 1 : 0);
    RecordListDialog::MeasureLayout();
    // The main window sits closer to its frame than other dialogs.
    metrics_.marginX = metrics_.baseUnitX * 4 / 4;
    metrics_.marginY = metrics_.baseUnitY * 4 / 8;
}

void MainDialog::Layout(int width, int height) {
    RecordListDialog::Layout(width, height);
    if (mainButtons_ && closeButton_.Handle() != nullptr) {
        PlaceButton(closeButton_, 0, 0);
        PlaceButton(helpButton_, -1, 0);
    }
}

void MainDialog::UpdateCommandStates() {
    const int n = View().RowCount();
    const int s = View().SelectedCount();
    const bool modified = View().IsModified();

    closeButton_.Show(mainButtons_ ? SW_SHOW : SW_HIDE);
    helpButton_.Show(mainButtons_ ? SW_SHOW : SW_HIDE);

    std::unique_ptr<MenuRef> menu = MenuRef::MenuOfWindow(Handle());
    if (!menu)
        return;
    UpdateListCommandStates(*menu);
    menu->EnableByCommand(IDM_SAVE, modified);
    menu->EnableByCommand(IDM_CHANGE, s == 1);
    menu->EnableByCommand(IDM_DELETE, s > 0);
    menu->EnableByCommand(IDM_SELECT_NONE, s > 0);
    menu->EnableByCommand(IDM_SELECT_ALL, (s == 0 && n > 0) || (s > 0 && s < n));
    menu->EnableByCommand(IDM_PRINT, n > 0);
    menu->EnableByCommand(IDM_SEARCH, n > 0);
    menu->EnableByCommand(IDM_SEARCH_NEXT, n > 0 && !LastSearchText().empty());
    menu->CheckByCommand(IDM_SIDE_PANE, ShowsAddInfo());
    menu->EnableByCommand(IDM_SIDE_PANE_DEFAULT, ShowsAddInfo());
    menu->CheckByCommand(IDM_GRID, ShowsGrid());
    menu->CheckByCommand(IDM_BUTTONS, mainButtons_);
    menu->CheckByCommand(IDM_HOT_EDIT, hotEdit_);
    if (std::unique_ptr<MenuRef> extras = menu->SubMenu(ExtrasMenuPosition))
        extras->EnableByPosition(ExportMenuPosition, s > 0 && n > 0);
    ::DrawMenuBar(Handle());
}

bool MainDialog::OnCommand(int id, int code, HWND control) {
    // Menus send code 0, accelerators 1.
    if (code == 0 || code == 1) {
        switch (id) {
        case IDM_NEW:
            NewCollection();
            return true;
        case IDM_LOAD:
            LoadWithDialog();
            return true;
        case IDM_SAVE:
            if (View().IsModified())
                Save();
            return true;
        case IDM_SAVE_AS:
            SaveAs();
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
        case IDM_HELP_START:
            if (WinApp* app = WinApp::Current())
                app->ShowHelp(std::string());
            return true;
        // Their windows come later; the items are there already.
        case IDM_PRINT:
        case IDM_IMPORT_NATIVE:
        case IDM_IMPORT_CDPLAYER:
        case IDM_IMPORT_LEGACY:
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
    const int position = ListView_GetNextItem(ListControl().Handle(), -1, LVNI_SELECTED);
    if (position < 0)
        return;
    const DiscEntry original = View().GetAt(position);
    EntryDialog dialog(EntryDialog::ChangeMode, Handle());
    dialog.SetEntry(original);
    if (RunModalDialog(dialog) == IDOK && dialog.Entry().CompareAll(original) != 0)
        View().Replace(position, dialog.Entry());
    RefreshAll();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void MainDialog::OnDelete() {
    zul::Windows::WaitCursor wait;
    HWND list = ListControl().Handle();
    const int mark = ListView_GetSelectionMark(list);
    IndexArray positions;
    for (int i = ListView_GetNextItem(list, -1, LVNI_SELECTED); i >= 0;
         i = ListView_GetNextItem(list, i, LVNI_SELECTED))
        positions.Add(static_cast<std::uint32_t>(i));
    if (positions.Size() == 0)
        return;
    if (delChk_) {
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
        ListView_SetItemState(list, row, LVIS_FOCUSED, LVIS_FOCUSED | LVIS_SELECTED);
        ListView_EnsureVisible(list, row, FALSE);
    }
    RefreshAll();
}

void MainDialog::OnToggleButtons() {
    mainButtons_ = !mainButtons_;
    SetButtonRows(mainButtons_ ? 1 : 0);
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

void MainDialog::ShowContextMenu(POINT screen) {
    const int n = View().RowCount();
    const int s = View().SelectedCount();
    SetMenuOpen(true);
    HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_CONTEXT));
    if (std::unique_ptr<MenuRef> bar = MenuRef::FromHandle(resource)) {
        if (std::unique_ptr<MenuRef> popup = bar->SubMenu(0)) {
            popup->EnableByCommand(IDM_DELETE, s > 0);
            popup->EnableByCommand(IDM_CHANGE, s == 1);
            popup->EnableByCommand(IDM_SELECT_ALL, n > 0 && s < n);
            popup->EnableByCommand(IDM_SELECT_NONE, s > 0 && n > 0);
            ::TrackPopupMenu(popup->Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y,
                             0, Handle(), nullptr);
        }
    }
    if (resource != nullptr)
        ::DestroyMenu(resource);
    SetMenuOpen(false);
}

bool MainDialog::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id == ListId && header.hwndFrom == ListControl().Handle()) {
        if (header.code == NM_DBLCLK) {
            OnListDoubleClick();
            result = 0;
            return true;
        }
        if (header.code == NM_RCLICK) {
            POINT screen{};
            ::GetCursorPos(&screen);
            ShowContextMenu(screen);
            result = 0;
            return true;
        }
    }
    return RecordListDialog::OnNotify(id, header, result);
}

bool MainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SETCURSOR && IsMenuOpen() && reinterpret_cast<HWND>(wParam) == Handle()) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        result = TRUE;
        return true;
    }
    return RecordListDialog::OnMessage(message, wParam, lParam, result);
}

bool MainDialog::PreTranslateMessage(MSG& message) {
    // Escape neither closes the main window nor reaches a control.
    if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
         message.message == WM_CHAR) &&
        message.wParam == VK_ESCAPE &&
        (message.hwnd == Handle() || ::IsChild(Handle(), message.hwnd)))
        return true;
    return RecordListDialog::PreTranslateMessage(message);
}

void MainDialog::OnOK() {
    if (QuerySave() != 0)
        EndModal(IDOK);
}

void MainDialog::OnCancel() {
    if (QuerySave() != 0)
        EndModal(IDCANCEL);
}

} // namespace kolvane
