#include "core/win32/CollectionView.h"

#include "core/EntryRemoval.h"
#include "core/NativeFile.h"
#include "resources/resource.h"
#include "support/win32/ResourceText.h"
#include "support/win32/StatusLineProgress.h"
#include "support/win32/WaitCursor.h"

#include <algorithm>
#include <cstring>
#include <numeric>
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

std::size_t CollectionView::EntryIndexAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? rows_[static_cast<std::size_t>(row)]
               : entries_.size();
}

DiscEntry* CollectionView::EntryAtPosition(int position) {
    return const_cast<DiscEntry*>(
        static_cast<const CollectionView&>(*this).EntryAtPosition(position));
}

const DiscEntry* CollectionView::EntryAtPosition(int position) const {
    const std::size_t index = EntryIndexAt(position);
    return index < entries_.size() ? &entries_[index] : nullptr;
}

void CollectionView::Add(const DiscEntry& entry) {
    const std::size_t first = entries_.size();
    entries_.push_back(entry);
    modified_ = true;
    FillList();
    SelectFrom(first);
}

void CollectionView::AppendAll(const DiscCollection& entries, bool select,
                               zul::Progress* progress) {
    const std::size_t first = entries_.size();
    entries_.insert(entries_.end(), entries.begin(), entries.end());
    modified_ = true;
    FillList(progress);
    if (select)
        SelectFrom(first);
}

void CollectionView::Replace(int position, const DiscEntry& entry) {
    if (DiscEntry* target = EntryAtPosition(position)) {
        target->AssignFrom(entry);
        modified_ = true;
        Resort();
    }
}

void CollectionView::SetField(int position, int column, const std::string& text) {
    DiscEntry* target = EntryAtPosition(position);
    if (target == nullptr || column < 0 || column >= ColumnCount)
        return;
    target->Field(column) = text;
    modified_ = true;
    Resort();
}

void CollectionView::SetTracks(int position, const std::string& text) {
    if (DiscEntry* target = EntryAtPosition(position)) {
        target->Tracks = text;
        modified_ = true;
    }
}

void CollectionView::SetNotes(int position, const std::string& text) {
    if (DiscEntry* target = EntryAtPosition(position)) {
        target->Notes = text;
        modified_ = true;
    }
}

void CollectionView::DeleteAt(const IndexArray& positions) {
    IndexArray indices;
    for (std::size_t i = 0; i < positions.Size(); ++i) {
        const std::size_t index = EntryIndexAt(static_cast<int>(positions[i]));
        if (index < entries_.size())
            indices.Add(static_cast<std::uint32_t>(index));
    }
    indices.SortDescending();
    RemoveEntries(entries_, indices.Values());
    modified_ = true;
    FillList();
}

void CollectionView::Clear() {
    Bulk bulk(*this);
    entries_.clear();
    rows_.clear();
    list_.DeleteAllItems();
    sort_.ApplyDefault();
    modified_ = false;
}

DiscEntry CollectionView::GetAt(int position) const {
    const DiscEntry* entry = EntryAtPosition(position);
    return entry != nullptr ? *entry : DiscEntry{};
}

void CollectionView::CollectAll(DiscCollection& target) const {
    target.reserve(target.size() + rows_.size());
    for (std::size_t index : rows_)
        target.push_back(entries_[index]);
}

