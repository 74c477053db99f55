#pragma once

#include <windows.h>

#include <string>

namespace zul::Windows {

// The file name of a module (the program itself for nullptr), at any length;
// empty when the system cannot tell it.
std::string ProgramPath(HMODULE module = nullptr);

} // namespace zul::Windows
