// The file types of the program's file dialogs, from the string table.
#include "core/win32/FileTypeTable.h"

#include <gtest/gtest.h>

using kolvane::FileKind;
using kolvane::FileTypeTable;

TEST(FileTypeTable, FiltersAndDefaultExtensionsOfEveryKind) {
    FileTypeTable table;
    table.Load();
    EXPECT_EQ(table.Filter(FileKind::Native),
              "Kolvane-Dateien (*.kvd)|*.kvd|Alle Dateien (*.*)|*.*||");
    EXPECT_EQ(table.Filter(FileKind::Csv), "CSV-Datei (*.csv)|*.csv|Alle Dateien (*.*)|*.*||");
    EXPECT_EQ(table.Filter(FileKind::M3u), "M3U-Playlist (*.m3u)|*.m3u|Alle Dateien (*.*)|*.*||");
    EXPECT_EQ(table.Filter(FileKind::CdPlayerIni),
              "cdplayer.ini (*.ini)|*.ini|Alle Dateien (*.*)|*.*||");
    EXPECT_EQ(table.Filter(FileKind::Legacy),
              "Kolvane-Dateien v1.x (*.$$$)|*.$$$|Alle Dateien (*.*)|*.*||");

    EXPECT_EQ(table.DefaultExtension(FileKind::Native), "kvd");
    EXPECT_EQ(table.DefaultExtension(FileKind::Csv), "csv");
    EXPECT_EQ(table.DefaultExtension(FileKind::M3u), "");
    EXPECT_EQ(table.DefaultExtension(FileKind::CdPlayerIni), "ini");
    EXPECT_EQ(table.DefaultExtension(FileKind::Legacy), "");
}

TEST(FileTypeTable, TheSharedTableIsReadyBeforeAnyoneLoadsIt) {
    // The windows of a test program use it without the program's start-up.
    EXPECT_EQ(FileTypeTable::Shared().Filter(FileKind::Native).substr(0, 23),
              "Kolvane-Dateien (*.kvd)");
}
