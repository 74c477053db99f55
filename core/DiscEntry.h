#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvane {

// List column and sort key of the first four fields; -1 means none.
enum FieldColumn : int {
    NoColumn = -1,
    ArtistColumn = 0,
    TitleColumn = 1,
    YearColumn = 2,
    DiscIdColumn = 3,
};

// One catalogue entry. The field order is the order of the native file, of the
// full comparison and of the list columns; every field is code page 1252 text,
// multi-line fields use CR LF.
struct DiscEntry {
    static constexpr int FieldCount = 6;

    std::string Artist;
    std::string Title;
    std::string Year;
    std::string DiscId;
    std::string Tracks;
    std::string Notes;

    // Field by index 0..5 in the order above.
    std::string& Field(int index);
    const std::string& Field(int index) const;

    void AssignFrom(const DiscEntry& other);
    // Byte-wise (unsigned) comparison of the fields in index order; the first
    // difference decides. Case matters.
    int CompareAll(const DiscEntry& other) const;
    void ClearAll();
    bool IsEmpty() const;
    // Some field contains the text, ignoring case as code page 1252 does.
    bool MatchesText(const std::string& text) const;
    // The same with a text already upper-cased. A search over many entries
    // prepares its text once instead (SearchText, RecordSearch.h).
    bool ContainsUpperCased(std::string_view upperText) const;
};

// Insertion and file order; sorting never reorders it.
using DiscCollection = std::vector<DiscEntry>;

} // namespace kolvane
