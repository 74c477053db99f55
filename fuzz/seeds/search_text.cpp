// Writes the seed corpus of fuzz_search_text into the folder given as
// argument: a choice byte, a search text and the fields of a few entries,
// separated by zero bytes; umlauts in both cases.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    using namespace std::string_literals;
    const seeds::Samples samples = {
        {"down", "\x01"s + "abba" + "\0ABBA\0Gold\0" "1992\0" "1A\0Dancing Queen\r\nSOS\0" "\0"s},
        {"up_reversed", "\x0e"s + "\xfc" "ber" + "\0\xdc" "BER\0\0\0\0\0\0" "Falco\0\0\0\0\0Notiz \xfc" "ber\0"s},
        {"eszett", "\x05"s + "stra\xdf" "e" + "\0STRASSE\0Stra\xdf" "e\0\0\0\0"s},
        {"empty", "\x01"s},
    };
    return seeds::WriteSampleCorpus(argc, argv, samples);
}
