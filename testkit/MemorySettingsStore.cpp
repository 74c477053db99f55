#include "testkit/MemorySettingsStore.h"

#include "support/TextCase.h"
#include "support/TextHelpers.h"

#include <cstring>
#include <span>

namespace kvtest {

bool MemorySettingsStore::NoCase::operator()(const std::string& a, const std::string& b) const {
    return zul::CompareFoldingAscii(a, b) < 0;
}

bool MemorySettingsStore::OpenSection(std::string_view section) {
    open_ = section.empty() ? nullptr : &sections_[std::string(section)];
    return open_ != nullptr;
}

const MemorySettingsStore::Value* MemorySettingsStore::Find(std::string_view key, Kind kind,
                                                            int count) const {
    if (open_ == nullptr)
        return nullptr;
    const auto found = open_->find(std::string(key));
    if (found == open_->end() || found->second.kind != kind)
        return nullptr;
    const size_t size =
        kind == Kind::Bytes ? found->second.text.size() : found->second.numbers.size();
    return count < 0 || size == static_cast<size_t>(count) ? &found->second : nullptr;
}

bool MemorySettingsStore::Put(std::string_view key, Value value) {
    if (open_ == nullptr || key.empty())
        return false;
    (*open_)[std::string(key)] = std::move(value);
    return true;
}

std::string MemorySettingsStore::GetString(std::string_view key, std::string_view defaultText) {
    const Value* value = Find(key, Kind::Text);
    return value != nullptr ? value->text : std::string(defaultText);
}

bool MemorySettingsStore::GetBool(std::string_view key, bool defaultValue) {
    const Value* value = Find(key, Kind::Flag);
    return value != nullptr ? value->numbers[0] != 0 : defaultValue;
}

int MemorySettingsStore::GetInt(std::string_view key, int defaultValue) {
    const Value* value = Find(key, Kind::Number);
    return value != nullptr ? value->numbers[0] : defaultValue;
}

void MemorySettingsStore::GetIntList(std::string_view key, int count, const int* defaults,
                                     int* target) {
    const Value* value = Find(key, Kind::NumberList, count);
    if (count > 0)
        std::memmove(target, value != nullptr ? value->numbers.data() : defaults,
                     sizeof(int) * count);
}

void MemorySettingsStore::GetBinary(std::string_view key, int count, const unsigned char* defaults,
                                    unsigned char* target) {
    const Value* value = Find(key, Kind::Bytes, count);
    if (count > 0)
        std::memmove(target,
                     value != nullptr ? value->text.data() : static_cast<const void*>(defaults),
                     static_cast<size_t>(count));
}

bool MemorySettingsStore::PutString(std::string_view key, std::string_view text) {
    return Put(key, {Kind::Text, std::string(text), {}});
}

bool MemorySettingsStore::PutBool(std::string_view key, bool flag) {
    return Put(key, {Kind::Flag, "", {flag ? 1 : 0}});
}

bool MemorySettingsStore::PutInt(std::string_view key, int number) {
    return Put(key, {Kind::Number, "", {number}});
}

bool MemorySettingsStore::PutIntList(std::string_view key, int count, const int* values) {
    return count > 0 && Put(key, {Kind::NumberList, "", std::vector<int>(values, values + count)});
}

bool MemorySettingsStore::PutBinary(std::string_view key, int count, const unsigned char* bytes) {
    return count > 0 && Put(key, {Kind::Bytes, std::string(bytes, bytes + count), {}});
}

bool MemorySettingsStore::DeleteValue(std::string_view key) {
    return open_ != nullptr && open_->erase(std::string(key)) > 0;
}

bool MemorySettingsStore::DeleteSection(std::string_view section) {
    const auto found = sections_.find(std::string(section));
    if (found == sections_.end())
        return false;
    if (open_ == &found->second)
        open_ = nullptr;
    sections_.erase(found);
    return true;
}

std::string MemorySettingsStore::Dump(std::string_view section) const {
    const auto found = sections_.find(std::string(section));
    if (found == sections_.end())
        return "";
    static const char* const kinds[] = {" text ", " flag ", " int ", " ints ", " bytes "};
    std::string text;
    for (const auto& [key, value] : found->second) {
        text.append(key).append(kinds[static_cast<int>(value.kind)]);
        if (value.kind == Kind::Bytes) {
            const auto* bytes = reinterpret_cast<const unsigned char*>(value.text.data());
            text.append(zul::BytesToHex(std::span(bytes, value.text.size())));
        } else {
            text.append(value.text);
        }
        for (size_t i = 0; i < value.numbers.size(); ++i)
            text.append(i > 0 ? " " : "").append(std::to_string(value.numbers[i]));
        text.append("\n");
    }
    return text;
}

} // namespace kvtest
