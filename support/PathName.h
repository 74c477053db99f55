#pragma once

#include <string>
#include <string_view>

namespace zul {

// A path taken apart into drive, folder, base name and extension, so that one
// part can be replaced and the path put together again. Parts are held at any
// length; nothing is cut.
class PathName {
public:
    PathName() = default;
    explicit PathName(std::string_view path) { Split(path); }
    virtual ~PathName() = default;

    // Drive: a letter and a colon at the start. Folder: up to and including the
    // last "\" or "/". Extension: the rest from its last "." on. Base name: what
    // lies between.
    void Split(std::string_view path);

    void SetBaseName(std::string_view baseName) { baseName_ = baseName; }
    // Given with its dot, as in ".ini"; a missing dot is added by Compose.
    void SetExtension(std::string_view extension) { extension_ = extension; }

    const std::string& GetDrive() const { return drive_; }
    const std::string& GetFolder() const { return folder_; }
    const std::string& GetBaseName() const { return baseName_; }
    const std::string& GetExtension() const { return extension_; }

    // Drive, folder (with a "\" added unless it ends in one), base name and
    // extension (with a "." added unless it starts with one); empty parts are
    // left out.
    virtual std::string Compose() const;
    // Compose made absolute against the current folder, "." and ".." resolved;
    // empty when that is not possible.
    std::string FullPath() const;
    // Drive and folder of FullPath, ending in the folder separator.
    std::string FolderOf() const;

private:
    std::string drive_;
    std::string folder_;
    std::string baseName_;
    std::string extension_;
};

// A stored folder as the program uses it: ending in "\" (an empty one becomes
// "\", "." becomes ".\").
std::string WithTrailingBackslash(std::string folder);

} // namespace zul
