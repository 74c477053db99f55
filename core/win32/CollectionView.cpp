#include "core/win32/CollectionView.h"

#include "resources/resource.h"
#include "support/win32/ResourceText.h"
#include "support/win32/WaitCursor.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace kolvane {

using zul::Windows::WaitCursor;

// Counts nested bulk changes, so that a bulk operation calling another one
// ends the bulk state only once, at the outermost end.
class CollectionView::Bulk {
public:
    explicit Bulk(CollectionView& view) : view_(view) { ++view_.bulk_; }
    ~Bulk() { --view_.bulk_; }
    Bulk(const Bulk&) = delete;
    Bulk& operator=(const Bulk&) = delete;

private:
    CollectionView& view_;
};

namespace {

// The list does not repaint while many of its items change, and repaints once
// afterwards. Without it, every item whose state changes is invalidated on
// its own, which under Wine is a round trip to the wineserver per item.
class RedrawOff {
public:
    explicit RedrawOff(const zul::Windows::ListView& list) : list_(list) {
        list_.Send(WM_SETREDRAW, FALSE);
    }
    ~RedrawOff() {
        list_.Send(WM_SETREDRAW, TRUE);
        list_.Invalidate(true);
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    const zul::Windows::ListView& list_;
};

} // namespace

// Selection, focus and selection mark by entry, taken before the collection
// changes its order of rows: an owner-data list keeps them by row, where a
// list that sorts its own items keeps them with the items.
class CollectionView::KeptSelection {
public:
    explicit KeptSelection(const CollectionView& view)
        : focused_(view.EntryIndexAt(view.FocusedPosition())),
          mark_(view.EntryIndexAt(view.list_.SelectionMark())) {
        const int selected = view.SelectedCount();
        // All rows selected stay so: nothing to note.
        if (selected > 0 && selected == view.RowCount())
            return;
        rows_ = view.SelectedRows();
        for (std::size_t i = 0; i < rows_.Size(); ++i)
            selected_.push_back(view.EntryIndexAt(static_cast<int>(rows_[i])));
    }

