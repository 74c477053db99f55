#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zul::Windows {

// The version resource of a program file: the fixed file version and the
// string values of one language/code-page block. A file without one leaves
// the reader empty, and every answer is empty.
class VersionInfo {
public:
    // Translation index: which language/code-page pair of the resource to
    // use; the first one when there is no such pair.
    bool Load(const std::string& fileName, int translation = 0);
    void Clear();
    bool IsLoaded() const { return !data_.empty(); }
    const std::string& StringPrefix() const { return prefix_; }

    std::optional<std::array<unsigned, 4>> GetFixedVersion() const;
    std::string GetValue(const std::string& name) const;
    std::string GetVersionText() const;
    // "ProductName" and the version text: "Kolvane-Verwaltung v2.10".
    std::string GetProductLine() const;
    // Fills the list from "LinkedLIBs"; the number of entries.
    int GetLinkedLibs(std::vector<std::string>& libs) const;

private:
    std::vector<unsigned char> data_;
    std::string prefix_;
};

} // namespace zul::Windows
