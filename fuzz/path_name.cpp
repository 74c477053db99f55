// Any bytes as a path: its parts give it back, a replaced extension is found
// again, a stored folder ends in a backslash.
#include "fuzz/Harness.h"
#include "support/PathName.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 4096)
        return 0;
    const std::string path(reinterpret_cast<const char*>(data), size);
    zul::PathName name(path);
    kvfuzz::FailIf(name.GetDrive() + name.GetFolder() + name.GetBaseName() + name.GetExtension() !=
                       path ||
                   name.Compose() != path);
    kvfuzz::FailIf(name.GetBaseName().find_first_of("\\/") != std::string::npos ||
                   (!name.GetExtension().empty() && name.GetExtension()[0] != '.'));

    zul::PathName renamed = name;
    renamed.SetExtension(".ini");
    zul::PathName again(renamed.Compose());
    kvfuzz::FailIf(again.GetExtension() != ".ini" || again.GetFolder() != name.GetFolder() ||
                   again.GetDrive() != name.GetDrive());
    name.FullPath();
    name.FolderOf();

    const std::string stored = zul::WithTrailingBackslash(path);
    kvfuzz::FailIf(stored.empty() || stored.back() != '\\' ||
                   stored.compare(0, path.size(), path) != 0);
    return 0;
}
