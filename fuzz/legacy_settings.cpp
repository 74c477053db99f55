// Any bytes as the older settings file: taking it over writes both list
// windows' sections with every flag.
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
