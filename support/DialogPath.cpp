#include "support/DialogPath.h"

namespace zul {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

} // namespace

std::string DialogPath(std::string_view folder, std::string_view typed,
                       std::string_view defaultExtension) {
    std::string path;
    if (HasDrive(typed)) {
        path = typed;
    } else if (!typed.empty() && IsSeparator(typed.front())) {
        path = folder.substr(0, HasDrive(folder) ? 2 : 0);
        path += typed;
    } else {
        path = folder;
        if (path.empty() || !IsSeparator(path.back()))
            path += '\\';
        path += typed;
    }
    const std::size_t nameStart = path.find_last_of("\\/") + 1; // 0 without separator
    if (!defaultExtension.empty() && path.find('.', nameStart) == std::string::npos) {
        path += '.';
        path += defaultExtension;
    }
    return path;
}

} // namespace zul
