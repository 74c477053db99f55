// Any stored values under the keys of the three settings sections, read as
// the windows read them (through an in-memory store that behaves as the
// registry store does: a value of another kind or size gives the default):
// the windows must get usable values (a sort column -1 to 3, folders ending
// in a backslash, no export field beyond the six, a layout from the stored
// side pane sizes without overflow), and what they read must be written and
// read back unchanged.
#include "fuzz/Harness.h"
#include "core/RecordListLayout.h"
#include "core/RecordListSettings.h"
#include "core/SortOrder.h"
#include "exchange/SettingsSections.h"
#include "support/PathName.h"
#include "testkit/MemorySettingsStore.h"

#include <cstring>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace {

const char* const Sections[] = {kolvane::MainWindowSection, kolvane::ImportWindowSection,
                                kolvane::M3uWindowSection};
const char* const Keys[] = {"Placement",    "Columns",      "AddInfo",      "Grid",
                            "WorkDir",      "DefSortBy",    "DefSortUp",    "InfoMetric",
                            "DragDraw",     "MainButtons",  "DelChk",       "HotEdit",
                            "ExportDirKvd", "ExportDirCsv", "ExportDirIni", "ExportFields",
                            "WorkDirIni",   "WorkDirKvd",   "WorkDirV1x",   "ImportInterpreten"};

// Records of: a byte choosing section and key, a byte choosing the kind, a
// length byte and that many bytes of value.
void Store(kvtest::MemorySettingsStore& store, const unsigned char* data, size_t size) {
    constexpr int KeyCount = sizeof(Keys) / sizeof(Keys[0]);
    for (size_t at = 0; at + 3 <= size;) {
        const char* section = Sections[data[at] % 3];
        const char* key = Keys[data[at] / 3 % KeyCount];
        const int kind = data[at + 1] % 5;
        const size_t length = std::min<size_t>(data[at + 2], size - at - 3);
        const unsigned char* value = data + at + 3;
        at += 3 + length;
        kvfuzz::FailIf(!store.OpenSection(section));
        switch (kind) {
        case 0:
            store.PutString(key, std::string(reinterpret_cast<const char*>(value), length));
            break;
        case 1:
            store.PutBool(key, length > 0 && value[0] != 0);
            break;
        case 2: {
            int number = 0;
            std::memcpy(&number, value, std::min(length, sizeof(number)));
            store.PutInt(key, number);
            break;
        }
        case 3: {
            std::vector<int> numbers(length / sizeof(int) + 1);
            numbers.pop_back(); // data() is never null, also for no number
            std::memcpy(numbers.data(), value, numbers.size() * sizeof(int));
            store.PutIntList(key, static_cast<int>(numbers.size()), numbers.data());
            break;
        }
        default:
            store.PutBinary(key, static_cast<int>(length), value);
            break;
        }
        store.CloseSection();
    }
}

// Written to a store of its own and read back into the defaults, a table
// gives the values it was written from.
void CheckRoundTrip(const char* section, std::span<const zul::Setting> read,
                    std::span<const zul::Setting> fresh) {
    kvtest::MemorySettingsStore first, second;
    kvfuzz::FailIf(
        !zul::WriteSection(first, section, read) || !zul::ReadSection(first, section, fresh) ||
        !zul::WriteSection(second, section, fresh) || first.Dump(section) != second.Dump(section));
}

void CheckFolder(const std::string& folder) {
    const std::string stored = zul::WithTrailingBackslash(folder);
    kvfuzz::FailIf(stored.empty() || stored.back() != '\\');
}

// What a record list window does with its values: the default sort, its
// folder and, at two screen resolutions, the side pane placed in windows
// of a few sizes.
void UseListSettings(const kolvane::RecordListSettings& settings) {
    kolvane::SortState sort;
    sort.SetDefault(settings.defSortBy, settings.defSortUp ? 1 : 0);
    kvfuzz::FailIf(sort.defaultColumn < -1 || sort.defaultColumn > 3 ||
                   (sort.defaultAscending != 0 && sort.defaultAscending != 1));
    CheckFolder(settings.workDir);
    for (const int baseX : {6, 12}) {
        const int baseY = baseX * 13 / 6;
        const int paneWidth = kolvane::HorizontalUnitsToPixels(settings.infoMetric[0], baseX);
        const int notesHeight = kolvane::VerticalUnitsToPixels(settings.infoMetric[1], baseY);
        kolvane::PixelsToHorizontalUnits(paneWidth, baseX);
        kolvane::PixelsToVerticalUnits(notesHeight, baseY);
        kolvane::RecordListMetrics m;
        m.marginX = m.marginY = m.gapX = m.gapY = baseX;
        m.buttonWidth = 50 * baseX / 4;
        m.buttonHeight = m.minEditHeight = 14 * baseY / 8;
        m.statusHeight = 11 * baseY / 8;
        m.splitterVHalf = m.splitterHHalf = 2;
        for (const int width : {0, 300, 1280, 4000}) {
            const kolvane::RecordListPlacement p =
                kolvane::PlaceRecordList(m, width, width * 3 / 4, true, paneWidth, notesHeight);
            kvfuzz::FailIf(width >= 1280 &&
                           (p.list.Width() < m.buttonWidth || p.tracks.right > width));
        }
    }
}

// Reads a section's table as its window does, then checks the round trip;
// a record list window's values are put to use as well.
template <class Settings>
void ReadChecked(zul::SettingsStore& store, const char* section, Settings& settings) {
    zul::ReadSection(store, section, settings.Table());
    Settings fresh;
    CheckRoundTrip(section, settings.Table(), fresh.Table());
    if constexpr (std::is_same_v<Settings, kolvane::RecordListSettings>)
        UseListSettings(settings);
}

// A window's own keys after those of its list, as the main and the import
// window read them: its folders default to the work folder just read.
template <class Settings>
Settings ReadAfterList(zul::SettingsStore& store, const char* section,
                       std::initializer_list<std::string Settings::*> folders) {
    kolvane::RecordListSettings list;
    ReadChecked(store, section, list);
    Settings settings;
    for (std::string Settings::*folder : folders)
        settings.*folder = list.workDir;
    ReadChecked(store, section, settings);
    for (std::string Settings::*folder : folders)
        CheckFolder(settings.*folder);
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 4096)
        return 0;
    kvtest::MemorySettingsStore store;
    Store(store, data, size);

    using kolvane::ImportFolderSettings;
    using kolvane::MainWindowSettings;
    const MainWindowSettings main = ReadAfterList<MainWindowSettings>(
        store, kolvane::MainWindowSection,
        {&MainWindowSettings::exportDirKvd, &MainWindowSettings::exportDirCsv,
         &MainWindowSettings::exportDirIni});
    kvfuzz::FailIf((kolvane::ExportFieldSet::FromByte(main.exportFields[0]).ToByte() & 0xC0) != 0);
    ReadAfterList<ImportFolderSettings>(store, kolvane::ImportWindowSection,
                                        {&ImportFolderSettings::workDirIni,
                                         &ImportFolderSettings::workDirKvd,
                                         &ImportFolderSettings::workDirV1x});
    kolvane::M3uWindowSettings m3u;
    ReadChecked(store, kolvane::M3uWindowSection, m3u);
    CheckFolder(m3u.workDir);
    return 0;
}
