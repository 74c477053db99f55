#include "exchange/LegacySettingsCopy.h"

#include "exchange/SettingsSections.h"
#include "support/PathName.h"
#include "support/SettingsTable.h"

#include <span>

namespace kolvane {

namespace {

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
    CopySection(MainWindowSection, listWindow.Table(), mainWindow.Table(), profile, store);
    CopySection(ImportWindowSection, listWindow.Table(), importWindow.Table(), profile, store);
}

} // namespace kolvane
