// Any bytes as an extended M3U playlist: the read must never crash, read out
// of bounds or loop; a successful read gives items whose texts can be built.
#include "exchange/M3uExtReader.h"
#include "fuzz/ScratchFolder.h"

#include <cstdlib>

namespace {

class CountingReporter : public zul::MessageReporter {
public:
    void ReportError(int) override { ++messages; }
    void ReportWarning(int) override { ++messages; }
    int messages = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    std::string path = folder.Write("list.m3u", data, size);
    CountingReporter reporter;
    kolvane::M3uTrackList list;
    bool ok = kolvane::M3uExtReader(reporter).Read(path, list);
    if (ok != (list.Count() > 0) || reporter.messages > 1 || (ok && reporter.messages != 0))
        std::abort();
    for (int titlesOnly = 0; titlesOnly < 2; ++titlesOnly) {
        list.SetTitlesOnly(titlesOnly != 0);
        for (int i = 0; i < list.Count(); ++i) {
            if (list.ItemText(i).size() > size)
                std::abort();
        }
    }
    return 0;
}
