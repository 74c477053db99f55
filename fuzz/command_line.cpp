// Any bytes as the command line: splitting makes no text up, and arguments
// quoted as the C runtime reads them split into themselves again.
#include "fuzz/Harness.h"
#include "support/CommandLine.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// Backslashes before a quote and at the end doubled, quotes escaped.
std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> arguments = zul::SplitCommandLine(line);
    kvfuzz::FailIf(arguments.empty());
    size_t characters = 0;
    for (const std::string& argument : arguments)
        characters += argument.size();
    kvfuzz::FailIf(characters > size);

    std::string rebuilt = "\"kolvane.exe\"";
    for (size_t i = 1; i < arguments.size(); ++i)
        rebuilt += " " + Quoted(arguments[i]);
    std::vector<std::string> again = zul::SplitCommandLine(rebuilt);
    again[0] = arguments[0];
    kvfuzz::FailIf(again != arguments);

    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    zul::ParseCommandLineArguments(rest);
    return 0;
}
