#pragma once

#include "core/DiscEntry.h"
#include "core/IndexArray.h"
#include "core/RecordSearch.h"
#include "core/SortOrder.h"
#include "support/MessageReporter.h"
#include "support/Progress.h"
#include "support/win32/ListView.h"

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

namespace kolvane {

// A collection bound to the report list that shows it, with its sort state and
// modified flag. Every list item carries its entry index as item data and
// asks for its texts on demand, so a row (display position) and an entry index
// differ as soon as the list is sorted; positions below are rows.
//
// Every change of the list's items and their order goes through this class,
// so it keeps the entry index of each row itself: searching, collecting and
// selecting walk that order instead of asking the list row by row.
class CollectionView : public DisplayOrder {
public:
    static constexpr int ColumnCount = 4;

    CollectionView() = default;
    CollectionView(const CollectionView&) = delete;
    CollectionView& operator=(const CollectionView&) = delete;

    // Loads the placeholder, switches on full-row selection and inserts the
    // four columns.
    void Attach(HWND list);
    const zul::Windows::ListView& List() const { return list_; }

    const DiscCollection& Entries() const { return entries_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Editing; each sets the modified flag.
    void Add(const DiscEntry& entry);
    void AppendAll(const DiscCollection& entries, bool select, zul::Progress* progress = nullptr);
    void Replace(int position, const DiscEntry& entry);
    void SetField(int position, int column, const std::string& text);
    void SetTracks(int position, const std::string& text);
    void SetNotes(int position, const std::string& text);
    void DeleteAt(const IndexArray& positions);
    // Empties entries and list, puts the default sort into force, clears modified.
    void Clear();

    // Copies; an empty entry where there is none.
    DiscEntry GetAt(int position) const;
    void CollectAll(DiscCollection& target) const;
    int CollectSelected(DiscCollection& target) const;
    DiscEntry FirstSelected() const;
    DiscEntry Focused() const;

    // The list. A progress is told of each row put in.
    void FillList(zul::Progress* progress = nullptr);
    void SelectAll(bool on);
    void SelectFrom(std::size_t firstIndex);
    void EnsureFocusVisible() const;
    int FocusedPosition() const;
    // The row that shows the entry with this index, -1 for none.
    int PositionOfEntry(std::size_t index) const;
    int SelectedCount() const { return list_.SelectedCount(); }

    // Sorting and searching.
    void Resort();
    void SortColumnClicked(int column);
    void SetDefaultSort(int column, int ascending);
    int DefaultSortColumn() const { return sort_.defaultColumn; }
    int DefaultSortAscending() const { return sort_.defaultAscending; }
    const SortState& Sort() const { return sort_; }
    int CompareForSort(std::size_t a, std::size_t b) const;
    // 1: the next matching row has the focus; 0: none, after a beep.
    int FindNext(const std::string& text, bool down);

    // The text of a cell the list asks for (LVN_GETDISPINFO).
    void SupplyCellText(NMLVDISPINFOA& info) const;

    // The native file, under the wait cursor. Loading always ends with the
    // list rebuilt from what was read and not modified; saving clears the
    // modified flag only when the file was written, and shows its progress
    // in the window's status line.
    int LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                       zul::Progress* progress = nullptr);
    int SaveNativeFile(const std::string& path, zul::MessageReporter& reporter);

    // True while an operation changes many items at once; the window then
    // skips refreshing on each item's change and refreshes once afterwards.
    bool IsChangingInBulk() const { return bulk_ > 0; }

    // DisplayOrder: the rows as the list shows them.
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    std::size_t EntryIndexAt(int row) const override;

private:
    class Bulk;
    static int CALLBACK CompareRanks(LPARAM first, LPARAM second, LPARAM view);
    DiscEntry* EntryAtPosition(int position);
    const DiscEntry* EntryAtPosition(int position) const;
    // Entry indices in the order of the sort in force; ties keep the order of
    // start.
    void SortRows(std::vector<std::size_t>& rows) const;

    zul::Windows::ListView list_;
    DiscCollection entries_;
    // The entry index of each row, in step with the list's items.
    std::vector<std::size_t> rows_;
    // While the list sorts: the row each entry index is to have.
    std::vector<std::size_t> ranks_;
    std::string placeholder_;
    SortState sort_;
    bool modified_ = false;
    int bulk_ = 0;
};

} // namespace kolvane
