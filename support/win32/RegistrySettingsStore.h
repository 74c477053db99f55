#pragma once

#include "support/SettingsStore.h"
#include "support/win32/RegistryKey.h"

#include <string>
#include <string_view>

namespace zul::Windows {

// The per-user settings store: section S is the key
// HKEY_CURRENT_USER\Software\<base key>\S, created when it is first opened.
// The key is held only while a section is open.
class RegistrySettingsStore : public SettingsStore {
public:
    explicit RegistrySettingsStore(std::string baseKey);

    const std::string& BaseKey() const { return baseKey_; }
    // The key of the base below HKEY_CURRENT_USER: "Software\<base key>".
    std::string BaseKeyPath() const;
    // The key of a section below HKEY_CURRENT_USER.
    std::string SectionKeyPath(std::string_view section) const;

    // Creates or opens the section's key with full access.
    bool OpenSection(std::string_view section) override;
    void CloseSection() override { key_.Close(); }
    bool IsOpen() const override { return key_.IsOpen(); }

    std::string GetString(std::string_view key, std::string_view defaultText) override;
    bool GetBool(std::string_view key, bool defaultValue) override;
    int GetInt(std::string_view key, int defaultValue) override;
    void GetIntList(std::string_view key, int count, const int* defaults, int* target) override;
    void GetBinary(std::string_view key, int count, const unsigned char* defaults,
                   unsigned char* target) override;

    bool PutString(std::string_view key, std::string_view text) override;
    bool PutBool(std::string_view key, bool value) override;
    bool PutInt(std::string_view key, int value) override;
    bool PutIntList(std::string_view key, int count, const int* values) override;
    bool PutBinary(std::string_view key, int count, const unsigned char* bytes) override;

    bool DeleteValue(std::string_view key) override;
    // The section's key with everything beneath it.
    bool DeleteSection(std::string_view section) override;

private:
    std::string baseKey_;
    RegistryKey key_;
};

} // namespace zul::Windows
