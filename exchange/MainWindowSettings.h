#pragma once

#include "exchange/ExportFieldSet.h"
#include "support/SettingsTable.h"

#include <array>
#include <string>

namespace kolvane {

// The main window's own keys in section "MainDlg", after those of every record
// list window, in the order in which they are read and written. The values
// here are the defaults; the export folders default to the work folder, which
// the window puts in before it reads them.
struct MainWindowSettings {
    bool showButtons = false;
    bool confirmDelete = true;
    bool hotEdit = true;
    std::string exportDirKvd;
    std::string exportDirCsv;
    std::string exportDirIni;
    unsigned char exportFields[1] = {ExportFieldSet::DefaultBits};

    std::array<zul::Setting, 7> Table() {
        return {{
            zul::NewerSetting(zul::FlagSetting("MainButtons", showButtons)),
            zul::FlagSetting("DelChk", confirmDelete),
            zul::FlagSetting("HotEdit", hotEdit),
            zul::TextSetting("ExportDirKvd", exportDirKvd),
            zul::NewerSetting(zul::TextSetting("ExportDirCsv", exportDirCsv)),
            zul::TextSetting("ExportDirIni", exportDirIni),
            zul::NewerSetting(zul::BytesSetting("ExportFields", exportFields)),
        }};
    }
};

} // namespace kolvane
