#pragma once

#include "support/SettingsStore.h"
#include "support/win32/WinApp.h"

#include <string>

namespace kolvane {

// Versions before the registry kept their settings in a profile file beside
// the program. Start-up takes such a file over once and removes it.

// The older settings file: the program's path with the extension ".ini".
std::string LegacySettingsPath(const std::string& programPath);

// Copies the keys of the sections MainDlg and ImportDlg that the older
// versions had, each by the rule of its kind: a block or list only if one of
// its bytes is set, a flag always (1 where it is missing), the sort column
// only if it is not -1, a text only if it is not empty.
void CopyLegacySettings(zul::SettingsStore& profile, zul::SettingsStore& store);

// Nothing without the file; otherwise copy into the application's store and
// delete the file, with WARNUNG 502 if it stays (the next start then takes
// it over again).
void TakeOverLegacySettings(zul::Windows::WinApp& app);

} // namespace kolvane
