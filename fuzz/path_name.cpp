// Any bytes as a path: taking it apart must give back every byte in its parts,
// composing must give the path again, a replaced part must be found again, and
// the absolute form must be absolute with no "." or ".." left.
#include "fuzz/Harness.h"
#include "support/PathName.h"

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
    kvfuzz::FailIf(name.GetDrive() + name.GetFolder() + name.GetBaseName() + name.GetExtension() !=
                       path ||
                   name.Compose() != path);
    kvfuzz::FailIf(name.GetBaseName().find_first_of("\\/") != std::string::npos ||
                   (!name.GetExtension().empty() && name.GetExtension()[0] != '.') ||
                   name.GetExtension().find_first_of("\\/") != std::string::npos);

    zul::PathName renamed = name;
    renamed.SetExtension(".ini");
    zul::PathName again(renamed.Compose());
    kvfuzz::FailIf(again.GetExtension() != ".ini" || again.GetFolder() != name.GetFolder() ||
                   again.GetDrive() != name.GetDrive());
    renamed.SetBaseName("neu");
    renamed.SetExtension("kvd"); // Compose adds the dot
    kvfuzz::FailIf(zul::PathName(renamed.Compose()).GetBaseName() != "neu");

    const std::string full = name.FullPath();
    kvfuzz::FailIf(!full.empty() && (full[0] != '/' || HasDotSegment(full)));
    const std::string folder = name.FolderOf();
    kvfuzz::FailIf(!folder.empty() &&
                   ((folder.back() != '/' && folder.back() != '\\') ||
                    folder.compare(0, folder.size(), full, 0, folder.size()) != 0));

    const std::string stored = zul::WithTrailingBackslash(path);
    kvfuzz::FailIf(stored.empty() || stored.back() != '\\' ||
                   stored.compare(0, path.size(), path) != 0);
    return 0;
}
