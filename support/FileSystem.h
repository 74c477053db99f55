#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The few file-system calls that differ between Windows and the native build.
// Each is implemented once in support/win32/platform/ and once in
// support/posix/; paths are code page 1252 text on Windows.
namespace zul {

// The path made absolute against the current folder, "." and ".." resolved;
// empty when that is not possible.
std::string MakeAbsolutePath(const std::string& path);

// The longest path the program writes to. The system's file calls of the
// Windows program take no more (MAX_PATH less the terminating zero), so a
// file created under a longer name could be neither renamed nor removed.
constexpr std::size_t MaxWritablePathLength = 259;

// Creates a file that did not exist yet and opens it for binary writing.
// Returns nullptr with errno set (EEXIST when the name is taken,
// ENAMETOOLONG beyond MaxWritablePathLength on Windows) on failure. Other
// programs may read the file while it is open, not remove it.
std::FILE* CreateNewFile(const std::string& path);

// Removes a file; never a folder. False when nothing was removed.
bool RemoveFile(const std::string& path);

// What stands at a path that a new file is to replace. A read-only file is
// one the system marks so (Windows) or one without any write permission
// (POSIX, where the owner may still have the right to change that).
enum class PathKind { Missing, File, ReadOnlyFile, Other };
PathKind KindOfPath(const std::string& path);

// Writes what the stream holds and what the system holds of it to the disc,
// so that a rename afterwards never exposes a partly written file.
bool CommitFile(std::FILE* file);

// Total length of an open file in bytes, -1 when it cannot be told.
std::int64_t FileLength(std::FILE* file);

// Moves source over target, replacing an existing target in one step. A
// replaced target passes its attributes and permissions on to the new file.
bool ReplaceFileWith(const std::string& source, const std::string& target);

// Whether two paths name the same file as the system sees it: one file (also
// through another link) when both exist, otherwise the same path after
// "." and "..", short names and, on Windows, letter case.
bool IsSameFile(const std::string& a, const std::string& b);

// What tells one state of a file from the next: its length and the time it
// was last written. Missing files have equal stamps.
struct FileStamp {
    bool exists = false;
    std::int64_t length = 0;
    std::int64_t lastWritten = 0; // in the system's units
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOfFile(const std::string& path);

} // namespace zul
