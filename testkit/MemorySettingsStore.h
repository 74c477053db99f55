#pragma once

#include "support/SettingsStore.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kvtest {

// Settings in memory that keep each value's kind and size as the registry
// does: a read of another kind or length gives the default. Names ignore case.
class MemorySettingsStore : public zul::SettingsStore {
public:
    bool OpenSection(std::string_view section) override;
    void CloseSection() override { open_ = nullptr; }
    bool IsOpen() const override { return open_ != nullptr; }

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

    bool HasSection(std::string_view section) const {
        return sections_.count(std::string(section)) > 0;
    }
    // A line per value, by name: "Grid flag 0", "Sort int -3", "Columns ints
    // 120 150", "Placement bytes 2C00FF", "WorkDir text C:\Daten\".
    std::string Dump(std::string_view section) const;

private:
    enum class Kind { Text, Flag, Number, NumberList, Bytes };
    struct Value {
        Kind kind;
        std::string text; // of Text and Bytes
        std::vector<int> numbers;
    };
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Section = std::map<std::string, Value, NoCase>;

    const Value* Find(std::string_view key, Kind kind, int count = -1) const;
    bool Put(std::string_view key, Value value);

    std::map<std::string, Section, NoCase> sections_;
    Section* open_ = nullptr;
};

} // namespace kvtest
