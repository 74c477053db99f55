#pragma once

namespace zul::Windows {

// Formats like printf and writes the text to the debugger output. The text may
// have any length.
void DebugTrace(const char* format, ...);

} // namespace zul::Windows
