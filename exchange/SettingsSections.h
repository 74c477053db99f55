#pragma once

#include "core/RecordListSettings.h"
#include "exchange/ImportKind.h"
#include "exchange/M3uWindowSettings.h"
#include "exchange/MainWindowSettings.h"

namespace kolvane {

// The program's settings sections, each named once here with the tables of
// its keys in the order in which they are read and written. The windows, the
// takeover of the older settings file and the tests all go through these.

// The main window: RecordListSettings, then MainWindowSettings.
inline constexpr char MainWindowSection[] = "MainDlg";
// The import window: RecordListSettings, then ImportFolderSettings.
inline constexpr char ImportWindowSection[] = "ImportDlg";
// The M3U-Ext import window: M3uWindowSettings.
inline constexpr char M3uWindowSection[] = "ImportM3uExtDlg";

} // namespace kolvane
