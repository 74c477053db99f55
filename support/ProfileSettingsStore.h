#pragma once

#include "support/ProfileFile.h"
#include "support/SettingsStore.h"

#include <string>
#include <string_view>

namespace zul {

// The settings store over a profile file: the section of the file is the
// store's section, the values keep the file's text formats (ProfileFile).
// Opening a section touches no file; only the reads and writes do.
class ProfileSettingsStore : public SettingsStore {
public:
    explicit ProfileSettingsStore(int bufferSize);
    ProfileSettingsStore(const std::string& fileName, int bufferSize);

    ProfileFile& File() { return profile_; }
    const std::string& SectionName() const { return section_; }

    // Fails (and stays closed) for an empty name or while no file is named.
    bool OpenSection(std::string_view section) override;
    void CloseSection() override;
    // A section name and a file name.
    bool IsOpen() const override;

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
    bool DeleteSection(std::string_view section) override;

private:
    ProfileFile profile_;
    std::string section_;
};

} // namespace zul
