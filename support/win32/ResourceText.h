#pragma once

#include <windows.h>

#include <string>

namespace zul::Windows {

// The string-table entry id of the program as code page 1252 bytes; empty when
// there is none.
std::string LoadResourceText(UINT id);

} // namespace zul::Windows
