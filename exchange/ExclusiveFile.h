#pragma once

#include <cstdio>
#include <string>

namespace kolvane {

// Creates the file or cuts an existing one to length 0 and opens it for
// binary writing, with no other program allowed to open it meanwhile where
// the system can refuse that (Windows). nullptr when it cannot be opened.
std::FILE* OpenExclusiveForWriting(const std::string& path);

} // namespace kolvane
