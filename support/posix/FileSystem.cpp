// The native build's file-system calls (Linux and other POSIX systems).
#include "support/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace zul {

std::string MakeAbsolutePath(const std::string& path) {
    if (path.empty())
        return {};
    std::string combined = path;
    if (path.front() != '/') {
        std::error_code error;
        std::string current = std::filesystem::current_path(error).string();
        if (error || current.empty())
            return {};
        combined = current + "/" + path;
    }
    // Resolved by the text alone, as Windows does: the names need not exist.
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= combined.size()) {
        size_t end = combined.find('/', start);
        if (end == std::string::npos)
            end = combined.size();
        std::string name = combined.substr(start, end - start);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& name : names)
        result += "/" + name;
    if (result.empty() || combined.back() == '/')
        result += '/';
    return result;
}

std::FILE* CreateNewFile(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        int error = errno;
        close(fd);
        unlink(path.c_str());
        errno = error;
    }
    return file;
}

bool RemoveFile(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

PathKind KindOfPath(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return errno == ENOENT ? PathKind::Missing : PathKind::Other;
    if (!S_ISREG(status.st_mode))
        return PathKind::Other;
    // The permission bits, not access(): the tests run as root, who may
    // write anything.
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ? PathKind::ReadOnlyFile
                                                                  : PathKind::File;
}

bool CommitFile(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

std::int64_t FileLength(std::FILE* file) {
    off_t position = ftello(file);
    if (position < 0 || fseeko(file, 0, SEEK_END) != 0)
        return -1;
    off_t length = ftello(file);
    if (fseeko(file, position, SEEK_SET) != 0)
        return -1;
    return length;
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    struct stat status;
    if (stat(target.c_str(), &status) == 0 && chmod(source.c_str(), status.st_mode & 07777) != 0)
        return false;
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first, second;
    if (stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return MakeAbsolutePath(a) == MakeAbsolutePath(b);
}

FileStamp StampOfFile(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return {};
    return {true, static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

} // namespace zul
