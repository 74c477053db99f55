#include "support/win32/VersionInfo.h"

#include "support/VersionText.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace zul::Windows {

bool VersionInfo::Load(const std::string& fileName, int translation) {
    Clear();
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(fileName.c_str(), &handle);
    if (size == 0)
        return false;
    std::vector<unsigned char> data(size);
    if (!::GetFileVersionInfoA(fileName.c_str(), 0, size, data.data()))
        return false;
    data_ = std::move(data);

    unsigned language = 0x0000;
    unsigned codePage = 0x04B0;
    void* pairs = nullptr;
    UINT length = 0;
    if (::VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", &pairs, &length) &&
        pairs != nullptr && length >= 4) {
        const UINT count = length / 4;
        const UINT chosen = translation >= 0 && static_cast<UINT>(translation) < count
                                ? static_cast<UINT>(translation)
                                : 0;
        WORD pair[2];
        std::memcpy(pair, static_cast<const unsigned char*>(pairs) + 4 * chosen, sizeof(pair));
        language = pair[0];
        codePage = pair[1];
    }
    char prefix[40];
    std::snprintf(prefix, sizeof(prefix), "\\StringFileInfo\\%04X%04X\\", language, codePage);
    prefix_ = prefix;
    return true;
}

void VersionInfo::Clear() {
    data_.clear();
    prefix_.clear();
}

std::optional<std::array<unsigned, 4>> VersionInfo::GetFixedVersion() const {
    if (data_.empty())
        return std::nullopt;
    void* block = nullptr;
    UINT length = 0;
    // VerQueryValueA takes a non-const block; it does not change it.
    auto* data = const_cast<unsigned char*>(data_.data());
    if (!::VerQueryValueA(data, "\\", &block, &length) || block == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, block, sizeof(fixed));
    return std::array<unsigned, 4>{HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS),
                                   HIWORD(fixed.dwFileVersionLS), LOWORD(fixed.dwFileVersionLS)};
}

std::string VersionInfo::GetValue(const std::string& name) const {
    if (data_.empty())
        return {};
    void* text = nullptr;
    UINT length = 0;
    auto* data = const_cast<unsigned char*>(data_.data());
    if (!::VerQueryValueA(data, (prefix_ + name).c_str(), &text, &length) || text == nullptr)
        return {};
    // The reported length counts the terminating zero.
    std::string value(static_cast<const char*>(text), length);
    const size_t zero = value.find('\0');
    if (zero != std::string::npos)
        value.resize(zero);
    return value;
}

std::string VersionInfo::GetVersionText() const {
    const auto version = GetFixedVersion();
    if (!version)
        return {};
    return FormatVersionText((*version)[0], (*version)[1], (*version)[2], (*version)[3]);
}

std::string VersionInfo::GetProductLine() const {
    return GetValue("ProductName") + " " + GetVersionText();
}

int VersionInfo::GetLinkedLibs(std::vector<std::string>& libs) const {
    libs = SplitLinkedLibs(GetValue("LinkedLIBs"));
    return static_cast<int>(libs.size());
}

} // namespace zul::Windows
