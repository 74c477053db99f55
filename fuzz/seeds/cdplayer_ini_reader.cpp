// Writes the seed corpus of fuzz_cdplayer_ini_reader into the folder given as
// argument: a file made by the program's own export, and the hand-made forms
// the import has to tell apart (pending sections, stray keys, bad headers).
#include "exchange/CdPlayerIniExporter.h"

#include "SeedCorpus.h"

namespace {

class QuietReporter : public zul::MessageReporter {
public:
    void ReportError(int) override {}
    void ReportWarning(int) override {}
};

} // namespace

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    kolvane::DiscCollection entries = {
        {"Die \xC4rzte", "Planet Punk", "1995", "4A3B2C1D", "Eins\r\n\r\n Zwei \r\n", ""},
        {"", "Nur Titel", "", "77", "", ""},
        {"a=b", "\"q\"", "", "FF00", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11", ""}};
    QuietReporter reporter;
    std::remove((folder + "exported").c_str());
    kolvane::CdPlayerIniExporter(reporter).Export(entries, folder + "exported");

    const seeds::Samples samples = {
        {"empty", ""},
        {"settings_first", "[Settings]\r\nIntroTime=10\r\n[1]\r\n0=x\r\n"},
        {"pending_at_end", "[A]\nTitle=t\n[B]\nEntryType=1\n"},
        {"pending_then_header", "[A]\nTitle=t\n[B]\nNumPlay=1\n[C]\nTitle=c\n"},
        {"stray_title", "Version=2\nTitle=stray\n[A]\n"},
        {"comments", "; remark = x\n[A]\n; comment\n"},
        {"headers", "[]\n[A\n  [B] tail ]\n3=c\n1=a\n"},
        {"ctrl_z", "[A]\r\nTitle=a\r\n\x1A[B]\r\nbroken\r\n"},
        {"lowercase", "[D]\ntitle=lower\nARTIST=upper\nTitle =blank\n12=twelve\n"},
    };
    seeds::WriteSamples(folder, samples);
    return 0;
}
