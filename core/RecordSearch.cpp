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

namespace {

bool ArtistMatches(std::string_view shown, const ArtistLookup& lookup) {
    const std::string_view text = lookup.text;
    if (shown.size() < text.size() || (lookup.whole && shown.size() != text.size()))
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (zul::UpperCase1252(static_cast<unsigned char>(shown[i])) !=
            zul::UpperCase1252(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

} // namespace

int FindArtistRow(const DiscCollection& entries, const DisplayOrder& order, int start,
                  const ArtistLookup& lookup) {
    const int count = order.RowCount();
    if (start < 0 || start >= count)
        start = 0;
    const int searched = lookup.wrap ? count : count - start;
    for (int i = 0; i < searched; ++i) {
        const int row = (start + i) % count;
        const std::size_t index = order.EntryIndexAt(row);
        if (index >= entries.size())
            continue;
        const std::string& artist = entries[index].Artist;
        if (ArtistMatches(artist.empty() ? lookup.emptyText : std::string_view(artist), lookup))
            return row;
    }
    return -1;
}

} // namespace kolvane
