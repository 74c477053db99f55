#pragma once

#include "support/SettingsStore.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zul {

enum class SettingKind { Flag, Int, IntList, Bytes, Text };

// One key of a settings section, bound to the variable it is read into and
// written from. A section's keys are a table of these, in the order in which
// the program reads and writes them; the value a variable holds before a read
// is the default the read falls back to.
struct Setting {
    const char* key;
    SettingKind kind;
    void* value;   // bool, int, int[count], unsigned char[count] or std::string
    int count = 1; // ints of a list, bytes of a block
    // Taken over from the settings file of the older versions.
    bool fromOlderVersions = true;
};

inline Setting FlagSetting(const char* key, bool& value) {
    return {key, SettingKind::Flag, &value};
}
inline Setting IntSetting(const char* key, int& value) {
    return {key, SettingKind::Int, &value};
}
template <std::size_t N> Setting IntListSetting(const char* key, int (&values)[N]) {
    return {key, SettingKind::IntList, values, static_cast<int>(N)};
}
template <std::size_t N> Setting BytesSetting(const char* key, unsigned char (&bytes)[N]) {
    return {key, SettingKind::Bytes, bytes, static_cast<int>(N)};
}
inline Setting TextSetting(const char* key, std::string& value) {
    return {key, SettingKind::Text, &value};
}
// A key the older versions did not have.
inline Setting NewerSetting(Setting setting) {
    setting.fromOlderVersions = false;
    return setting;
}

// Each setting from / to the store's open section, in table order.
void ReadSettings(SettingsStore& store, std::span<const Setting> settings);
void WriteSettings(SettingsStore& store, std::span<const Setting> settings);
// The same with the section opened before and closed after; false (and
// nothing read or written) when the section cannot be opened.
bool ReadSection(SettingsStore& store, std::string_view section,
                 std::span<const Setting> settings);
bool WriteSection(SettingsStore& store, std::string_view section,
                  std::span<const Setting> settings);

// Copies the settings marked fromOlderVersions from the open section of the
// older file's store to the open section of the program's store, each by the
// rule of its kind: a block or list only when one of its bytes is set, a flag
// always (default 1), an int only when it is not -1, a text only when it is
// not empty. The variables bound in the table serve as scratch space.
void CopyOlderSettings(SettingsStore& older, SettingsStore& store,
                       std::span<const Setting> settings);

} // namespace zul
