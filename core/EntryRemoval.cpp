#include "core/EntryRemoval.h"

#include <utility>

namespace kolvane {

std::size_t RemoveEntries(DiscCollection& entries, const std::vector<std::uint32_t>& indices) {
    // One compacting pass instead of closing the gap once per index, so that
    // deleting many of many entries stays linear.
    std::vector<bool> doomed(entries.size(), false);
    for (std::uint32_t index : indices) {
        if (index < entries.size())
            doomed[index] = true;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (doomed[i])
            continue;
        if (kept != i)
            entries[kept] = std::move(entries[i]);
        ++kept;
    }
    const std::size_t removed = entries.size() - kept;
    entries.resize(kept);
    return removed;
}

} // namespace kolvane
