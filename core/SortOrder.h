#pragma once

#include "core/DiscEntry.h"

#include <cstddef>
#include <vector>

namespace kolvane {

// Column -1..3 as the default sort accepts it: anything else is brought into range.
int ClampSortColumn(int column);

// The sort state of one list: the order in force and the default that every
// clear of the collection puts into force.
struct SortState {
    int column = NoColumn; // -1 = unsorted
    int ascending = 0;     // 1 ascending, 0 descending
    int defaultColumn = NoColumn;
    int defaultAscending = 1;

    // Same column reverses the direction, another column sorts ascending.
    void ColumnClicked(int clicked);
    // Clamps the column and makes the flag 0 or 1; the order in force stays.
    void SetDefault(int defaultSortColumn, int defaultSortAscending);
    void ApplyDefault();
};

// Order of the entries a and b by column, ties broken by artist, year, title
// and id (skipping column itself), all in the chosen direction. Fields are
// compared ignoring the case of A-Z only, byte by byte, whatever the C
// runtime's locale. Tracks and notes never take part.
int CompareForSort(const DiscCollection& entries, std::size_t a, std::size_t b, int column,
                   int ascending);

// Sorts entry indices stably into the order of CompareForSort (nothing for
// column -1). Each field is first compared by a folded prefix packed into an
// integer, made once per sort; only equal prefixes compare the fields.
void SortStable(const DiscCollection& entries, std::vector<std::size_t>& indices, int column,
                int ascending);

// For indices already in the order of CompareForSort: puts each run that
// CompareForSort cannot tell apart into ascending order, which makes the
// order SortStable gives ascending indices, at the cost of one comparison
// per index.
void OrderTiesByIndex(const DiscCollection& entries, std::vector<std::size_t>& indices,
                      int column, int ascending);

} // namespace kolvane
