// Any bytes as the older settings file beside the program: taking it over
// must never crash, and it writes the two sections of the list windows,
// each with every flag of a list window.
#include "exchange/LegacySettingsCopy.h"
#include "fuzz/Harness.h"
#include "support/ProfileSettingsStore.h"
#include "testkit/MemorySettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static kvfuzz::ScratchFolder folder;
    const std::string path = folder.Write("Kolvane.ini", data, size);
    zul::ProfileSettingsStore profile(path, kolvane::LegacyReadBufferSize);
    kvtest::MemorySettingsStore store;
    kolvane::CopyLegacySettings(profile, store);
    for (const char* section : {"MainDlg", "ImportDlg"}) {
        kvfuzz::FailIf(!store.OpenSection(section));
        for (const char* flag : {"AddInfo", "Grid", "DefSortUp", "DragDraw"})
            kvfuzz::FailIf(store.GetBool(flag, false) != store.GetBool(flag, true));
        store.CloseSection();
    }
    return 0;
}
