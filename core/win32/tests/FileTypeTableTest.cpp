// The file types of the program's file dialogs, from the string table.
#include "core/win32/FileTypeTable.h"

#include <gtest/gtest.h>

using kolvane::FileKind;
using kolvane::FileTypeTable;

// The shared table is ready before anyone loads it: the windows of a test
// program use it without the program's start-up.
TEST(FileTypeTable, FiltersAndDefaultExtensionsOfEveryKind) {
    const struct {
        FileKind kind;
        const char* filter;
        const char* extension;
    } kinds[] = {
        {FileKind::Native, "Kolvane-Dateien (*.kvd)|*.kvd|Alle Dateien (*.*)|*.*||", "kvd"},
        {FileKind::Csv, "CSV-Datei (*.csv)|*.csv|Alle Dateien (*.*)|*.*||", "csv"},
        {FileKind::M3u, "M3U-Playlist (*.m3u)|*.m3u|Alle Dateien (*.*)|*.*||", ""},
        {FileKind::CdPlayerIni, "cdplayer.ini (*.ini)|*.ini|Alle Dateien (*.*)|*.*||", "ini"},
        {FileKind::Legacy, "Kolvane-Dateien v1.x (*.$$$)|*.$$$|Alle Dateien (*.*)|*.*||", ""},
    };
    for (const auto& k : kinds) {
        EXPECT_EQ(FileTypeTable::Shared().Filter(k.kind), k.filter);
        EXPECT_EQ(FileTypeTable::Shared().DefaultExtension(k.kind), k.extension);
    }
}
