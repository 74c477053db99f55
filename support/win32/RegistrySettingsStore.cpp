#include "support/win32/RegistrySettingsStore.h"

#include <cstring>
#include <span>
#include <utility>
#include <vector>

namespace zul::Windows {

RegistrySettingsStore::RegistrySettingsStore(std::string baseKey) : baseKey_(std::move(baseKey)) {}

std::string RegistrySettingsStore::BaseKeyPath() const {
    // Without a base the sections lie directly under Software; a doubled
    // backslash would name no key at all.
    return baseKey_.empty() ? std::string("Software") : "Software\\" + baseKey_;
}

std::string RegistrySettingsStore::SectionKeyPath(std::string_view section) const {
    return BaseKeyPath() + "\\" + std::string(section);
}

bool RegistrySettingsStore::OpenSection(std::string_view section) {
    CloseSection();
    return key_.Create(HKEY_CURRENT_USER, SectionKeyPath(section), REG_OPTION_NON_VOLATILE,
                       KEY_ALL_ACCESS) == ERROR_SUCCESS;
}

std::string RegistrySettingsStore::GetString(std::string_view key, std::string_view defaultText) {
    std::string text;
    if (key_.QueryString(std::string(key), text) != ERROR_SUCCESS) {
        text.assign(defaultText);
    }
    return text;
}

bool RegistrySettingsStore::GetBool(std::string_view key, bool defaultValue) {
    bool value = defaultValue;
    key_.QueryBool(std::string(key), value);
    return value;
}

int RegistrySettingsStore::GetInt(std::string_view key, int defaultValue) {
    int value = defaultValue;
    key_.QueryInt(std::string(key), value);
    return value;
}

void RegistrySettingsStore::GetIntList(std::string_view key, int count, const int* defaults,
                                       int* target) {
    if (count <= 0) {
        return;
    }
    const size_t size = static_cast<size_t>(count);
    std::vector<int> values(size);
    if (key_.QueryIntList(std::string(key), values) == ERROR_SUCCESS) {
        std::memcpy(target, values.data(), size * sizeof(int));
    } else if (defaults != target) {
        std::memmove(target, defaults, size * sizeof(int));
    }
}

void RegistrySettingsStore::GetBinary(std::string_view key, int count,
                                      const unsigned char* defaults, unsigned char* target) {
    if (count <= 0) {
        return;
    }
    const size_t size = static_cast<size_t>(count);
    std::vector<unsigned char> bytes(size);
    if (key_.QueryBinary(std::string(key), bytes) == ERROR_SUCCESS) {
        std::memcpy(target, bytes.data(), size);
    } else if (defaults != target) {
        std::memmove(target, defaults, size);
    }
}

bool RegistrySettingsStore::PutString(std::string_view key, std::string_view text) {
    return key_.SetString(std::string(key), std::string(text)) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::PutBool(std::string_view key, bool value) {
    return key_.SetBool(std::string(key), value) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::PutInt(std::string_view key, int value) {
    return key_.SetInt(std::string(key), value) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::PutIntList(std::string_view key, int count, const int* values) {
    return count >= 0 &&
           key_.SetIntList(std::string(key),
                           std::span<const int>(values, static_cast<size_t>(count))) ==
               ERROR_SUCCESS;
}

bool RegistrySettingsStore::PutBinary(std::string_view key, int count,
                                      const unsigned char* bytes) {
    return count >= 0 &&
           key_.SetBinary(std::string(key),
                          std::span<const unsigned char>(bytes, static_cast<size_t>(count))) ==
               ERROR_SUCCESS;
}

bool RegistrySettingsStore::DeleteValue(std::string_view key) {
    return key_.DeleteValue(std::string(key)) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::DeleteSection(std::string_view section) {
    RegistryKey base;
    if (base.Open(HKEY_CURRENT_USER, BaseKeyPath(), KEY_ALL_ACCESS) != ERROR_SUCCESS) {
        return false;
    }
    return base.DeleteSubKeyTree(std::string(section)) == ERROR_SUCCESS;
}

} // namespace zul::Windows
