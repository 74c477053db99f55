#pragma once

#include <windows.h>

#include <span>
#include <string>

namespace zul::Windows {

// One open registry key, closed by the destructor. Every operation returns
// the system's error code (ERROR_SUCCESS = 0). The typed values are those of
// the settings store: text as REG_SZ; flags, ints, int lists and byte blocks
// as REG_BINARY of exactly 1, 4, 4 * n and n bytes, ints little-endian. A
// value of another type or size is not read and gives ERROR_INVALID_DATA.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() { Close(); }

    // Closes a key held before. disposition (may be null) receives
    // REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
    LONG Create(HKEY parent, const std::string& subKey, DWORD options = REG_OPTION_NON_VOLATILE,
                REGSAM access = KEY_ALL_ACCESS, SECURITY_ATTRIBUTES* security = nullptr,
                DWORD* disposition = nullptr);
    LONG Open(HKEY parent, const std::string& subKey, REGSAM access = KEY_ALL_ACCESS);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    HKEY Handle() const { return handle_; }

    LONG DeleteValue(const std::string& name);
    // A sub-key without sub-keys of its own.
    LONG DeleteSubKey(const std::string& name);
    // A sub-key with everything beneath it; the first error met, or 0.
    LONG DeleteSubKeyTree(const std::string& name);

    LONG SetString(const std::string& name, const std::string& text);
    LONG SetBool(const std::string& name, bool value);
    LONG SetInt(const std::string& name, int value);
    LONG SetIntList(const std::string& name, std::span<const int> values);
    LONG SetBinary(const std::string& name, std::span<const unsigned char> bytes);

    // On failure the target is left as it was.
    LONG QueryString(const std::string& name, std::string& text) const;
    LONG QueryBool(const std::string& name, bool& value) const;
    LONG QueryInt(const std::string& name, int& value) const;
    LONG QueryIntList(const std::string& name, std::span<int> values) const;
    LONG QueryBinary(const std::string& name, std::span<unsigned char> bytes) const;

private:
    // The value's size, if it exists with that type.
    LONG ProbeValue(const std::string& name, DWORD expectedType, DWORD& size) const;

    HKEY handle_ = nullptr;
};

} // namespace zul::Windows
