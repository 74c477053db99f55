#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kolvane {

// A growable array of unsigned 32-bit values, such as the entry indices of the
// rows to delete, with plain numeric sorts in both directions.
class IndexArray {
public:
    IndexArray() = default;
    IndexArray(std::initializer_list<std::uint32_t> values) : values_(values) {}

    void Add(std::uint32_t value) { values_.push_back(value); }
    void Clear() { values_.clear(); }
    std::size_t Size() const { return values_.size(); }
    bool IsEmpty() const { return values_.empty(); }
    std::uint32_t& operator[](std::size_t i) { return values_[i]; }
    std::uint32_t operator[](std::size_t i) const { return values_[i]; }
    const std::vector<std::uint32_t>& Values() const { return values_; }

    void SortAscending();
    void SortDescending();

private:
    std::vector<std::uint32_t> values_;
};

} // namespace kolvane
