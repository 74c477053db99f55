// Any bytes as a path: taking it apart must give back every byte in its parts,
// composing must give the path again, a replaced part must be found again, and
// the absolute form must be absolute with no "." or ".." left.
#include "support/PathName.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool HasDotSegment(const std::string& path) {
    for (size_t start = 0; start <= path.size();) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string_view segment(path.data() + start, end - start);
        if (segment == "." || segment == "..")
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 4096)
        return 0;
    const std::string path(reinterpret_cast<const char*>(data), size);
    zul::PathName name(path);
    if (name.GetDrive() + name.GetFolder() + name.GetBaseName() + name.GetExtension() != path ||
        name.Compose() != path)
        std::abort();
    if (name.GetBaseName().find_first_of("\\/") != std::string::npos ||
        (!name.GetExtension().empty() && name.GetExtension()[0] != '.') ||
        name.GetExtension().find_first_of("\\/") != std::string::npos)
        std::abort();

    zul::PathName renamed = name;
    renamed.SetExtension(".ini");
    zul::PathName again(renamed.Compose());
    if (again.GetExtension() != ".ini" || again.GetFolder() != name.GetFolder() ||
        again.GetDrive() != name.GetDrive())
        std::abort();
    renamed.SetBaseName("neu");
    renamed.SetExtension("kvd"); // Compose adds the dot
    if (zul::PathName(renamed.Compose()).GetBaseName() != "neu")
        std::abort();

    const std::string full = name.FullPath();
    if (!full.empty() && (full[0] != '/' || HasDotSegment(full)))
        std::abort();
    const std::string folder = name.FolderOf();
    if (!folder.empty() && ((folder.back() != '/' && folder.back() != '\\') ||
                            folder.compare(0, folder.size(), full, 0, folder.size()) != 0))
        std::abort();

    const std::string stored = zul::WithTrailingBackslash(path);
    if (stored.empty() || stored.back() != '\\' || stored.compare(0, path.size(), path) != 0)
        std::abort();
    return 0;
}
