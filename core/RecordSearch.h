#pragma once

#include "core/DiscEntry.h"
#include "support/TextCase.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kolvane {

// Which entry each row of a list shows: rows and entry indices differ once the
// list is sorted.
class DisplayOrder {
public:
    virtual int RowCount() const = 0;
    virtual std::size_t EntryIndexAt(int row) const = 0;

protected:
    ~DisplayOrder() = default;
};

// A search text upper-cased once, with its table for skipping ahead, so that
// walking the entries compares without making a copy of any field.
class SearchText {
public:
    explicit SearchText(std::string_view text);

    bool Empty() const { return finder_.Empty(); }
    // Some field of the entry contains the text, ignoring case as code page
    // 1252 does.
    bool Matches(const DiscEntry& entry) const;

private:
    zul::UpperCaseFinder finder_;
};

// The first row after focusedRow (downwards) or before it (upwards) whose entry
// matches, or -1; no wrap-around. focusedRow -1 means no row has the focus, so
// a downward search starts at the first row and an upward one finds nothing.
int FindMatchingRow(const DiscCollection& entries, const DisplayOrder& order, int focusedRow,
                    bool down, const SearchText& text);

// What a list's type-to-find looks for: the text of the artist column (an
// empty artist shows as emptyText) begins with, or with whole set is, text,
// ignoring case as code page 1252 does.
struct ArtistLookup {
    std::string_view text;
    std::string_view emptyText;
    bool whole = false;
    bool wrap = true;
};

// The first row from start on (a negative start is the first row) that
// matches, going on from the first row when wrap is set; -1 for none.
int FindArtistRow(const DiscCollection& entries, const DisplayOrder& order, int start,
                  const ArtistLookup& lookup);

} // namespace kolvane