int CollectionView::CollectSelected(DiscCollection& target) const {
    int count = 0;
    for (int row = list_.NextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.NextItem(row, LVNI_SELECTED)) {
        if (const DiscEntry* entry = EntryAtPosition(row)) {
            target.push_back(*entry);
            ++count;
        }
    }
    return count;
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

int CollectionView::PositionOfEntry(std::size_t index) const {
    const auto row = std::find(rows_.begin(), rows_.end(), index);
    return row != rows_.end() ? static_cast<int>(row - rows_.begin()) : -1;
}

void CollectionView::FillList(zul::Progress* progress) {
    Bulk bulk(*this);
    RedrawOff redrawOff(list_);
    list_.DeleteAllItems();
    rows_.clear();
    // The items go in already in the order of the sort in force: sorting the
    // indices here costs a fraction of having the list sort its items.
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    SortRows(order);
    // Room for all items at once instead of growing row by row.
    list_.SetItemCount(static_cast<int>(order.size()));
    rows_.reserve(order.size());
    // Only the item's own text is marked as a callback: a list view asks its
    // owner for the text of every column that has none of its own, as the
    // system's example of callback items relies on, so marking columns 1 to 3
    // as well would cost three more messages and allocations per row.
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = LPSTR_TEXTCALLBACKA;
    for (std::size_t index : order) {
        item.iItem = static_cast<int>(rows_.size());
        item.lParam = static_cast<LPARAM>(index);
        if (list_.InsertItem(item) >= 0)
            rows_.push_back(index);
        if (progress != nullptr)
            progress->Advance(rows_.size(), order.size());
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
        for (std::size_t row = 0; row < rows_.size(); ++row) {
            if (rows_[row] < firstIndex)
                continue;
            const UINT flags = focused ? LVIS_SELECTED : LVIS_SELECTED | LVIS_FOCUSED;
            list_.SetItemState(static_cast<int>(row), flags, flags);
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

void CollectionView::SortRows(std::vector<std::size_t>& rows) const {
    if (sort_.column < 0)
        return;
    std::stable_sort(rows.begin(), rows.end(),
                     [this](std::size_t a, std::size_t b) { return CompareForSort(a, b) < 0; });
}

// The order is worked out by the program's own stable sort; then the list
// sorts its items by each entry's place in that order, through its comparison
// callback, and so ends up in exactly the order known here.
void CollectionView::Resort() {
    if (sort_.column < 0) {
        list_.Invalidate(true);
        return;
    }
    std::vector<std::size_t> rows = rows_;
    SortRows(rows);
    ranks_.assign(entries_.size(), 0);
    for (std::size_t row = 0; row < rows.size(); ++row)
        ranks_[rows[row]] = row;
    list_.SortItems(&CollectionView::CompareRanks, reinterpret_cast<LPARAM>(this));
    rows_ = std::move(rows);
    ranks_ = {};
    EnsureFocusVisible();
}

void CollectionView::SortColumnClicked(int column) {
    if (column < 0 || column >= ColumnCount)
        return;
    sort_.ColumnClicked(column);
    Resort();
}

void CollectionView::SetDefaultSort(int column, int ascending) {
    sort_.SetDefault(column, ascending);
    Resort();
}

int CollectionView::CompareForSort(std::size_t a, std::size_t b) const {
    if (a >= entries_.size() || b >= entries_.size())
        return 0;
    return kolvane::CompareForSort(entries_, a, b, sort_.column, sort_.ascending);
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
    const SearchText search(text);
    const int row = FindMatchingRow(entries_, *this, FocusedPosition(), down, search);
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
    const std::size_t index = static_cast<std::size_t>(item.lParam);
    const std::string* text = &placeholder_;
    if (index < entries_.size() && item.iSubItem >= 0 && item.iSubItem < ColumnCount) {
        const std::string& field = entries_[index].Field(item.iSubItem);
        if (!field.empty())
            text = &field;
    }
    const std::size_t length = text->size() < static_cast<std::size_t>(item.cchTextMax - 1)
                                   ? text->size()
                                   : item.cchTextMax - 1;
    std::memcpy(item.pszText, text->data(), length);
    item.pszText[length] = '\0';
}

int CollectionView::LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                                   zul::Progress* progress) {
    WaitCursor wait;
    Clear();
    // Reading is the first half; the list takes as long again.
    zul::ProgressPart reading(progress, 0, 2), showing(progress, 1, 2);
    const int result = kolvane::LoadNativeFile(path, entries_, reporter, reading.Get());
    FillList(showing.Get());
    modified_ = false;
    return result;
}

int CollectionView::SaveNativeFile(const std::string& path, zul::MessageReporter& reporter) {
    WaitCursor wait;
    zul::Windows::StatusLineProgress progress(list_.Handle(), IDS_PROGRESS_SAVE);
    const int result = kolvane::SaveNativeFile(path, entries_, reporter, &progress);
    if (result == 1)
        modified_ = false;
    return result;
}

} // namespace kolvane
