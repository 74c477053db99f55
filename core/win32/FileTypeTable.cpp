#include "core/win32/FileTypeTable.h"

#include "resources/resource.h"
#include "support/win32/ResourceText.h"

namespace kolvane {

namespace {

struct FileTypeSource {
    FileKind kind;
    unsigned filterId;
    const char* defaultExtension;
};

// Playlists and legacy data are only read, so they need no default extension.
constexpr FileTypeSource Sources[FileTypeTable::KindCount] = {
    {FileKind::Native, IDS_FILTER_NATIVE, "kvd"},
    {FileKind::Csv, IDS_FILTER_CSV, "csv"},
    {FileKind::M3u, IDS_FILTER_M3U, ""},
    {FileKind::CdPlayerIni, IDS_FILTER_CDPLAYER, "ini"},
    {FileKind::Legacy, IDS_FILTER_LEGACY, ""},
};

} // namespace

void FileTypeTable::Load() {
    for (const FileTypeSource& source : Sources) {
        FileType& type = types_[static_cast<int>(source.kind)];
        type.filter = zul::Windows::LoadResourceText(source.filterId);
        type.defaultExtension = source.defaultExtension;
    }
}

FileTypeTable& FileTypeTable::Shared() {
    static FileTypeTable table = [] {
        FileTypeTable loaded;
        loaded.Load();
        return loaded;
    }();
    return table;
}

} // namespace kolvane
