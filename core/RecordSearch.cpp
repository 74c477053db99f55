#include "core/RecordSearch.h"

#include "support/TextCase.h"

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
    const int count = order.RowCount();
    const int step = down ? 1 : -1;
    for (int row = focusedRow + step; row >= 0 && row < count; row += step) {
        const std::size_t index = order.EntryIndexAt(row);
        if (index < entries.size() && text.Matches(entries[index]))
            return row;
    }
    return -1;
}

} // namespace kolvane
