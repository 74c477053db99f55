#pragma once

#include "support/SettingsTable.h"

#include <array>
#include <string>

namespace kolvane {

// What the import window reads.
enum class ImportKind { CdPlayerIni = 0, NativeFile = 1, LegacyV1 = 2 };

// The import window's keys beside those of every record list window: the
// folder last used for each kind of import.
struct ImportFolderSettings {
    std::string workDirIni;
    std::string workDirKvd;
    std::string workDirV1x;

    std::array<zul::Setting, 3> Table() {
        return {{
            zul::TextSetting("WorkDirIni", workDirIni),
            zul::TextSetting("WorkDirKvd", workDirKvd),
            zul::TextSetting("WorkDirV1x", workDirV1x),
        }};
    }
    // The one key of that kind.
    zul::Setting For(ImportKind kind) { return Table()[KindIndex(kind)]; }
    std::string& FolderOf(ImportKind kind) {
        std::string* folders[] = {&workDirIni, &workDirKvd, &workDirV1x};
        return *folders[KindIndex(kind)];
    }

private:
    // The table's order: ini, kvd, v1.x.
    static int KindIndex(ImportKind kind) {
        switch (kind) {
        case ImportKind::CdPlayerIni:
            return 0;
        case ImportKind::NativeFile:
            return 1;
        case ImportKind::LegacyV1:
            break;
        }
        return 2;
    }
};

} // namespace kolvane
