#include "app/LegacySettings.h"

#include "app/MainWindowSettings.h"
#include "core/RecordListSettings.h"
#include "exchange/ImportKind.h"
#include "resources/resource.h"
#include "support/PathName.h"
#include "support/ProfileSettingsStore.h"
#include "support/SettingsTable.h"

#include <windows.h>

#include <span>

namespace kolvane {

namespace {

// The profile reads of the older versions used a buffer of this size.
constexpr int LegacyReadBufferSize = 1024;

void CopySection(const char* section, std::span<const zul::Setting> listWindowKeys,
                 std::span<const zul::Setting> ownKeys, zul::SettingsStore& profile,
                 zul::SettingsStore& store) {
    if (!profile.OpenSection(section))
        return;
    if (store.OpenSection(section)) {
        zul::CopyOlderSettings(profile, store, listWindowKeys);
        zul::CopyOlderSettings(profile, store, ownKeys);
        store.CloseSection();
    }
    profile.CloseSection();
}

} // namespace

std::string LegacySettingsPath(const std::string& programPath) {
    zul::PathName path(programPath);
    path.SetExtension(".ini");
    return path.Compose();
}

void CopyLegacySettings(zul::SettingsStore& profile, zul::SettingsStore& store) {
    // The tables' variables only serve as scratch space for the copy.
    RecordListSettings listWindow;
    MainWindowSettings mainWindow;
    ImportFolderSettings importWindow;
    CopySection("MainDlg", listWindow.Table(), mainWindow.Table(), profile, store);
    CopySection("ImportDlg", listWindow.Table(), importWindow.Table(), profile, store);
}

void TakeOverLegacySettings(zul::Windows::WinApp& app) {
    const std::string path = LegacySettingsPath(app.ProgramPath());
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return;
    zul::SettingsStore* store = app.Settings();
    if (store == nullptr)
        return;
    zul::ProfileSettingsStore profile(path, LegacyReadBufferSize);
    CopyLegacySettings(profile, *store);
    if (!::DeleteFileA(path.c_str()))
        app.ShowWarning(IDS_WARN_502);
}

} // namespace kolvane
