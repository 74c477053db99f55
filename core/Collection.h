#pragma once

#include "core/DiscEntry.h"
#include "core/IndexArray.h"
#include "core/RecordSearch.h"
#include "core/SortOrder.h"
#include "support/MessageReporter.h"
#include "support/Progress.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kolvane {

// A collection as a list shows it: the entries, the entry index of each row,
// the sort state and the modified flag. A row (display position) and an entry
// index differ as soon as a sort is in force; positions below are rows.
//
// The rows are always in the order of the sort in force: an edit that can
// move its entry sorts them again (ties keep their rows), adding, deleting
// and loading lay them out anew (ties in the order of the entries).
class Collection : public DisplayOrder {
public:
    // Artist, title, year and id: the fields shown in columns and sorted by.
    static constexpr int ColumnCount = 4;

    const DiscCollection& Entries() const { return entries_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Editing; each sets the modified flag, appending also when there was
    // nothing to append. A row that shows no entry, or a column out of range,
    // changes nothing and answers false.
    void Add(const DiscEntry& entry) { AppendAll({entry}); }
    void AppendAll(const DiscCollection& entries);
    bool Replace(int row, const DiscEntry& entry);
    bool SetField(int row, int column, const std::string& text);
    bool SetTracks(int row, const std::string& text);
    bool SetNotes(int row, const std::string& text);
    void DeleteRows(const IndexArray& rows);
    // No entries, the default sort in force, not modified.
    void Clear();

    // The entry a row shows; none (an empty entry) where there is none.
    const DiscEntry* At(int row) const;
    DiscEntry GetAt(int row) const;
    // Copies in the order of the rows, appended to target.
    void CollectAll(DiscCollection& target) const;
    // Returns the number of entries collected.
    int CollectRows(const IndexArray& rows, DiscCollection& target) const;
    // The row that shows the entry with this index, -1 for none.
    int RowOfEntry(std::size_t index) const;

    // A click on column 0..3 (anything else is ignored: false).
    bool SortColumnClicked(int column);
    // The default that Clear puts into force; the order in force stays.
    void SetDefaultSort(int column, int ascending);
    const SortState& Sort() const { return sort_; }
    // The first row after focusedRow (down) or before it whose entry contains
    // the text, or -1 (RecordSearch.h).
    int FindRow(const std::string& text, int focusedRow, bool down) const;

    // Loading replaces the entries by what was read, also after a failure,
    // puts the default sort into force and ends not modified; saving clears
    // the modified flag only when the file was written.
    // A progress is told how far the file has come.
    int LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                       zul::Progress* progress = nullptr);
    int SaveNativeFile(const std::string& path, zul::MessageReporter& reporter,
                       zul::Progress* progress = nullptr);

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    std::size_t EntryIndexAt(int row) const override;

private:
    DiscEntry* EntryAt(int row);
    // Field 0..5 of the entry a row shows.
    bool StoreField(int row, int field, const std::string& text);
    // Every entry in the order of the sort in force.
    void LayOutRows();
    void SortRows();

    DiscCollection entries_;
    std::vector<std::size_t> rows_; // the entry index of each row
    SortState sort_;
    bool modified_ = false;
};

} // namespace kolvane
