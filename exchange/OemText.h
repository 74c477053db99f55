#pragma once

#include <string>

namespace kolvane {

// Converts DOS (OEM) text to the program's ANSI text in place, byte for byte,
// as the system's OemToChar does: through the system in the Windows build,
// through a built-in code page 850 table elsewhere (the German letters are
// the same there as in code page 437).
void ConvertOemToAnsi(std::string& text);

} // namespace kolvane
