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

constexpr std::size_t WordBytes = sizeof(std::uint64_t);

// Eight bytes of a field from offset on, folded as CompareFoldingAscii folds
// them, the first in the highest byte and zeros after the end: two words
// that differ compare as the fields do, since an ended field is a prefix of
// the other.
std::uint64_t FoldedWord(const std::string& field, std::size_t offset) {
    std::uint64_t word = 0;
    for (std::size_t i = offset; i < offset + WordBytes; ++i) {
        word <<= 8;
        if (i < field.size())
            word |= zul::FoldAscii(static_cast<unsigned char>(field[i]));
    }
    return word;
}

// What a sort compares first, per entry: the folded prefixes of the fields in
// the order of the sort, the chosen column's two words long, the others one;
// and which of them hold their field whole, so that equal prefixes of two
// such fields mean equal fields without a look at the texts.
constexpr int FirstFieldWords = 2;
constexpr int KeyWords = FirstFieldWords + KeyFields - 1;

struct SortKey {
    std::uint64_t words[KeyWords];
    unsigned whole; // bit k: field k of the order
};

SortKey MakeSortKey(const DiscEntry& entry, const int (&fields)[KeyFields]) {
    SortKey key{};
    int word = 0;
    for (int k = 0; k < KeyFields; ++k) {
        const std::string& field = entry.Field(fields[k]);
        const int words = k == 0 ? FirstFieldWords : 1;
        for (int w = 0; w < words; ++w)
            key.words[word++] = FoldedWord(field, static_cast<std::size_t>(w) * WordBytes);
        // A NUL byte would look like the zeros after the end.
        if (field.size() <= static_cast<std::size_t>(words) * WordBytes &&
            field.find('\0') == std::string::npos)
            key.whole |= 1u << k;
    }
    return key;
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

// Most comparisons end at the chosen column's prefix, which is sorted along
// with each index, so that they read neither the entries nor the other keys.
void SortStable(const DiscCollection& entries, std::vector<std::size_t>& indices, int column,
                int ascending) {
    if (column < 0)
        return;
    int fields[KeyFields];
    FieldOrder(column, fields);
    std::vector<SortKey> keys(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys[i] = MakeSortKey(entries[i], fields);
    const int direction = ascending == 1 ? 1 : -1;
    // The order of two entries whose prefixes of the chosen column are equal.
    auto compareTie = [&](std::size_t a, std::size_t b) {
        const SortKey& keyA = keys[a];
        const SortKey& keyB = keys[b];
        int word = FirstFieldWords;
        for (int k = 0; k < KeyFields; ++k) {
            if (k > 0) {
                if (keyA.words[word] != keyB.words[word])
                    return keyA.words[word] < keyB.words[word] ? -direction : direction;
                ++word;
            }
            if ((keyA.whole & keyB.whole & (1u << k)) != 0)
                continue;
            // Equal prefixes: the fields differ only in what follows them.
            const int result = zul::CompareFoldingAscii(entries[a].Field(fields[k]),
                                                        entries[b].Field(fields[k]));
            if (result != 0)
                return result * direction;
        }
        return 0;
    };
    struct Item {
        std::uint64_t prefix[FirstFieldWords];
        std::size_t index;
    };
    std::vector<Item> items(indices.size());
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const std::uint64_t* words = keys[indices[i]].words;
        items[i] = Item{{words[0], words[1]}, indices[i]};
    }
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        for (int w = 0; w < FirstFieldWords; ++w) {
            if (a.prefix[w] != b.prefix[w])
                return (a.prefix[w] < b.prefix[w]) == (direction > 0);
        }
        return compareTie(a.index, b.index) < 0;
    });
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = items[i].index;
}

void OrderTiesByIndex(const DiscCollection& entries, std::vector<std::size_t>& indices,
                      int column, int ascending) {
    if (column < 0) {
        std::sort(indices.begin(), indices.end());
        return;
    }
    for (std::size_t first = 0; first < indices.size();) {
        std::size_t end = first + 1;
        while (end < indices.size() &&
               CompareForSort(entries, indices[first], indices[end], column, ascending) == 0)
            ++end;
        std::sort(indices.begin() + static_cast<std::ptrdiff_t>(first),
                  indices.begin() + static_cast<std::ptrdiff_t>(end));
        first = end;
    }
}

} // namespace kolvane