    // Row by row, so that the cost follows the size of the selection, not
    // that of the list; all rows selected stay so.
    void Restore(const CollectionView& view) const {
        const zul::Windows::ListView& list = view.list_;
        const Collection& collection = view.collection_;
        std::vector<int> rowOf(collection.Entries().size(), -1);
        for (int row = 0; row < collection.RowCount(); ++row)
            rowOf[collection.EntryIndexAt(row)] = row;
        auto row = [&rowOf](std::size_t index) {
            return index < rowOf.size() ? rowOf[index] : -1;
        };
        // Row -1 would mean every row to the list.
        auto set = [&list](int row, UINT state, UINT mask) {
            if (row >= 0)
                list.SetItemState(row, state, mask);
        };
        for (std::size_t i = 0; i < rows_.Size(); ++i)
            set(static_cast<int>(rows_[i]), 0, LVIS_SELECTED);
        for (std::size_t index : selected_)
            set(row(index), LVIS_SELECTED, LVIS_SELECTED);
        set(row(focused_), LVIS_FOCUSED, LVIS_FOCUSED);
        list.SetSelectionMark(row(mark_));
    }

private:
    IndexArray rows_;                   // the selected rows before
    std::vector<std::size_t> selected_; // their entries
    std::size_t focused_;
    std::size_t mark_;
};

void CollectionView::Attach(HWND list) {
    list_.Attach(list);
    placeholder_ = zul::Windows::LoadResourceText(IDS_PLACEHOLDER);
    list_.SetExtendedStyle(list_.ExtendedStyle() | LVS_EX_FULLROWSELECT);
    static constexpr UINT headings[ColumnCount] = {IDS_COLUMN_ARTIST, IDS_COLUMN_TITLE,
                                                   IDS_COLUMN_YEAR, IDS_COLUMN_ID};
    static constexpr int widths[ColumnCount] = {120, 250, 60, 70};
    for (int column = 0; column < ColumnCount; ++column) {
        std::string heading = zul::Windows::LoadResourceText(headings[column]);
        LVCOLUMNA info{};
        info.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.fmt = LVCFMT_LEFT;
        info.cx = widths[column];
        info.pszText = heading.data();
        info.iSubItem = column;
        list_.InsertColumn(column, info);
    }
}

void CollectionView::AppendAll(const DiscCollection& entries, bool select,
                               zul::Progress* progress) {
    const std::size_t first = collection_.Entries().size();
    collection_.AppendAll(entries);
    FillList(progress);
    if (select)
        SelectFrom(first);
}

void CollectionView::Replace(int position, const DiscEntry& entry) {
    const KeptSelection kept(*this);
    if (collection_.Replace(position, entry))
        ShowNewOrder(kept);
}

void CollectionView::SetField(int position, int column, const std::string& text) {
    const KeptSelection kept(*this);
    if (collection_.SetField(position, column, text))
        ShowNewOrder(kept);
}

void CollectionView::DeleteAt(const IndexArray& positions) {
    collection_.DeleteRows(positions);
    FillList();
}

void CollectionView::Clear() {
    Bulk bulk(*this);
    collection_.Clear();
    list_.DeleteAllItems();
}

IndexArray CollectionView::SelectedRows() const {
    IndexArray rows;
    for (int row = list_.NextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.NextItem(row, LVNI_SELECTED))
        rows.Add(static_cast<std::uint32_t>(row));
    return rows;
}

int CollectionView::CollectSelected(DiscCollection& target) const {
    return collection_.CollectRows(SelectedRows(), target);
}

DiscEntry CollectionView::FirstSelected() const {
    return GetAt(list_.NextItem(-1, LVNI_SELECTED));
}

DiscEntry CollectionView::Focused() const {
    return GetAt(FocusedPosition());
}

int CollectionView::FocusedPosition() const {
    return list_.NextItem(-1, LVNI_FOCUSED);
}

void CollectionView::FillList(zul::Progress* progress) {
    Bulk bulk(*this);
    RedrawOff redrawOff(list_);
    // Emptying first drops selection, focus and selection mark, and scrolls
    // to the top; the list then only learns the number of rows.
    list_.DeleteAllItems();
    const int rows = collection_.RowCount();
    list_.SetItemCount(rows, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (progress != nullptr)
        progress->Advance(static_cast<std::uint64_t>(rows), static_cast<std::uint64_t>(rows));
}

void CollectionView::SelectAll(bool on) {
    WaitCursor wait;
    Bulk bulk(*this);
    RedrawOff redrawOff(list_);
    list_.SetItemState(-1, on ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void CollectionView::SelectFrom(std::size_t firstIndex) {
    {
        Bulk bulk(*this);
        RedrawOff redrawOff(list_);
        list_.SetItemState(-1, 0, LVIS_SELECTED);
        bool focused = false;
        for (int row = 0; row < collection_.RowCount(); ++row) {
            if (collection_.EntryIndexAt(row) < firstIndex)
                continue;
            const UINT flags = focused ? LVIS_SELECTED : LVIS_SELECTED | LVIS_FOCUSED;
            list_.SetItemState(row, flags, flags);
            focused = true;
        }
    }
    EnsureFocusVisible();
}

void CollectionView::EnsureFocusVisible() const {
    int row = FocusedPosition();
    if (row < 0)
        row = list_.NextItem(-1, LVNI_SELECTED);
    if (row >= 0)
        list_.EnsureVisible(row, false);
}

void CollectionView::ShowNewOrder(const KeptSelection& kept) {
    if (Sort().column < 0) {
        list_.Invalidate(true);
        return;
    }
    {
        Bulk bulk(*this);
        RedrawOff redrawOff(list_);
        kept.Restore(*this);
    }
    EnsureFocusVisible();
}

void CollectionView::SortColumnClicked(int column) {
    const KeptSelection kept(*this);
    if (collection_.SortColumnClicked(column))
        ShowNewOrder(kept);
}

void CollectionView::SetDefaultSort(int column, int ascending) {
    const KeptSelection kept(*this);
    collection_.SetDefaultSort(column, ascending);
    ShowNewOrder(kept);
}

int CollectionView::FindNext(const std::string& text, bool down) {
    const int row = collection_.FindRow(text, FocusedPosition(), down);
    if (row < 0) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return 0;
    }
    list_.SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
    EnsureFocusVisible();
    return 1;
}

void CollectionView::SupplyCellText(NMLVDISPINFOA& info) const {
    LVITEMA& item = info.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0)
        return;
    const DiscEntry* entry = collection_.At(item.iItem);
    const std::string* text = &placeholder_;
    if (entry != nullptr && item.iSubItem >= 0 && item.iSubItem < ColumnCount) {
        const std::string& field = entry->Field(item.iSubItem);
        if (!field.empty())
            text = &field;
    }
    const std::size_t length = text->size() < static_cast<std::size_t>(item.cchTextMax - 1)
                                   ? text->size()
                                   : item.cchTextMax - 1;
    std::memcpy(item.pszText, text->data(), length);
    item.pszText[length] = '\0';
}

// Windows sends the ANSI form to a window that takes ANSI notifications; Wine
// sends the Unicode form to every window.
int CollectionView::FindItem(const NMLVFINDITEMA& find, bool unicode) const {
    const LVFINDINFOA& info = find.lvfi;
    if ((info.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || info.psz == nullptr)
        return -1;
    std::string text;
    if (unicode) {
        const auto* wide = reinterpret_cast<const wchar_t*>(info.psz);
        const int size = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        if (size <= 1)
            return -1;
        text.resize(static_cast<std::size_t>(size));
        ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(size - 1));
    } else {
        text = info.psz;
    }
    ArtistLookup lookup;
    lookup.text = text;
    lookup.emptyText = placeholder_;
    lookup.whole = (info.flags & LVFI_PARTIAL) == 0;
    lookup.wrap = (info.flags & LVFI_WRAP) != 0;
    return FindArtistRow(collection_.Entries(), collection_, find.iStart, lookup);
}

// The list is emptied before reading, so that it never shows rows of entries
// being read over. Showing them takes no time worth a progress.
int CollectionView::LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                                   zul::Progress* progress) {
    WaitCursor wait;
    Clear();
    const int result = collection_.LoadNativeFile(path, reporter, progress);
    FillList();
    return result;
}

} // namespace kolvane
