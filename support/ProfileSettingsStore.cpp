#include "support/ProfileSettingsStore.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace zul {

ProfileSettingsStore::ProfileSettingsStore(int bufferSize) : profile_(bufferSize) {}

ProfileSettingsStore::ProfileSettingsStore(const std::string& fileName, int bufferSize)
    : profile_(fileName, bufferSize) {}

bool ProfileSettingsStore::OpenSection(std::string_view section) {
    CloseSection();
    section_.assign(section);
    return IsOpen();
}

void ProfileSettingsStore::CloseSection() {
    section_.clear();
}

bool ProfileSettingsStore::IsOpen() const {
    return !section_.empty() && !profile_.FileName().empty();
}

std::string ProfileSettingsStore::GetString(std::string_view key, std::string_view defaultText) {
    if (!IsOpen()) {
        return std::string(defaultText);
    }
    return profile_.ReadString(section_, key, defaultText);
}

bool ProfileSettingsStore::GetBool(std::string_view key, bool defaultValue) {
    return IsOpen() ? profile_.ReadBool(section_, key, defaultValue) : defaultValue;
}

int ProfileSettingsStore::GetInt(std::string_view key, int defaultValue) {
    return IsOpen() ? profile_.ReadInt(section_, key, defaultValue) : defaultValue;
}

void ProfileSettingsStore::GetIntList(std::string_view key, int count, const int* defaults,
                                      int* target) {
    if (count <= 0) {
        return;
    }
    const size_t size = static_cast<size_t>(count);
    if (!IsOpen()) {
        if (defaults != target) {
            std::memmove(target, defaults, size * sizeof(int));
        }
        return;
    }
    profile_.ReadIntList(section_, key, std::span<const int>(defaults, size),
                         std::span<int>(target, size));
}

void ProfileSettingsStore::GetBinary(std::string_view key, int count,
                                     const unsigned char* defaults, unsigned char* target) {
    if (count <= 0) {
        return;
    }
    const size_t size = static_cast<size_t>(count);
    if (!IsOpen()) {
        if (defaults != target) {
            std::memmove(target, defaults, size);
        }
        return;
    }
    profile_.ReadBytes(section_, key, std::span<const unsigned char>(defaults, size),
                       std::span<unsigned char>(target, size));
}

bool ProfileSettingsStore::PutString(std::string_view key, std::string_view text) {
    return IsOpen() && profile_.WriteString(section_, key, text);
}

bool ProfileSettingsStore::PutBool(std::string_view key, bool value) {
    return IsOpen() && profile_.WriteBool(section_, key, value);
}

bool ProfileSettingsStore::PutInt(std::string_view key, int value) {
    return IsOpen() && profile_.WriteInt(section_, key, value);
}

bool ProfileSettingsStore::PutIntList(std::string_view key, int count, const int* values) {
    return IsOpen() && count >= 0 &&
           profile_.WriteIntList(section_, key,
                                 std::span<const int>(values, static_cast<size_t>(count)));
}

bool ProfileSettingsStore::PutBinary(std::string_view key, int count,
                                     const unsigned char* bytes) {
    return IsOpen() && count >= 0 &&
           profile_.WriteBytes(section_, key,
                               std::span<const unsigned char>(bytes, static_cast<size_t>(count)));
}

bool ProfileSettingsStore::DeleteValue(std::string_view key) {
    return IsOpen() && profile_.DeleteKey(section_, key);
}

bool ProfileSettingsStore::DeleteSection(std::string_view section) {
    return !profile_.FileName().empty() && !section.empty() && profile_.DeleteSection(section);
}

} // namespace zul
