#pragma once

#include <array>
#include <string>

namespace kolvane {

// The kinds of file the program's file dialogs open and save.
enum class FileKind { Native, Csv, M3u, CdPlayerIni, Legacy };

// Filter text ("description|pattern|...||") and default extension of every
// file kind, from the string table. Every file dialog of the program takes
// them from the application's table (Shared).
class FileTypeTable {
public:
    static constexpr int KindCount = 5;

    struct FileType {
        std::string filter;
        // Added by the file dialog to a name typed without one; empty = none.
        std::string defaultExtension;
    };

    // Reads the filters again and sets the default extensions.
    void Load();
    const FileType& Get(FileKind kind) const { return types_[static_cast<int>(kind)]; }
    const std::string& Filter(FileKind kind) const { return Get(kind).filter; }
    const std::string& DefaultExtension(FileKind kind) const { return Get(kind).defaultExtension; }

    // The table of the program, loaded on first use; start-up loads it
    // explicitly before any window opens.
    static FileTypeTable& Shared();

private:
    std::array<FileType, KindCount> types_;
};

} // namespace kolvane
