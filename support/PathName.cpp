#include "support/PathName.h"

#include "support/FileSystem.h"

namespace zul {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

void PathName::Split(std::string_view path) {
    drive_.clear();
    if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
        drive_ = path.substr(0, 2);
        path.remove_prefix(2);
    }
    size_t lastSeparator = path.find_last_of("\\/");
    size_t nameStart = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
    folder_ = path.substr(0, nameStart);
    std::string_view name = path.substr(nameStart);
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        dot = name.size();
    baseName_ = name.substr(0, dot);
    extension_ = name.substr(dot);
}

std::string PathName::Compose() const {
    std::string path = drive_;
    if (!folder_.empty()) {
        path += folder_;
        if (!IsSeparator(folder_.back()))
            path += '\\';
    }
    path += baseName_;
    if (!extension_.empty()) {
        if (extension_.front() != '.')
            path += '.';
        path += extension_;
    }
    return path;
}

std::string PathName::FullPath() const {
    return MakeAbsolutePath(Compose());
}

std::string PathName::FolderOf() const {
    std::string full = FullPath();
    if (full.empty())
        return full;
    PathName parts(full);
    return parts.GetDrive() + parts.GetFolder();
}

std::string WithTrailingBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

} // namespace zul
