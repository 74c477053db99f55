#pragma once

#include "core/DiscEntry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kolvane {

// Removes the entries with the given indices; the others keep their relative
// order. Indices may come in any order; duplicates and indices past the end
// are ignored. Returns the number removed.
std::size_t RemoveEntries(DiscCollection& entries, const std::vector<std::uint32_t>& indices);

} // namespace kolvane
