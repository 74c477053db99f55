#pragma once

#include <string>
#include <string_view>

namespace zul {

// The full path a common file dialog puts together from its current folder
// and the name typed into it, before it checks or shortens anything: a name
// with a drive stands for itself, a name from the root goes on the folder's
// drive, any other name goes after the folder and a backslash; a default
// extension is added when the name has none. The system's dialogs build this
// in a buffer of MAX_PATH characters, so a longer one must not reach them.
std::string DialogPath(std::string_view folder, std::string_view typed,
                       std::string_view defaultExtension);

} // namespace zul
