#pragma once

#include <windows.h>

#include <string>

namespace zul::Windows {

// The system's message for an error code in the user's language, without the
// trailing line break; empty when the system has none.
std::string SystemErrorText(DWORD code);

} // namespace zul::Windows
