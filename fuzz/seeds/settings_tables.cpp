// Writes the seed corpus of fuzz_settings_tables into the folder given as
// argument: records of a section-and-key byte, a kind byte (0 text, 1 flag,
// 2 int, 3 int list, 4 bytes), a length byte and the value.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    using namespace std::string_literals;
    // Key byte = section + 3 * key (keys as listed in the fuzzer).
    const seeds::Samples samples = {
        // MainDlg: WorkDir "C:\Daten", DefSortBy 2, InfoMetric 200 80.
        {"main", "\x0c\x00\x08" "C:\\Daten" "\x0f\x02\x04\x02\x00\x00\x00"
                 "\x15\x03\x08\xc8\x00\x00\x00\x50\x00\x00\x00"s},
        // ImportDlg: Columns as 3 ints (wrong count), WorkDirKvd empty.
        {"import", "\x04\x03\x0c\x78\x00\x00\x00\x96\x00\x00\x00\x3c\x00\x00\x00"
                   "\x34\x00\x00"s},
        // MainDlg: ExportFields 0xFF, DefSortBy as a text.
        {"fields", "\x2d\x04\x01\xff" "\x0f\x00\x01" "3"s},
        // ImportM3uExtDlg: ImportInterpreten, Placement of 2 bytes.
        {"m3u", "\x3b\x01\x01\x01" "\x02\x04\x02\x2c\x00"s},
    };
    return seeds::WriteSampleCorpus(argc, argv, samples);
}
