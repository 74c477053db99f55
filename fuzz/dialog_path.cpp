// Any bytes as the folder of a file dialog, the name typed into it and the
// default extension: the path put together must end with the typed name (and
// the extension, added exactly when the name part has no dot), begin with
// the folder, the folder's drive or the typed drive by the kind of name, and
// stay the same when put together again from a path with a drive.
#include "fuzz/Harness.h"
#include "support/DialogPath.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

} // namespace

// Layout: folder, typed name and default extension, separated by zero bytes.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 4096)
        return 0;
    std::vector<std::string> parts = kvfuzz::Fields(data, size, 0, 3);
    parts.resize(3);
    const std::string& folder = parts[0];
    const std::string& typed = parts[1];
    const std::string& extension = parts[2];
    // Default extensions are the program's own ("kvd", "csv", "ini"): no
    // separator, no dot.
    if (extension.find_first_of(std::string("\\/.\0", 4)) != std::string::npos)
        return 0;
    const std::string path = zul::DialogPath(folder, typed, extension);

    // What stands before the typed name: nothing for a name with a drive,
    // the folder's drive for one from the root, else the folder and a
    // separator.
    auto headFits = [&](std::string_view head) {
        if (HasDrive(typed))
            return head.empty();
        if (!typed.empty() && (typed[0] == '\\' || typed[0] == '/'))
            return head == (HasDrive(folder) ? std::string_view(folder).substr(0, 2) : "");
        return StartsWith(head, folder) && head.size() <= folder.size() + 1 && !head.empty() &&
               (head.back() == '\\' || head.back() == '/');
    };
    auto nameHasDot = [](std::string_view p) {
        return p.find('.', p.find_last_of("\\/") + 1) != std::string_view::npos;
    };
    const std::string_view whole(path);
    const std::string added = extension.empty() ? std::string() : "." + extension;
    const bool plain = whole.size() >= typed.size() &&
                       whole.substr(whole.size() - typed.size()) == typed &&
                       headFits(whole.substr(0, whole.size() - typed.size())) &&
                       (extension.empty() || nameHasDot(whole));
    const std::string_view base =
        whole.substr(0, whole.size() - std::min(added.size(), whole.size()));
    const bool extended = !extension.empty() && whole.size() >= added.size() + typed.size() &&
                          whole.substr(base.size()) == added &&
                          base.substr(base.size() - typed.size()) == typed &&
                          headFits(base.substr(0, base.size() - typed.size())) && !nameHasDot(base);
    kvfuzz::FailIf(!plain && !extended);

    kvfuzz::FailIf(HasDrive(path) && zul::DialogPath(folder, path, extension) != path);
    return 0;
}
