#include "core/SortOrder.h"

#include "support/TextCase.h"

#include <algorithm>
#include <cstdint>

namespace kolvane {

namespace {

// The chosen column first, then the tie-breakers in this fixed order.
constexpr int TieBreakers[] = {ArtistColumn, YearColumn, TitleColumn, DiscIdColumn};
constexpr int KeyFields = 4;

// The fields in the order a sort by column compares them.
void FieldOrder(int column, int (&fields)[KeyFields]) {
    int count = 0;
    fields[count++] = column;
    for (int field : TieBreakers) {
        if (field != column)
            fields[count++] = field;
    }
}

constexpr std::size_t PrefixBytes = sizeof(std::uint64_t);

// The first bytes of a field, folded as CompareFoldingAscii folds them, the
// first in the highest byte and zeros after the end: two prefixes that differ
// compare as the fields do, since an ended field is a prefix of the other.
std::uint64_t FoldedPrefix(const std::string& field) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < PrefixBytes; ++i) {
        prefix <<= 8;
        if (i < field.size())
            prefix |= zul::FoldAscii(static_cast<unsigned char>(field[i]));
    }
    return prefix;
}

} // namespace

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
    int fields[KeyFields];
    FieldOrder(column, fields);
    for (int field : fields) {
        if (int result = zul::CompareFoldingAscii(first.Field(field), second.Field(field)))
            return ascending == 1 ? result : -result;
    }
    return 0;
}

// Most comparisons end at the first prefix that differs, reading neither the
// entries nor their texts; the prefixes of all four fields of an entry lie
// side by side.
void SortStable(const DiscCollection& entries, std::vector<std::size_t>& indices, int column,
                int ascending) {
    if (column < 0)
        return;
    int fields[KeyFields];
    FieldOrder(column, fields);
    std::vector<std::uint64_t> prefixes(entries.size() * KeyFields);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (int k = 0; k < KeyFields; ++k)
            prefixes[i * KeyFields + k] = FoldedPrefix(entries[i].Field(fields[k]));
    }
    const int direction = ascending == 1 ? 1 : -1;
    auto compare = [&](std::size_t a, std::size_t b) {
        const std::uint64_t* keyA = &prefixes[a * KeyFields];
        const std::uint64_t* keyB = &prefixes[b * KeyFields];
        for (int k = 0; k < KeyFields; ++k) {
            if (keyA[k] != keyB[k])
                return keyA[k] < keyB[k] ? -direction : direction;
            // Equal prefixes: the fields differ only in what follows them.
            const std::string& fieldA = entries[a].Field(fields[k]);
            const std::string& fieldB = entries[b].Field(fields[k]);
            if (fieldA.size() == fieldB.size() && fieldA.size() <= PrefixBytes)
                continue;
            if (int result = zul::CompareFoldingAscii(fieldA, fieldB))
                return result * direction;
        }
        return 0;
    };
    std::stable_sort(indices.begin(), indices.end(),
                     [&](std::size_t a, std::size_t b) { return compare(a, b) < 0; });
}

} // namespace kolvane
