#pragma once

#include "support/SettingsTable.h"

#include <array>
#include <string>

namespace kolvane {

// The size of a window placement record (WINDOWPLACEMENT) as stored.
constexpr int PlacementSize = 44;

// The side pane's width and its notes' height in dialog units, for a window
// without stored settings and for "Zusatz-Info auf Standard-Größe setzen".
constexpr int DefaultInfoMetric[2] = {160, 60};

// The stored column widths of a list window that has none yet, in pixels at
// 96 dots per inch.
constexpr int DefaultColumnWidths[4] = {120, 150, 60, 70};

// The settings a record list window (the main window and the import window)
// keeps in its own section, in the order in which they are read and written.
// The values here are the defaults of a window without stored settings.
struct RecordListSettings {
    // Normal, at (19, 32) - (761, 478).
    unsigned char placement[PlacementSize] = {
        0x2C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x13, 0x00,
        0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0xF9, 0x02, 0x00, 0x00, 0xDE, 0x01, 0x00, 0x00};
    int columns[4] = {DefaultColumnWidths[0], DefaultColumnWidths[1], DefaultColumnWidths[2],
                      DefaultColumnWidths[3]};
    bool addInfo = true;
    bool grid = true;
    std::string workDir = ".";
    int defSortBy = -1;
    bool defSortUp = true;
    int infoMetric[2] = {DefaultInfoMetric[0], DefaultInfoMetric[1]};
    bool dragDraw = true;

    std::array<zul::Setting, 9> Table() {
        return {{
            zul::BytesSetting("Placement", placement),
            zul::IntListSetting("Columns", columns),
            zul::FlagSetting("AddInfo", addInfo),
            zul::FlagSetting("Grid", grid),
            zul::TextSetting("WorkDir", workDir),
            zul::IntSetting("DefSortBy", defSortBy),
            zul::FlagSetting("DefSortUp", defSortUp),
            zul::IntListSetting("InfoMetric", infoMetric),
            zul::FlagSetting("DragDraw", dragDraw),
        }};
    }
};

} // namespace kolvane
