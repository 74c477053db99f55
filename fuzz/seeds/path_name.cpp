// Writes the seed corpus of fuzz_path_name into the folder given as argument:
// paths with drives, folders, dots and both separators.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    const seeds::Samples samples = {
        {"drive", "C:\\Daten\\liste.kvd"},
        {"dots", "a.b.kvd"},
        {"mixed", "D:mixed/ordner.alt\\name"},
        {"relative", "../x/./y.ini"},
        {"absolute", "/abs/../p/q/.."},
        {"unc", "\\\\server\\share\\f.kvd"},
        {"drive_only", "C:"},
        {"extension_only", ".kvd"},
    };
    seeds::WriteSamples(folder, samples);
    return 0;
}
