#pragma once

#include "core/Collection.h"
#include "support/MessageReporter.h"
#include "support/Progress.h"
#include "support/win32/ListView.h"

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

namespace kolvane {

// A collection, owned elsewhere (by a document), bound to the report list
// that shows it. Every list item carries its entry index as item data and
// asks for its texts on demand; the items stand in the collection's order of
// rows, so positions below are rows of both. Every change of the items and
// their order goes through this class, which makes the collection's change
// and then brings the list into step.
class CollectionView {
public:
    static constexpr int ColumnCount = Collection::ColumnCount;

    explicit CollectionView(Collection& collection) : collection_(collection) {}
    CollectionView(const CollectionView&) = delete;
    CollectionView& operator=(const CollectionView&) = delete;

    // Loads the placeholder, switches on full-row selection and inserts the
    // four columns.
    void Attach(HWND list);
    const zul::Windows::ListView& List() const { return list_; }

    Collection& Content() { return collection_; }
    const Collection& Content() const { return collection_; }
    const DiscCollection& Entries() const { return collection_.Entries(); }
    bool IsModified() const { return collection_.IsModified(); }
    void SetModified(bool modified) { collection_.SetModified(modified); }

    // Editing (Collection.h).
    // The new entry alone ends up selected.
    void Add(const DiscEntry& entry) { AppendAll({entry}, true); }
    void AppendAll(const DiscCollection& entries, bool select, zul::Progress* progress = nullptr);
    void Replace(int position, const DiscEntry& entry);
    void SetField(int position, int column, const std::string& text);
    void SetTracks(int position, const std::string& text) { collection_.SetTracks(position, text); }
    void SetNotes(int position, const std::string& text) { collection_.SetNotes(position, text); }
    void DeleteAt(const IndexArray& positions);
    void Clear();

    // Copies; an empty entry where there is none.
    DiscEntry GetAt(int position) const { return collection_.GetAt(position); }
    void CollectAll(DiscCollection& target) const { collection_.CollectAll(target); }
    int CollectSelected(DiscCollection& target) const;
    DiscEntry FirstSelected() const;
    DiscEntry Focused() const;

    // The list.
    // Rebuilds the items from the collection's rows; a progress is told of
    // each row put in.
    void FillList(zul::Progress* progress = nullptr);
    void SelectAll(bool on);
    // Selects the rows of the entries from firstIndex on and focuses the first.
    void SelectFrom(std::size_t firstIndex);
    void EnsureFocusVisible() const;
    int FocusedPosition() const;
    int PositionOfEntry(std::size_t index) const { return collection_.RowOfEntry(index); }
    int SelectedCount() const { return list_.SelectedCount(); }
    int RowCount() const { return collection_.RowCount(); }
    std::size_t EntryIndexAt(int row) const { return collection_.EntryIndexAt(row); }

    // Sorting and searching.
    // Puts the items into the collection's order of rows.
    void Resort();
    void SortColumnClicked(int column);
    void SetDefaultSort(int column, int ascending);
    int DefaultSortColumn() const { return Sort().defaultColumn; }
    int DefaultSortAscending() const { return Sort().defaultAscending; }
    const SortState& Sort() const { return collection_.Sort(); }
    // 1: the next matching row has the focus; 0: none, after a beep.
    int FindNext(const std::string& text, bool down);

    // The text of a cell the list asks for (LVN_GETDISPINFO).
    void SupplyCellText(NMLVDISPINFOA& info) const;

    // Reads the native file under the wait cursor (Collection.h); ends with
    // the list rebuilt from what was read. Reading is the first half of the
    // progress, filling the list the second.
    int LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                       zul::Progress* progress = nullptr);

    // True while an operation changes many items at once; the window then
    // skips refreshing on each item's change and refreshes once afterwards.
    bool IsChangingInBulk() const { return bulk_ > 0; }

private:
    class Bulk;
    static int CALLBACK CompareRanks(LPARAM first, LPARAM second, LPARAM view);
    // The selected rows, in display order.
    IndexArray SelectedRows() const;

    zul::Windows::ListView list_;
    Collection& collection_;
    // While the list sorts: the row each entry index is to have.
    std::vector<std::size_t> ranks_;
    std::string placeholder_;
    int bulk_ = 0;
};

} // namespace kolvane
