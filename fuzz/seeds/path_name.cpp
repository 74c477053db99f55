// Writes the seed corpus of fuzz_path_name into the folder given as argument:
// paths with drives, folders, dots and both separators.
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
        {"drive", "C:\\Daten\\liste.kvd"},
        {"dots", "a.b.kvd"},
        {"mixed", "D:mixed/ordner.alt\\name"},
        {"relative", "../x/./y.ini"},
        {"absolute", "/abs/../p/q/.."},
        {"unc", "\\\\server\\share\\f.kvd"},
        {"drive_only", "C:"},
        {"extension_only", ".kvd"},
    };
    for (const auto& [file, text] : samples) {
        if (std::FILE* out = std::fopen((folder + file).c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), out);
            std::fclose(out);
        }
    }
    return 0;
}
