// Writes the seed corpus of fuzz_command_line into the folder given as argument:
// command lines as Windows hands them over, with quotes, escapes and switches.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    const seeds::Samples samples = {
        {"plain", "kolvane.exe liste.kvd"},
        {"quoted", "\"C:\\Programme\\Kolvane\\Kolvane.exe\" -x \"C:\\Daten\\meine liste.kvd\" /y"},
        {"escapes", "k.exe a\\\\\\\"b \"c\\\\\" \"d\"\"e\" f\\\\g \t -"},
        {"switches", "k.exe /a -b c d"},
        {"unclosed", "\"k.exe a \"b c"},
    };
    seeds::WriteSamples(folder, samples);
    return 0;
}
