#include "core/DocumentTitle.h"

namespace kolvane {

std::string DocumentTitle(bool modified, std::string_view fileName, std::string_view appName) {
    std::string title;
    if (modified)
        title += " * ";
    if (!fileName.empty()) {
        title += fileName;
        title += " - ";
    }
    title += appName;
    return title;
}

} // namespace kolvane
