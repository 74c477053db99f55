// The Windows file-system calls behind support/FileSystem.h. This file is part
// of the portable support library in the Windows build (see CMakeLists.txt).
#include "support/FileSystem.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
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
    // Through the same ANSI calls as the rename and the removal later on: a
    // name the C runtime would take (it converts to UTF-16 itself and knows
    // no MAX_PATH) could then be neither renamed nor removed.
    if (path.size() > MaxWritablePathLength) {
        errno = ENAMETOOLONG;
        return nullptr;
    }
    HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        errno = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? EEXIST : EACCES;
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        ::DeleteFileA(path.c_str());
        errno = EMFILE;
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        _close(fd);
        ::DeleteFileA(path.c_str());
        errno = error;
    }
    return file;
}

bool RemoveFile(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != 0;
}

PathKind KindOfPath(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Missing
                                                                             : PathKind::Other;
    }
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0)
        return PathKind::Other;
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? PathKind::ReadOnlyFile : PathKind::File;
}

bool CommitFile(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

std::int64_t FileLength(std::FILE* file) {
    return _filelengthi64(_fileno(file));
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    // A target another program holds open without sharing it stays as it is.
    // Asked first: Wine's replace leaves a copy of its own ("rf….tmp") beside
    // a target it then cannot replace.
    HANDLE held = ::CreateFileA(target.c_str(), GENERIC_WRITE | DELETE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held != INVALID_HANDLE_VALUE)
        ::CloseHandle(held);
    else if (::GetLastError() != ERROR_FILE_NOT_FOUND && ::GetLastError() != ERROR_PATH_NOT_FOUND)
        return false;
    // The system's replace keeps the target's attributes, security settings
    // and streams, which a rename would take from the new file.
    if (::ReplaceFileA(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr))
        return true;
    // A rename only where the replace cannot work: no target (yet, or no
    // longer: the replace may have removed it before it failed), a file
    // system without the operation, or a path too long for the replace's own
    // temporary name (Wine's). A target the replace refused (read-only,
    // denied, in use) stays.
    switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
    case ERROR_CALL_NOT_IMPLEMENTED:
        return ::MoveFileExA(source.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    default:
        return false;
    }
}

} // namespace zul
