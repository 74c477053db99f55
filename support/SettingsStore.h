#pragma once

#include <string>
#include <string_view>

namespace zul {

// A sectioned store of typed values: the registry for the program's settings,
// a profile file for taking over an older settings file. At most one section
// is open; the value operations act on it.
//
// Reads never fail: a missing or unreadable value gives the default. For the
// list and byte reads the default and the target may be the same memory; the
// default is copied only when they differ.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Closes an open section first.
    virtual bool OpenSection(std::string_view section) = 0;
    virtual void CloseSection() = 0;
    virtual bool IsOpen() const = 0;

    virtual std::string GetString(std::string_view key, std::string_view defaultText) = 0;
    virtual bool GetBool(std::string_view key, bool defaultValue) = 0;
    virtual int GetInt(std::string_view key, int defaultValue) = 0;
    virtual void GetIntList(std::string_view key, int count, const int* defaults, int* target) = 0;
    virtual void GetBinary(std::string_view key, int count, const unsigned char* defaults,
                           unsigned char* target) = 0;

    virtual bool PutString(std::string_view key, std::string_view text) = 0;
    virtual bool PutBool(std::string_view key, bool value) = 0;
    virtual bool PutInt(std::string_view key, int value) = 0;
    virtual bool PutIntList(std::string_view key, int count, const int* values) = 0;
    virtual bool PutBinary(std::string_view key, int count, const unsigned char* bytes) = 0;

    // A value of the open section.
    virtual bool DeleteValue(std::string_view key) = 0;
    // Any section, open or not, with everything in it.
    virtual bool DeleteSection(std::string_view section) = 0;
};

} // namespace zul
