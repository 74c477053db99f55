#pragma once

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

// Creates a file that did not exist yet and opens it for binary writing.
// Returns nullptr with errno set (EEXIST when the name is taken) on failure.
std::FILE* CreateNewFile(const std::string& path);

// Writes what the stream holds and what the system holds of it to the disc,
// so that a rename afterwards never exposes a partly written file.
bool CommitFile(std::FILE* file);

// Total length of an open file in bytes, -1 when it cannot be told.
std::int64_t FileLength(std::FILE* file);

// Moves source over target, replacing an existing target in one step.
bool ReplaceFileWith(const std::string& source, const std::string& target);

} // namespace zul
