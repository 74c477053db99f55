// Writes the seed corpus of fuzz_dialog_path into the folder given as
// argument: a dialog folder, a typed name and a default extension, separated
// by zero bytes.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    using namespace std::string_literals;
    const seeds::Samples samples = {
        {"relative", "C:\\Daten\0liste\0kvd"s},
        {"drive", "C:\\Daten\0Z:\\tmp\\a.kvd\0kvd"s},
        {"root", "D:\\x\\y\0\\neu\0csv"s},
        {"dotted_folder", "C:\\a.b\\\0name\0ini"s},
        {"no_extension", "\\\\server\\share\0a.\0"s},
    };
    return seeds::WriteSampleCorpus(argc, argv, samples);
}
