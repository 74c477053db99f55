// Any stored values under the settings sections' keys, read as the windows
// read them: usable, and unchanged when written and read back.
#include "core/RecordListSettings.h"
#include "core/SortOrder.h"
#include "exchange/SettingsSections.h"
#include "fuzz/Harness.h"
#include "testkit/MemorySettingsStore.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace {

using kvfuzz::FailIf;

const char* const Sections[] = {kolvane::MainWindowSection, kolvane::ImportWindowSection,
                                kolvane::M3uWindowSection};
const char* const Keys[] = {"Placement",    "Columns",      "AddInfo",      "Grid",
                            "WorkDir",      "DefSortBy",    "DefSortUp",    "InfoMetric",
                            "DragDraw",     "MainButtons",  "DelChk",       "HotEdit",
                            "ExportDirKvd", "ExportDirCsv", "ExportDirIni", "ExportFields",
                            "WorkDirIni",   "WorkDirKvd",   "WorkDirV1x",   "ImportInterpreten"};

// Records: a byte for section and key, one for the kind, a length, the value.
void Store(kvtest::MemorySettingsStore& store, const unsigned char* data, size_t size) {
    constexpr int KeyCount = sizeof(Keys) / sizeof(Keys[0]);
    for (size_t at = 0; at + 3 <= size;) {
        const char* key = Keys[data[at] / 3 % KeyCount];
        const size_t length = std::min<size_t>(data[at + 2], size - at - 3);
        const unsigned char* value = data + at + 3;
        std::vector<int> numbers(length / sizeof(int));
        if (!numbers.empty())
            std::memcpy(numbers.data(), value, numbers.size() * sizeof(int));
        FailIf(!store.OpenSection(Sections[data[at] % 3]));
        switch (data[at + 1] % 5) {
        case 0:
            store.PutString(key, std::string(reinterpret_cast<const char*>(value), length));
            break;
        case 1:
            store.PutBool(key, length > 0 && value[0] != 0);
            break;
        case 2:
            store.PutInt(key, numbers.empty() ? 0 : numbers[0]);
            break;
        case 3:
            store.PutIntList(key, static_cast<int>(numbers.size()), numbers.data());
            break;
        default:
            store.PutBinary(key, static_cast<int>(length), value);
            break;
        }
        store.CloseSection();
        at += 3 + length;
    }
}

template <class Settings> Settings ReadChecked(zul::SettingsStore& store, const char* section) {
    Settings settings;
    zul::ReadSection(store, section, settings.Table());
    Settings fresh;
    kvtest::MemorySettingsStore first, second;
    FailIf(!zul::WriteSection(first, section, settings.Table()) ||
           !zul::ReadSection(first, section, fresh.Table()) ||
           !zul::WriteSection(second, section, fresh.Table()) ||
           first.Dump(section) != second.Dump(section));
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 4096)
        return 0;
    kvtest::MemorySettingsStore store;
    Store(store, data, size);
    for (const char* section : Sections) {
        const auto list = ReadChecked<kolvane::RecordListSettings>(store, section);
        kolvane::SortState sort;
        sort.SetDefault(list.defSortBy, list.defSortUp ? 1 : 0);
        FailIf(sort.defaultColumn < -1 || sort.defaultColumn > 3);
    }
    const auto main = ReadChecked<kolvane::MainWindowSettings>(store, kolvane::MainWindowSection);
    FailIf((kolvane::ExportFieldSet::FromByte(main.exportFields[0]).ToByte() & 0xC0) != 0);
    ReadChecked<kolvane::ImportFolderSettings>(store, kolvane::ImportWindowSection);
    ReadChecked<kolvane::M3uWindowSettings>(store, kolvane::M3uWindowSection);
    return 0;
}
