// Writes the seed corpus of fuzz_command_line into the folder given as argument:
// command lines as Windows hands them over, with quotes, escapes and switches.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::vector<std::pair<std::string, std::string>> samples = {
        {"plain", "kolvane.exe liste.kvd"},
        {"quoted", "\"C:\\Programme\\Kolvane\\Kolvane.exe\" -x \"C:\\Daten\\meine liste.kvd\" /y"},
        {"escapes", "k.exe a\\\\\\\"b \"c\\\\\" \"d\"\"e\" f\\\\g \t -"},
        {"switches", "k.exe /a -b c d"},
        {"unclosed", "\"k.exe a \"b c"},
    };
    for (const auto& [file, text] : samples) {
        if (std::FILE* out = std::fopen((folder + file).c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), out);
            std::fclose(out);
        }
    }
    return 0;
}
