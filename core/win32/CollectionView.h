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

// A collection, owned elsewhere (by a document), bound to the owner-data
// report list that shows it: the list holds only the number of rows and the
// state of each (selection, focus), and asks for every cell's text, which
// this class answers from the collection's order of rows; positions below
// are rows of both. Every change of the rows and their order goes through
// this class, which makes the collection's change and then brings the list
// into step, keeping selection, focus and selection mark with their entries
// when the rows only change their order.
class CollectionView {
public:
    static constexpr int ColumnCount = Collection::ColumnCount;

    explicit CollectionView(Collection& collection) : collection_(collection) {}
    CollectionView(const CollectionView&) = delete;
    CollectionView& operator=(const CollectionView&) = delete;

    // Loads the placeholder, switches on full-row selection and inserts the
    // four columns. The list must have been made with LVS_OWNERDATA.
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
    // Shows the collection's rows anew, nothing selected or focused; a
    // progress is told when they are in.
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
    void SortColumnClicked(int column);
    void SetDefaultSort(int column, int ascending);
    int DefaultSortColumn() const { return Sort().defaultColumn; }
    int DefaultSortAscending() const { return Sort().defaultAscending; }
    const SortState& Sort() const { return collection_.Sort(); }
    // 1: the next matching row has the focus; 0: none, after a beep.
    int FindNext(const std::string& text, bool down);

    // The text of a cell the list asks for (LVN_GETDISPINFO).
    void SupplyCellText(NMLVDISPINFOA& info) const;
    // The row a type-to-find of the list looks for (LVN_ODFINDITEM, in its
    // ANSI or Unicode form), -1 for none.
    int FindItem(const NMLVFINDITEMA& find, bool unicode) const;

    // Reads the native file under the wait cursor (Collection.h), told to
    // the progress; ends with the list showing what was read.
    int LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                       zul::Progress* progress = nullptr);

    // True while an operation changes many items at once; the window then
    // skips refreshing on each item's change and refreshes once afterwards.
    bool IsChangingInBulk() const { return bulk_ > 0; }

private:
    class Bulk;
    class KeptSelection;
    // Shows the collection's new order of rows; selection, focus and
    // selection mark go with their entries to the rows those now have.
    void ShowNewOrder(const KeptSelection& kept);
    // The selected rows, in display order.
    IndexArray SelectedRows() const;

    zul::Windows::ListView list_;
    Collection& collection_;
    std::string placeholder_;
    int bulk_ = 0;
};

} // namespace kolvane
