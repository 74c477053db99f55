#pragma once

#include <string>
#include <string_view>

namespace kolvane {

// Window title of a collection document: " * " while modified, then the file
// name and " - " when there is one, then the application name.
std::string DocumentTitle(bool modified, std::string_view fileName, std::string_view appName);

} // namespace kolvane
