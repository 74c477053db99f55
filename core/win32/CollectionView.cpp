#include "core/win32/CollectionView.h"

#include "resources/resource.h"
#include "support/win32/ResourceText.h"
#include "support/win32/WaitCursor.h"

#include <cstdint>
#include <cstring>

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
    if (collection_.Replace(position, entry))
        Resort();
}

void CollectionView::SetField(int position, int column, const std::string& text) {
    if (collection_.SetField(position, column, text))
        Resort();
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
    list_.DeleteAllItems();
    // Room for all items at once instead of growing row by row.
    const int rows = collection_.RowCount();
    list_.SetItemCount(rows);
    // Only the item's own text is marked as a callback: a list view asks its
    // owner for the text of every column that has none of its own, as the
    // system's example of callback items relies on, so marking columns 1 to 3
    // as well would cost three more messages and allocations per row.
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = LPSTR_TEXTCALLBACKA;
    for (int row = 0; row < rows; ++row) {
        item.iItem = row;
        item.lParam = static_cast<LPARAM>(collection_.EntryIndexAt(row));
        // An item that does not go in would shift every later row.
        if (list_.InsertItem(item) < 0)
            break;
        if (progress != nullptr)
            progress->Advance(static_cast<std::uint64_t>(row) + 1, static_cast<std::uint64_t>(rows));
    }
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

// The collection has worked out the order with its own stable sort; the list
// sorts its items by each entry's row in that order, through its comparison
// callback, and so ends up in exactly that order.
void CollectionView::Resort() {
    if (Sort().column < 0) {
        list_.Invalidate(true);
        return;
    }
    ranks_.assign(collection_.Entries().size(), 0);
    for (int row = 0; row < collection_.RowCount(); ++row)
        ranks_[collection_.EntryIndexAt(row)] = static_cast<std::size_t>(row);
    list_.SortItems(&CollectionView::CompareRanks, reinterpret_cast<LPARAM>(this));
    ranks_ = {};
    EnsureFocusVisible();
}

void CollectionView::SortColumnClicked(int column) {
    if (collection_.SortColumnClicked(column))
        Resort();
}

void CollectionView::SetDefaultSort(int column, int ascending) {
    collection_.SetDefaultSort(column, ascending);
    Resort();
}

int CALLBACK CollectionView::CompareRanks(LPARAM first, LPARAM second, LPARAM view) {
    // Allocates nothing and cannot throw, so nothing has to be caught here.
    const std::vector<std::size_t>& ranks = reinterpret_cast<const CollectionView*>(view)->ranks_;
    const auto a = static_cast<std::size_t>(first), b = static_cast<std::size_t>(second);
    if (a >= ranks.size() || b >= ranks.size())
        return 0;
    return ranks[a] < ranks[b] ? -1 : (ranks[a] > ranks[b] ? 1 : 0);
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
    const DiscCollection& entries = collection_.Entries();
    const std::size_t index = static_cast<std::size_t>(item.lParam);
    const std::string* text = &placeholder_;
    if (index < entries.size() && item.iSubItem >= 0 && item.iSubItem < ColumnCount) {
        const std::string& field = entries[index].Field(item.iSubItem);
        if (!field.empty())
            text = &field;
    }
    const std::size_t length = text->size() < static_cast<std::size_t>(item.cchTextMax - 1)
                                   ? text->size()
                                   : item.cchTextMax - 1;
    std::memcpy(item.pszText, text->data(), length);
    item.pszText[length] = '\0';
}

// The list is emptied before reading, so that it never shows rows of entries
// being read over.
int CollectionView::LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                                   zul::Progress* progress) {
    WaitCursor wait;
    Clear();
    zul::ProgressPart reading(progress, 0, 2), showing(progress, 1, 2);
    const int result = collection_.LoadNativeFile(path, reporter, reading.Get());
    FillList(showing.Get());
    return result;
}

} // namespace kolvane
