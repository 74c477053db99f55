// A file dialog's folder, typed name and default extension (split at zero
// bytes): the path ends with the name (and extension); with a drive it is
// put together again unchanged.
#include "fuzz/Harness.h"
#include "support/DialogPath.h"

#include <cctype>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 4096)
        return 0;
    std::vector<std::string> parts = kvfuzz::Fields(data, size, 0, 3);
    parts.resize(3);
    const std::string& typed = parts[1];
    const std::string& extension = parts[2];
    // The program's default extensions have no separator and no dot.
    if (extension.find_first_of(std::string("\\/.\0", 4)) != std::string::npos)
        return 0;
    const std::string path = zul::DialogPath(parts[0], typed, extension);
    kvfuzz::FailIf(!path.ends_with(typed) && !path.ends_with(typed + "." + extension));
    const bool drive = path.size() >= 2 && path[1] == ':' && std::isalpha(path[0] & 0xFF);
    kvfuzz::FailIf(drive && zul::DialogPath(parts[0], path, extension) != path);
    return 0;
}
