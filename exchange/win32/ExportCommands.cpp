#include "exchange/win32/ExportCommands.h"

#include "core/NativeFile.h"
#include "core/win32/FileTypeTable.h"
#include "exchange/CdPlayerIniExporter.h"
#include "exchange/CsvExporter.h"
#include "exchange/win32/ExportFieldsDialog.h"
#include "resources/resource.h"
#include "support/FileSystem.h"
#include "support/PathName.h"
#include "support/win32/AppMessageReporter.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/SystemDialogs.h"
#include "support/win32/WaitCursor.h"
#include "support/win32/WinApp.h"

#include <optional>

namespace kolvane {

using zul::Windows::FileDialog;
using zul::Windows::WinApp;

namespace {

constexpr DWORD SaveFlags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                            OFN_NOREADONLYRETURN;

// Asks for the target in the save dialog of the file kind, which refuses the
// open collection's file; on confirmation the folder takes the chosen file's
// drive and folder and the full path is returned.
std::optional<std::string> ChooseTarget(FileKind kind, DWORD flags, const std::string& openFile,
                                        std::string& folder) {
    const FileTypeTable::FileType& type = FileTypeTable::Shared().Get(kind);
    FileDialog dialog(FileDialog::Kind::Save, type.filter, type.defaultExtension, std::string(),
                      flags);
    dialog.SetInitialFolder(folder);
    if (!openFile.empty()) {
        dialog.SetPathCheck([&openFile](const std::string& path) {
            if (!zul::IsSameFile(path, openFile))
                return true;
            WinApp::Current()->ShowError(IDS_ERR_015);
            return false;
        });
    }
    if (WinApp::Current()->RunModal(dialog) != IDOK)
        return std::nullopt;
    const std::string full = zul::PathName(dialog.Path()).FullPath();
    const zul::PathName parts(full.empty() ? dialog.Path() : full);
    folder = parts.GetDrive() + parts.GetFolder();
    return folder + parts.GetBaseName() + parts.GetExtension();
}

DiscCollection SelectedEntries(const CollectionView& view) {
    DiscCollection entries;
    view.CollectSelected(entries);
    return entries;
}

} // namespace

void ExportSelectedAsNative(const CollectionView& view, const std::string& openFile,
                            std::string& folder) {
    const std::optional<std::string> path =
        ChooseTarget(FileKind::Native, SaveFlags | OFN_OVERWRITEPROMPT, openFile, folder);
    if (!path)
        return;
    zul::Windows::WaitCursor wait;
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    zul::Windows::StatusLineProgress progress(view.List().Handle(), IDS_PROGRESS_EXPORT);
    SaveNativeFile(*path, SelectedEntries(view), reporter, &progress);
}

void ExportSelectedAsCsv(const CollectionView& view, const std::string& openFile,
                         std::string& folder, ExportFieldSet& fields, HWND owner) {
    ExportFieldsDialog choice(fields, owner);
    if (WinApp::Current()->RunModal(choice) != IDOK)
        return;
    fields = choice.Fields();
    const std::optional<std::string> path =
        ChooseTarget(FileKind::Csv, SaveFlags | OFN_OVERWRITEPROMPT, openFile, folder);
    if (!path)
        return;
    zul::Windows::WaitCursor wait;
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    zul::Windows::StatusLineProgress progress(view.List().Handle(), IDS_PROGRESS_EXPORT);
    CsvExporter(reporter).Export(SelectedEntries(view), *path, fields, &progress);
}

void ExportSelectedToCdPlayerIni(const CollectionView& view, const std::string& openFile,
                                 std::string& folder) {
    // No overwrite question: the export adds to an existing file.
    const std::optional<std::string> path =
        ChooseTarget(FileKind::CdPlayerIni, SaveFlags, openFile, folder);
    if (!path)
        return;
    zul::Windows::WaitCursor wait;
    zul::Windows::AppMessageReporter reporter(*WinApp::Current());
    zul::Windows::StatusLineProgress progress(view.List().Handle(), IDS_PROGRESS_EXPORT);
    CdPlayerIniExporter(reporter).Export(SelectedEntries(view), *path, &progress);
}

} // namespace kolvane
