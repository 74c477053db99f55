#pragma once

#include "support/SettingsStore.h"

#include <string>

namespace kolvane {

// Versions before the registry kept their settings in a profile file beside
// the program; what start-up takes over from it, without the system's calls.

// The profile reads of the older versions used a buffer of this size.
constexpr int LegacyReadBufferSize = 1024;

// The older settings file: the program's path with the extension ".ini".
std::string LegacySettingsPath(const std::string& programPath);

// Copies the keys of the sections MainDlg and ImportDlg that the older
// versions had, each by the rule of its kind: a block or list only if one of
// its bytes is set, a flag always (1 where it is missing), the sort column
// only if it is not -1, a text only if it is not empty.
void CopyLegacySettings(zul::SettingsStore& profile, zul::SettingsStore& store);

} // namespace kolvane
