#include "core/SortOrder.h"

#include "support/TextCase.h"

namespace kolvane {

int ClampSortColumn(int column) {
    if (column < NoColumn)
        return NoColumn;
    if (column > DiscIdColumn)
        return DiscIdColumn;
    return column;
}

void SortState::ColumnClicked(int clicked) {
    if (clicked == column) {
        ascending = 1 - ascending;
    } else {
        column = clicked;
        ascending = 1;
    }
}

void SortState::SetDefault(int defaultSortColumn, int defaultSortAscending) {
    defaultColumn = ClampSortColumn(defaultSortColumn);
    defaultAscending = defaultSortAscending != 0 ? 1 : 0;
}

void SortState::ApplyDefault() {
    column = defaultColumn;
    ascending = defaultAscending;
}

int CompareForSort(const DiscCollection& entries, std::size_t a, std::size_t b, int column,
                   int ascending) {
    if (column < 0)
        return 0;
    const DiscEntry& first = entries[a];
    const DiscEntry& second = entries[b];
    auto compare = [&](int field) {
        const int result = zul::CompareFoldingAscii(first.Field(field), second.Field(field));
        return ascending == 1 ? result : -result;
    };
    // The chosen column first, then the tie-breakers in this fixed order.
    static constexpr int tieBreakers[] = {ArtistColumn, YearColumn, TitleColumn, DiscIdColumn};
    if (int result = compare(column))
        return result;
    for (int field : tieBreakers) {
        if (field == column)
            continue;
        if (int result = compare(field))
            return result;
    }
    return 0;
}

} // namespace kolvane
