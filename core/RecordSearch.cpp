#include "core/RecordSearch.h"

#include "support/TextCase.h"

#include <vector>

namespace kolvane {

SearchText::SearchText(std::string_view text) : finder_(zul::UpperCased1252(text)) {}

bool SearchText::Matches(const DiscEntry& entry) const {
    for (int field = 0; field < DiscEntry::FieldCount; ++field) {
        if (finder_.FoundIn(entry.Field(field)))
            return true;
    }
    return false;
}

int FindMatchingRow(const DiscCollection& entries, const DisplayOrder& order, int focusedRow,
                    bool down, const SearchText& text) {
    // The entries are tested in the order they lie in memory: in the order of
    // a sorted list the search jumps about in memory and waits for it, many
    // times longer over a large collection. Then the rows are walked.
    std::vector<bool> matches(entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index)
        matches[index] = text.Matches(entries[index]);
    const int count = order.RowCount();
    const int step = down ? 1 : -1;
    for (int row = focusedRow + step; row >= 0 && row < count; row += step) {
        const std::size_t index = order.EntryIndexAt(row);
        if (index < entries.size() && matches[index])
            return row;
    }
    return -1;
}

} // namespace kolvane
