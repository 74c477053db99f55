// Any bytes as the program's command line: splitting must never crash or make
// text up, arguments quoted the way the C runtime reads them must split into
// themselves again, and the file and switches must follow the rule (the first
// argument that does not begin with "-" or "/" names the file).
#include "fuzz/Harness.h"
#include "support/CommandLine.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// The argument in double quotes, backslashes before a quote and at the end
// doubled, quotes escaped.
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
    const zul::CommandLineInfo info = zul::ParseCommandLineArguments(rest);
    auto isSwitch = [](const std::string& a) { return !a.empty() && (a[0] == '-' || a[0] == '/'); };
    size_t switches = 0;
    bool fileSeen = false;
    for (const std::string& argument : rest) {
        if (isSwitch(argument)) {
            kvfuzz::FailIf(info.switches.at(switches++) != argument);
        } else if (!fileSeen) {
            fileSeen = true;
            kvfuzz::FailIf(info.fileName != argument);
        }
    }
    kvfuzz::FailIf(switches != info.switches.size() || (!fileSeen && !info.fileName.empty()));
    return 0;
}
