// Writes the seed corpus of fuzz_profile_file_reader into the folder given as
// argument: a query line ("section", tab, "key", optionally tab and a buffer
// size) and then the profile text.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    const seeds::Samples samples = {
        {"settings", "MainDlg\tColumns\n[MainDlg]\r\nColumns=120, 150, 60, 70\r\n"
                     "Placement=2C000000\r\nAddInfo=1\r\n"},
        {"quotes", " disc \tTITLE\n; comment\r\n[Disc] tail\r\n  Title  =  \"Quoted\"  \r\n"},
        {"duplicates", "a\tk\n[A]\nk=1\nk=2\n[a]\nk=3\n"},
        {"no_line_end", "A\tb\n[A]\r\na=1"},
        {"missing", "New\tkey\n[Other]\nkey=1\n\n"},
        {"numbers", "S\tn\n[S]\nn=-2147483648\nbytes=2G00\nlist=10.20:30,40\n"},
        {"long_value", "MainDlg\tWorkDir\n[MainDlg]\nWorkDir=" + std::string(1500, 'w') + "\n"},
        {"short_buffer", "A\tk\t3\n[A]\nk=12345\n"},
        {"buffer_one", "A\tk\t1\n[A]\nk=x\n"},
    };
    seeds::WriteSamples(folder, samples);
    return 0;
}
