#include "app/LegacySettingsCopy.h"

#include "support/PathName.h"

#include <algorithm>
#include <span>
#include <vector>

namespace kolvane {

namespace {

enum class ValueKind { Bytes, IntList, Flag, SortColumn, Text };

struct LegacyKey {
    const char* name;
    ValueKind kind;
    int count; // bytes of a block, numbers of a list
};

// The record list window's keys, the same in both sections.
constexpr LegacyKey ListWindowKeys[] = {
    {"Placement", ValueKind::Bytes, 44}, {"Columns", ValueKind::IntList, 4},
    {"AddInfo", ValueKind::Flag, 1},     {"Grid", ValueKind::Flag, 1},
    {"WorkDir", ValueKind::Text, 1},     {"DefSortBy", ValueKind::SortColumn, 1},
    {"DefSortUp", ValueKind::Flag, 1},   {"InfoMetric", ValueKind::IntList, 2},
    {"DragDraw", ValueKind::Flag, 1},
};

constexpr LegacyKey MainWindowKeys[] = {
    {"DelChk", ValueKind::Flag, 1},
    {"HotEdit", ValueKind::Flag, 1},
    {"ExportDirIni", ValueKind::Text, 1},
    {"ExportDirKvd", ValueKind::Text, 1},
};

constexpr LegacyKey ImportWindowKeys[] = {
    {"WorkDirIni", ValueKind::Text, 1},
    {"WorkDirKvd", ValueKind::Text, 1},
    {"WorkDirV1x", ValueKind::Text, 1},
};

bool AnyByteSet(const void* data, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    return std::any_of(bytes, bytes + size, [](unsigned char b) { return b != 0; });
}

void CopyKey(const LegacyKey& key, zul::SettingsStore& profile, zul::SettingsStore& store) {
    switch (key.kind) {
    case ValueKind::Bytes: {
        std::vector<unsigned char> block(static_cast<size_t>(key.count), 0);
        profile.GetBinary(key.name, key.count, block.data(), block.data());
        if (AnyByteSet(block.data(), block.size()))
            store.PutBinary(key.name, key.count, block.data());
        break;
    }
    case ValueKind::IntList: {
        std::vector<int> list(static_cast<size_t>(key.count), 0);
        profile.GetIntList(key.name, key.count, list.data(), list.data());
        if (AnyByteSet(list.data(), list.size() * sizeof(int)))
            store.PutIntList(key.name, key.count, list.data());
        break;
    }
    case ValueKind::Flag:
        store.PutBool(key.name, profile.GetBool(key.name, true));
        break;
    case ValueKind::SortColumn: {
        const int column = profile.GetInt(key.name, -1);
        if (column != -1)
            store.PutInt(key.name, column);
        break;
    }
    case ValueKind::Text: {
        const std::string text = profile.GetString(key.name, "");
        if (!text.empty())
            store.PutString(key.name, text);
        break;
    }
    }
}

void CopyKeys(std::span<const LegacyKey> keys, zul::SettingsStore& profile,
              zul::SettingsStore& store) {
    for (const LegacyKey& key : keys)
        CopyKey(key, profile, store);
}

} // namespace

std::string LegacySettingsPath(const std::string& programPath) {
    zul::PathName path(programPath);
    path.SetExtension(".ini");
    return path.Compose();
}

void CopyLegacySettings(zul::SettingsStore& profile, zul::SettingsStore& store) {
    struct Section {
        const char* name;
        std::span<const LegacyKey> ownKeys;
    };
    const Section sections[] = {
        {"MainDlg", MainWindowKeys},
        {"ImportDlg", ImportWindowKeys},
    };
    for (const Section& section : sections) {
        if (!profile.OpenSection(section.name))
            continue;
        if (store.OpenSection(section.name)) {
            CopyKeys(ListWindowKeys, profile, store);
            CopyKeys(section.ownKeys, profile, store);
            store.CloseSection();
        }
        profile.CloseSection();
    }
}

} // namespace kolvane
