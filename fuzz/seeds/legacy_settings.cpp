// Writes the seed corpus of fuzz_legacy_settings into the folder given as argument:
// older settings files with every key of both sections, values of every kind,
// a text longer than the read buffer and malformed values.
#include "SeedCorpus.h"

int main(int argc, char** argv) {
    const std::string folder = seeds::CorpusFolder(argc, argv);
    if (folder.empty())
        return 2;
    const std::string placement(88, 'A');
    const seeds::Samples samples = {
        {"full",
         "[MainDlg]\r\nPlacement=2C0000000000000001000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
         "1300000020000000F9020000DE010000\r\nColumns=120, 150, 60, 70\r\nAddInfo=1\r\n"
         "Grid=0\r\nWorkDir=C:\\Daten\r\nDefSortBy=2\r\nDefSortUp=1\r\nInfoMetric=160, 60\r\n"
         "DragDraw=1\r\nDelChk=0\r\nHotEdit=1\r\nExportDirIni=C:\\Windows\r\n"
         "ExportDirKvd=C:\\Export\r\n\r\n[ImportDlg]\r\nWorkDirIni=C:\\Windows\r\n"
         "WorkDirKvd=D:\\\r\nWorkDirV1x=A:\\\r\nColumns=1.2:3,4\r\nDefSortBy=-1\r\n"},
        {"long_text", "[MainDlg]\nWorkDir=" + std::string(2000, 'w') + "\n"},
        {"malformed", "[MainDlg]\nPlacement=" + placement +
                          "G\nColumns=1, 2\nDefSortBy=x\n"
                          "AddInfo=\nGrid=\"0\"\n[ImportDlg\nWorkDirKvd='q'\n"},
        {"empty", ""},
    };
    seeds::WriteSamples(folder, samples);
    return 0;
}
