#include "support/win32/RegistryKey.h"

#include <cstring>
#include <vector>

namespace zul::Windows {

namespace {

constexpr DWORD SubKeyNameLength = 256;

// Depth first: the sub-keys of a key must go before the key itself can.
LONG DeleteTree(HKEY parent, const std::string& name) {
    HKEY key = nullptr;
    LONG result = ::RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    for (;;) {
        char child[SubKeyNameLength + 1] = {};
        DWORD length = SubKeyNameLength + 1;
        const LONG found =
            ::RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr);
        if (found == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (found != ERROR_SUCCESS) {
            result = found;
            break;
        }
        result = DeleteTree(key, child);
        if (result != ERROR_SUCCESS) {
            break;
        }
    }
    ::RegCloseKey(key);
    if (result == ERROR_SUCCESS) {
        result = ::RegDeleteKeyA(parent, name.c_str());
    }
    return result;
}

} // namespace

LONG RegistryKey::Create(HKEY parent, const std::string& subKey, DWORD options, REGSAM access,
                         SECURITY_ATTRIBUTES* security, DWORD* disposition) {
    Close();
    DWORD created = 0;
    char emptyClass[] = "";
    const LONG result = ::RegCreateKeyExA(parent, subKey.c_str(), 0, emptyClass, options, access,
                                          security, &handle_, &created);
    if (result != ERROR_SUCCESS) {
        handle_ = nullptr;
    }
    if (disposition != nullptr) {
        *disposition = created;
    }
    return result;
}

LONG RegistryKey::Open(HKEY parent, const std::string& subKey, REGSAM access) {
    Close();
    const LONG result = ::RegOpenKeyExA(parent, subKey.c_str(), 0, access, &handle_);
    if (result != ERROR_SUCCESS) {
        handle_ = nullptr;
    }
    return result;
}

void RegistryKey::Close() {
    if (handle_ != nullptr) {
        ::RegCloseKey(handle_);
        handle_ = nullptr;
    }
}

LONG RegistryKey::DeleteValue(const std::string& name) {
    if (handle_ == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    return ::RegDeleteValueA(handle_, name.c_str());
}

LONG RegistryKey::DeleteSubKey(const std::string& name) {
    if (handle_ == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    return ::RegDeleteKeyA(handle_, name.c_str());
}

LONG RegistryKey::DeleteSubKeyTree(const std::string& name) {
    if (handle_ == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    // An empty name would mean this key itself, which cannot be deleted
    // through its own handle.
    if (name.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    return DeleteTree(handle_, name);
}

LONG RegistryKey::SetString(const std::string& name, const std::string& text) {
    if (handle_ == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    // A text with a zero byte in it is stored up to there, as it would be read.
    const std::string stored(text.c_str());
    return ::RegSetValueExA(handle_, name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(stored.c_str()),
                            static_cast<DWORD>(stored.size() + 1));
}

LONG RegistryKey::SetBool(const std::string& name, bool value) {
    const unsigned char byte = value ? 1 : 0;
    return SetBinary(name, std::span<const unsigned char>(&byte, 1));
}

LONG RegistryKey::SetInt(const std::string& name, int value) {
    return SetIntList(name, std::span<const int>(&value, 1));
}

LONG RegistryKey::SetIntList(const std::string& name, std::span<const int> values) {
    std::vector<unsigned char> bytes;
    bytes.reserve(values.size() * 4);
    for (const int value : values) {
        const auto bits = static_cast<unsigned int>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<unsigned char>(bits >> shift));
        }
    }
    return SetBinary(name, bytes);
}

LONG RegistryKey::SetBinary(const std::string& name, std::span<const unsigned char> bytes) {
    if (handle_ == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const unsigned char none = 0;
    return ::RegSetValueExA(handle_, name.c_str(), 0, REG_BINARY,
                            bytes.empty() ? &none : bytes.data(), static_cast<DWORD>(bytes.size()));
}

LONG RegistryKey::ProbeValue(const std::string& name, DWORD expectedType, DWORD& size) const {
    if (handle_ == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    DWORD type = 0;
    size = 0;
    const LONG result = ::RegQueryValueExA(handle_, name.c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    return type == expectedType ? ERROR_SUCCESS : ERROR_INVALID_DATA;
}

LONG RegistryKey::QueryString(const std::string& name, std::string& text) const {
    DWORD type = REG_SZ;
    DWORD size = 0;
    LONG result = ProbeValue(name, REG_SZ, size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    // The value may change between the two calls: grow and ask again.
    std::vector<char> buffer;
    do {
        buffer.assign(size + 1, '\0');
        size = static_cast<DWORD>(buffer.size() - 1);
        result = ::RegQueryValueExA(handle_, name.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(buffer.data()), &size);
    } while (result == ERROR_MORE_DATA);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    if (type != REG_SZ) {
        return ERROR_INVALID_DATA;
    }
    // A stored value need not end with its zero byte; the extra byte of the
    // buffer ends it in any case.
    text.assign(buffer.data(), ::strnlen(buffer.data(), size));
    return ERROR_SUCCESS;
}

LONG RegistryKey::QueryBinary(const std::string& name, std::span<unsigned char> bytes) const {
    DWORD type = REG_BINARY;
    DWORD size = 0;
    LONG result = ProbeValue(name, REG_BINARY, size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    if (size != bytes.size()) {
        return ERROR_INVALID_DATA;
    }
    std::vector<unsigned char> buffer(bytes.size() + 1);
    size = static_cast<DWORD>(buffer.size());
    result = ::RegQueryValueExA(handle_, name.c_str(), nullptr, &type, buffer.data(), &size);
    if (result == ERROR_MORE_DATA) {
        return ERROR_INVALID_DATA; // grown since the first look
    }
    if (result != ERROR_SUCCESS) {
        return result;
    }
    if (type != REG_BINARY || size != bytes.size()) {
        return ERROR_INVALID_DATA;
    }
    std::memcpy(bytes.data(), buffer.data(), bytes.size());
    return ERROR_SUCCESS;
}

LONG RegistryKey::QueryBool(const std::string& name, bool& value) const {
    unsigned char byte = 0;
    const LONG result = QueryBinary(name, std::span<unsigned char>(&byte, 1));
    if (result == ERROR_SUCCESS) {
        value = byte != 0;
    }
    return result;
}

LONG RegistryKey::QueryInt(const std::string& name, int& value) const {
    return QueryIntList(name, std::span<int>(&value, 1));
}

LONG RegistryKey::QueryIntList(const std::string& name, std::span<int> values) const {
    std::vector<unsigned char> bytes(values.size() * 4);
    const LONG result = QueryBinary(name, bytes);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    for (size_t i = 0; i < values.size(); ++i) {
        unsigned int bits = 0;
        for (int b = 3; b >= 0; --b) {
            bits = (bits << 8) | bytes[i * 4 + static_cast<size_t>(b)];
        }
        values[i] = static_cast<int>(bits);
    }
    return ERROR_SUCCESS;
}

} // namespace zul::Windows
