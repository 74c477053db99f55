// The Windows file-system calls behind support/FileSystem.h. This file is part
// of the portable support library in the Windows build (see CMakeLists.txt).
#include "support/FileSystem.h"

#include "support/PathName.h"
#include "support/TextCase.h"

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
    HANDLE held = ::CreateFileA(target.c_str(), GENERIC_WRITE | DELETE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held != INVALID_HANDLE_VALUE)
        ::CloseHandle(held);
    else if (::GetLastError() != ERROR_FILE_NOT_FOUND && ::GetLastError() != ERROR_PATH_NOT_FOUND)
        return false;
    // The new file takes the target's attributes before it takes its place,
    // so that the name never shows a file without them.
    const DWORD attributes = ::GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        const DWORD kept = attributes & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                         FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (!::SetFileAttributesA(source.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL))
            return false;
    }
    // One rename over the target: the name holds the old file or the new one
    // at every moment. The system's ReplaceFileA is no such step under Wine:
    // it moves the target aside, deletes it and only then renames the new
    // file, and a crash meanwhile leaves no file under the name.
    return ::MoveFileExA(source.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

namespace {

// Volume and file index of an existing file or folder; false when it cannot
// be opened (missing, or a device).
bool IdentityOf(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
    HANDLE file = ::CreateFileA(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool known = ::GetFileInformationByHandle(file, &identity) != 0;
    ::CloseHandle(file);
    return known;
}

// The path as the system resolves it: absolute, short names of the existing
// part made long, upper case.
std::string ComparablePath(const std::string& path) {
    std::string full = MakeAbsolutePath(path);
    char longPath[MAX_PATH];
    const DWORD length = ::GetLongPathNameA(full.c_str(), longPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        full.assign(longPath, length);
    } else {
        // A file that does not exist (yet): its folder may.
        const std::size_t slash = full.find_last_of('\\');
        if (slash != std::string::npos) {
            const std::string folder = full.substr(0, slash + 1);
            const DWORD folderLength = ::GetLongPathNameA(folder.c_str(), longPath, MAX_PATH);
            if (folderLength > 0 && folderLength < MAX_PATH)
                full = WithTrailingBackslash(std::string(longPath, folderLength)) +
                       full.substr(slash + 1);
        }
    }
    return UpperCased1252(full);
}

} // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION first, second;
    if (IdentityOf(a, first) && IdentityOf(b, second))
        return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
               first.nFileIndexHigh == second.nFileIndexHigh &&
               first.nFileIndexLow == second.nFileIndexLow;
    return ComparablePath(a) == ComparablePath(b);
}

FileStamp StampOfFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return {};
    return {true,
            static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
                                      data.nFileSizeLow),
            static_cast<std::int64_t>(
                (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                data.ftLastWriteTime.dwLowDateTime)};
}

} // namespace zul
