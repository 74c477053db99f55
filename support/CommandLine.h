#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zul {

// The arguments of a command line as the C runtime of Windows splits them:
// blanks separate, double quotes group, backslashes escape a quote only in
// front of one. The first element is the program name.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// What the program takes from its command line: the first argument that does
// not begin with "-" or "/" names a file; the others are switches.
struct CommandLineInfo {
    std::string fileName;
    std::vector<std::string> switches;
};

// arguments without the program name.
CommandLineInfo ParseCommandLineArguments(const std::vector<std::string>& arguments);

} // namespace zul
