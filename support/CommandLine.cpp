#include "support/CommandLine.h"

namespace zul {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> arguments;
    size_t i = 0;
    // The program name: up to the closing quote or the first blank, no escapes.
    std::string program;
    if (i < line.size() && line[i] == '"') {
        ++i;
        while (i < line.size() && line[i] != '"') {
            program.push_back(line[i++]);
        }
        if (i < line.size()) {
            ++i;
        }
    } else {
        while (i < line.size() && !IsBlank(line[i])) {
            program.push_back(line[i++]);
        }
    }
    arguments.push_back(program);

    for (;;) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        if (i >= line.size()) {
            break;
        }
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i]))) {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument.push_back('"');
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument.push_back('"'); // "" inside quotes is one quote
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < line.size() && (quoted || !IsBlank(line[i]))) {
                    argument.push_back(line[i++]);
                }
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

CommandLineInfo ParseCommandLineArguments(const std::vector<std::string>& arguments) {
    CommandLineInfo info;
    bool haveFile = false;
    for (const std::string& argument : arguments) {
        if (!argument.empty() && (argument[0] == '-' || argument[0] == '/')) {
            info.switches.push_back(argument);
        } else if (!haveFile) {
            info.fileName = argument;
            haveFile = true;
        }
    }
    return info;
}

} // namespace zul
