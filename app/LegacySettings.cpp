#include "app/LegacySettings.h"

#include "resources/resource.h"
#include "support/ProfileSettingsStore.h"

#include <windows.h>

namespace kolvane {

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
