// Writes the seed corpus of fuzz_m3u_reader into the folder given as
// argument: playlists with the header and information lines in the forms the
// reader has to tell apart.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    const seeds::Samples samples = {
        {"typical", "#EXTM3U\r\n#EXTINF:123,Artist - Title\r\nC:\\Musik\\01.mp3\r\n"
                    "#EXTINF:-1,Title\r\n02.mp3\r\n"},
        {"forms", "#extm3u  \n#EXTINF:5, Band - Song - Live\n#EXTINF:5,A,B\n  #extinf:5,x  \n"},
        {"no_comma", "#EXTM3U\n#EXTINF:1,good\n#EXTINF:5 no comma\n"},
        {"names_only", "#EXTM3U\nsong.mp3\n#EXTINF\n"},
        {"bom", "\xEF\xBB\xBF#EXTM3U\n#EXTINF:1,x\n"},
        {"ctrl_z", "#EXTM3U\n#EXTINF:1,a - b\x1A#EXTINF:1,c\n"},
        {"header_only", "#EXTM3U"},
    };
    seeds::WriteSamples(folder, samples);
    return 0;
}
