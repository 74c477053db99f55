// Any bytes as an extended M3U playlist: a read gives items or one message.
#include "exchange/M3uExtReader.h"
#include "fuzz/Harness.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    std::string path = folder.Write("list.m3u", data, size);
    kvfuzz::RecordingReporter reporter;
    kolvane::M3uTrackList list;
    bool ok = kolvane::M3uExtReader(reporter).Read(path, list);
    const size_t messages = reporter.errors.size() + reporter.warnings.size();
    kvfuzz::FailIf(ok != (list.Count() > 0) || messages > 1 || (ok && messages != 0));
    for (int titlesOnly = 0; titlesOnly < 2; ++titlesOnly) {
        list.SetTitlesOnly(titlesOnly != 0);
        for (int i = 0; i < list.Count(); ++i)
            kvfuzz::FailIf(list.ItemText(i).size() > size);
    }
    return 0;
}
