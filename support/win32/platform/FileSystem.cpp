// The Windows file-system calls behind support/FileSystem.h. This file is part
// of the portable support library in the Windows build (see CMakeLists.txt).
#include "support/FileSystem.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <vector>

namespace zul {

std::string MakeAbsolutePath(const std::string& path) {
    if (path.empty())
        return {};
    // Asked for the size first, so that no length of path is cut; the loop
    // covers a current folder that changed between the two calls.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()),
                                        buffer.data(), nullptr);
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(length);
    }
}

std::FILE* CreateNewFile(const std::string& path) {
    int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                   _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) {
        int error = errno;
        _close(fd);
        _unlink(path.c_str());
        errno = error;
    }
    return file;
}

bool CommitFile(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

std::int64_t FileLength(std::FILE* file) {
    return _filelengthi64(_fileno(file));
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace zul
