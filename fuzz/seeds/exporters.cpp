// Writes the seed corpus of fuzz_exporters into the folder given as argument:
// entries as the target reads them (the CSV field byte, then fields separated
// by 0x1F), with disc ids, track lists, quotes, line breaks and empty fields.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    const std::string u = "\x1F";
    const seeds::Samples samples = {
        {"two_discs", "\x37" "Die \xC4rzte" + u + "Planet Punk" + u + "1995" + u + "4A3B2C1D" + u +
                          "Eins\r\nZwei\r\n" + u + "Notiz" + u + "Bach" + u + "Goldberg" + u +
                          "1741" + u + "00C0FFEE" + u + " Aria \r\n\r\nVariatio 1" + u + ""},
        {"quotes", "\x3F" "a \"b\" c" + u + "x,y" + u + "" + u + "ID" + u + "\"\"" + u + "\r\n"},
        {"no_id", "\x01" "nur" + u + "Text"},
        {"breaks_in_id", "\x3F" "a" + u + "b" + u + "c" + u + "id\r\n[x]" + u + "t" + u + "n"},
        {"same_id", "\x3F" "a" + u + "b" + u + "" + u + "ID" + u + "" + u + "" + u + "c" + u + "d" +
                        u + "" + u + "id" + u + "" + u + ""},
    };
    seeds::WriteSamples(folder, samples);
    return 0;
}
