#include "exchange/win32/ImportWindow.h"

#include "core/win32/FileTypeTable.h"
#include "exchange/CdPlayerIniImporter.h"
#include "exchange/LegacyV1Importer.h"
#include "exchange/SettingsSections.h"
#include "resources/HelpTopics.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/ResourceText.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"

#include <array>
#include <memory>
#include <utility>

namespace kolvane {

using zul::Windows::CommandState;
using zul::Windows::WinApp;

namespace {

UINT TitleOf(ImportKind kind) {
    switch (kind) {
    case ImportKind::CdPlayerIni:
        return IDS_TITLE_IMPORT_CDPLAYER;
    case ImportKind::NativeFile:
        return IDS_TITLE_IMPORT_NATIVE;
    case ImportKind::LegacyV1:
        break;
    }
    return IDS_TITLE_IMPORT_LEGACY;
}

FileKind FileKindOf(ImportKind kind) {
    switch (kind) {
    case ImportKind::CdPlayerIni:
        return FileKind::CdPlayerIni;
    case ImportKind::NativeFile:
        return FileKind::Native;
    case ImportKind::LegacyV1:
        break;
    }
    return FileKind::Legacy;
}

std::unique_ptr<DiscImporter> ImporterOf(ImportKind kind, zul::MessageReporter& reporter) {
    if (kind == ImportKind::CdPlayerIni)
        return std::make_unique<CdPlayerIniImporter>(reporter);
    return std::make_unique<LegacyV1Importer>(reporter);
}

} // namespace

ImportWindow::ImportWindow(ImportKind kind, HWND owner, ShowEntryFunction showEntry)
    : RecordListDialog(ImportWindowSection, IDD_IMPORT, IDR_ACCEL_IMPORT, owner), kind_(kind),
      showEntry_(std::move(showEntry)) {
    SetHelpTopic(HelpTopicImport);
    KeepHiddenUntilShown();
    AddCommands({
        {ImportButtonId, [this] { OnOK(); },
         [this] { return CommandState{View().SelectedCount() >= 1}; }},
        {IDM_SHOW_ENTRY, [this] { OnShowEntry(); },
         [this] { return CommandState{View().SelectedCount() == 1}; }},
    });
}

// ---------------------------------------------------------------- opening

// A run that ends before the window is shown leaves no active window behind:
// the file dialog and the messages were owned by the hidden window, which the
// system cannot activate when they close. The window active before the run
// gets the activation (and with it the keyboard) back.
INT_PTR ImportWindow::ExecuteModal(HWND owner, const zul::Windows::ModalHook& started) {
    const HWND before = ::GetActiveWindow();
    const INT_PTR result = RecordListDialog::ExecuteModal(owner, started);
    if (::GetActiveWindow() == nullptr && before != nullptr && ::IsWindow(before) != FALSE)
        ::SetActiveWindow(before);
    return result;
}

bool ImportWindow::OnInitDialog() {
    BindItem(importButton_, ImportButtonId);
    BindItem(cancelButton_, CancelButtonId);
    BindItem(helpButton_, HelpButtonId);
    RecordListDialog::OnInitDialog(); // controls, settings, layout; still hidden
    UpdateTitle();
    if (Document().LoadWithDialog(FileTypeTable::Shared().Filter(FileKindOf(kind_))) == 1) {
        RefreshAll();
        ShowPlaced();
        return true; // the list, first in the tab order, gets the focus
    }
    // Nothing to offer: the run ends with Cancel without the window ever
    // being shown.
    if (IsRunningModal())
        EndModal(IDCANCEL);
    else
        Post(WM_COMMAND, IDCANCEL);
    return false;
}

int ImportWindow::LoadFile(const std::string& path) {
    WinApp* app = WinApp::Current();
    zul::Windows::AppMessageReporter reporter(*app);
    int result = 0;
    // The window is not shown yet: the progress goes to its owner's status line.
    zul::Windows::StatusLineProgress progress(Handle(), IDS_PROGRESS_IMPORT);
    if (kind_ == ImportKind::NativeFile) {
        result = View().LoadNativeFile(path, reporter, &progress);
    } else {
        zul::Windows::WaitCursor wait;
        // As any load: the default sort comes into force.
        View().Clear();
        const std::unique_ptr<DiscImporter> importer = ImporterOf(kind_, reporter);
        // Reading is the first half; the list takes as long again.
        zul::ProgressPart reading(&progress, 0, 2), showing(&progress, 1, 2);
        importer->SetProgress(&reading);
        if (importer->Import(path)) {
            View().AppendAll(importer->Entries(), false, &showing);
            result = 1;
        }
    }
    if (result == 1 && View().Entries().empty()) {
        app->ShowWarning(IDS_WARN_503);
        result = 0;
    }
    return result;
}

void ImportWindow::UpdateTitle() {
    const std::string title = zul::Windows::LoadResourceText(TitleOf(kind_));
    const std::string& file = Document().FileName();
    SetText(file.empty() ? title : file + " - " + title);
}

// ---------------------------------------------------------------- layout

void ImportWindow::MeasureLayout() {
    SetButtonRows(1);
    RecordListDialog::MeasureLayout();
}

void ImportWindow::Layout(int width, int height) {
    RecordListDialog::Layout(width, height);
    if (importButton_.Handle() == nullptr)
        return;
    PlaceButton(importButton_, 0, 0);
    PlaceButton(cancelButton_, 1, 0);
    PlaceButton(helpButton_, -1, 0);
}

// ---------------------------------------------------------------- settings

// The folder of the import's kind, read with the section's WorkDir as its
// default, replaces the work folder.
void ImportWindow::LoadSettings() {
    RecordListSettings list;
    if (!ReadListSettings(list))
        return;
    ImportFolderSettings folders;
    folders.FolderOf(kind_) = Document().WorkDir();
    const std::array<zul::Setting, 1> key = {folders.For(kind_)};
    if (zul::ReadSection(*Settings(), SectionName(), key))
        Document().SetWorkDir(folders.FolderOf(kind_));
}

// The folder of the file chosen last, also when it could not be read.
void ImportWindow::SaveSettings() {
    RecordListDialog::SaveSettings();
    zul::SettingsStore* store = Settings();
    if (store == nullptr)
        return;
    ImportFolderSettings folders;
    folders.FolderOf(kind_) = Document().WorkDir();
    const std::array<zul::Setting, 1> key = {folders.For(kind_)};
    zul::WriteSection(*store, SectionName(), key);
}

// ---------------------------------------------------------------- commands

void ImportWindow::OnShowEntry() {
    if (View().SelectedCount() != 1 || !showEntry_)
        return;
    showEntry_(View().FirstSelected(), Handle());
}

void ImportWindow::OnOK() {
    DiscCollection chosen;
    if (View().CollectSelected(chosen) == 0)
        return; // "&Importieren" waits for a selection
    chosenEntries_ = std::move(chosen);
    EndModal(IDOK);
}

bool ImportWindow::OnNotify(int id, NMHDR& header, LRESULT& result) {
    if (id == ListId && header.hwndFrom == ListControl().Handle()) {
        if (header.code == NM_DBLCLK) {
            OnShowEntry();
            result = 0;
            return true;
        }
        if (header.code == NM_RCLICK) {
            POINT screen{};
            ::GetCursorPos(&screen);
            ShowContextMenu(IDR_MENU_IMPORT_CONTEXT, screen);
            // Handled: the list sends no WM_CONTEXTMENU after it.
            result = TRUE;
            return true;
        }
    }
    return RecordListDialog::OnNotify(id, header, result);
}

bool ImportWindow::OnContextMenu(HWND window, POINT screen) {
    if (window != ListControl().Handle())
        return false;
    // (-1, -1): asked for by keyboard, Shift+F10 or the menu key.
    if (screen.x == -1 && screen.y == -1)
        screen = ContextMenuPointForKeyboard();
    ShowContextMenu(IDR_MENU_IMPORT_CONTEXT, screen);
    return true;
}

} // namespace kolvane
