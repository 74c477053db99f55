#pragma once

#include "core/RecordListSettings.h"
#include "support/SettingsTable.h"

#include <array>
#include <string>

namespace kolvane {

// The settings of the M3U-Ext import window, section "ImportM3uExtDlg", in the
// order in which they are read and written; the values here are the defaults.
struct M3uWindowSettings {
    // Normal, at (40, 46) - (420, 433).
    unsigned char placement[PlacementSize] = {
        0x2C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x28, 0x00,
        0x00, 0x00, 0x2E, 0x00, 0x00, 0x00, 0xA4, 0x01, 0x00, 0x00, 0xB1, 0x01, 0x00, 0x00};
    bool importInterpreten = false;
    std::string workDir = ".";

    std::array<zul::Setting, 3> Table() {
        return {{
            zul::BytesSetting("Placement", placement),
            zul::FlagSetting("ImportInterpreten", importInterpreten),
            zul::TextSetting("WorkDir", workDir),
        }};
    }
};

} // namespace kolvane
