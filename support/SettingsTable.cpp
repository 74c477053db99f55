#include "support/SettingsTable.h"

#include <algorithm>
#include <cstring>

namespace zul {

void ReadSettings(SettingsStore& store, std::span<const Setting> settings) {
    for (const Setting& s : settings) {
        switch (s.kind) {
        case SettingKind::Flag: {
            bool& value = *static_cast<bool*>(s.value);
            value = store.GetBool(s.key, value);
            break;
        }
        case SettingKind::Int: {
            int& value = *static_cast<int*>(s.value);
            value = store.GetInt(s.key, value);
            break;
        }
        case SettingKind::IntList: {
            int* values = static_cast<int*>(s.value);
            store.GetIntList(s.key, s.count, values, values);
            break;
        }
        case SettingKind::Bytes: {
            unsigned char* bytes = static_cast<unsigned char*>(s.value);
            store.GetBinary(s.key, s.count, bytes, bytes);
            break;
        }
        case SettingKind::Text: {
            std::string& value = *static_cast<std::string*>(s.value);
            value = store.GetString(s.key, value);
            break;
        }
        }
    }
}

void WriteSettings(SettingsStore& store, std::span<const Setting> settings) {
    for (const Setting& s : settings) {
        switch (s.kind) {
        case SettingKind::Flag:
            store.PutBool(s.key, *static_cast<const bool*>(s.value));
            break;
        case SettingKind::Int:
            store.PutInt(s.key, *static_cast<const int*>(s.value));
            break;
        case SettingKind::IntList:
            store.PutIntList(s.key, s.count, static_cast<const int*>(s.value));
            break;
        case SettingKind::Bytes:
            store.PutBinary(s.key, s.count, static_cast<const unsigned char*>(s.value));
            break;
        case SettingKind::Text:
            store.PutString(s.key, *static_cast<const std::string*>(s.value));
            break;
        }
    }
}

bool ReadSection(SettingsStore& store, std::string_view section,
                 std::span<const Setting> settings) {
    if (!store.OpenSection(section))
        return false;
    ReadSettings(store, settings);
    store.CloseSection();
    return true;
}

bool WriteSection(SettingsStore& store, std::string_view section,
                  std::span<const Setting> settings) {
    if (!store.OpenSection(section))
        return false;
    WriteSettings(store, settings);
    store.CloseSection();
    return true;
}

namespace {

bool AnyByteSet(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    return std::any_of(bytes, bytes + size, [](unsigned char b) { return b != 0; });
}

} // namespace

void CopyOlderSettings(SettingsStore& older, SettingsStore& store,
                       std::span<const Setting> settings) {
    for (const Setting& s : settings) {
        if (!s.fromOlderVersions)
            continue;
        switch (s.kind) {
        case SettingKind::Bytes:
        case SettingKind::IntList: {
            const std::size_t size = static_cast<std::size_t>(s.count) *
                                     (s.kind == SettingKind::IntList ? sizeof(int) : 1);
            std::memset(s.value, 0, size);
            ReadSettings(older, {&s, 1});
            if (AnyByteSet(s.value, size))
                WriteSettings(store, {&s, 1});
            break;
        }
        case SettingKind::Flag:
            *static_cast<bool*>(s.value) = true;
            ReadSettings(older, {&s, 1});
            WriteSettings(store, {&s, 1});
            break;
        case SettingKind::Int:
            *static_cast<int*>(s.value) = -1;
            ReadSettings(older, {&s, 1});
            if (*static_cast<int*>(s.value) != -1)
                WriteSettings(store, {&s, 1});
            break;
        case SettingKind::Text:
            static_cast<std::string*>(s.value)->clear();
            ReadSettings(older, {&s, 1});
            if (!static_cast<std::string*>(s.value)->empty())
                WriteSettings(store, {&s, 1});
            break;
        }
    }
}

} // namespace zul
