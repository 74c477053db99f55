#include "testkit/win32/TestApp.h"

namespace kvtest {

std::string SourceHelpFolder() {
    std::string folder = "Z:" KV_SOURCE_DIR "/help/";
    for (char& c : folder)
        c = c == '/' ? '\\' : c;
    return folder;
}

} // namespace kvtest
