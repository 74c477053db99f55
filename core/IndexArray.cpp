#include "core/IndexArray.h"

#include <algorithm>
#include <functional>

namespace kolvane {

void IndexArray::SortAscending() {
    std::sort(values_.begin(), values_.end());
}

void IndexArray::SortDescending() {
    std::sort(values_.begin(), values_.end(), std::greater<std::uint32_t>());
}

} // namespace kolvane
