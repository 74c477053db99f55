#include "core/Collection.h"

#include "core/EntryRemoval.h"
#include "core/NativeFile.h"

#include <algorithm>
#include <numeric>

namespace kolvane {

namespace {

// Their indices in DiscEntry::Field.
constexpr int TracksField = 4;
constexpr int NotesField = 5;

} // namespace

std::size_t Collection::EntryIndexAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? rows_[static_cast<std::size_t>(row)]
               : entries_.size();
}

const DiscEntry* Collection::At(int row) const {
    const std::size_t index = EntryIndexAt(row);
    return index < entries_.size() ? &entries_[index] : nullptr;
}

DiscEntry* Collection::EntryAt(int row) {
    return const_cast<DiscEntry*>(static_cast<const Collection&>(*this).At(row));
}

DiscEntry Collection::GetAt(int row) const {
    const DiscEntry* entry = At(row);
    return entry != nullptr ? *entry : DiscEntry{};
}

void Collection::LayOutRows() {
    rows_.resize(entries_.size());
    std::iota(rows_.begin(), rows_.end(), std::size_t{0});
    SortRows();
}

// Stable, so that rows the sort cannot tell apart keep their order.
void Collection::SortRows() {
    SortStable(entries_, rows_, sort_.column, sort_.ascending);
}

void Collection::AppendAll(const DiscCollection& entries) {
    entries_.insert(entries_.end(), entries.begin(), entries.end());
    modified_ = true;
    LayOutRows();
}

bool Collection::Replace(int row, const DiscEntry& entry) {
    DiscEntry* target = EntryAt(row);
    if (target == nullptr)
        return false;
    target->AssignFrom(entry);
    modified_ = true;
    SortRows();
    return true;
}

bool Collection::SetField(int row, int column, const std::string& text) {
    return column >= 0 && column < ColumnCount && StoreField(row, column, text);
}

bool Collection::SetTracks(int row, const std::string& text) {
    return StoreField(row, TracksField, text);
}

bool Collection::SetNotes(int row, const std::string& text) {
    return StoreField(row, NotesField, text);
}

// Tracks and notes take no part in the sort: the rows stay.
bool Collection::StoreField(int row, int field, const std::string& text) {
    DiscEntry* target = EntryAt(row);
    if (target == nullptr)
        return false;
    target->Field(field) = text;
    modified_ = true;
    if (field < ColumnCount)
        SortRows();
    return true;
}

// The rows left keep their order, which is that of the sort in force; only
// ties go into the order of the entries, as a new layout puts them. That
// spares a sort of all rows.
void Collection::DeleteRows(const IndexArray& rows) {
    constexpr std::size_t Removed = static_cast<std::size_t>(-1);
    std::vector<std::size_t> newIndex(entries_.size(), 0);
    IndexArray indices;
    for (std::size_t i = 0; i < rows.Size(); ++i) {
        const std::size_t index = EntryIndexAt(static_cast<int>(rows[i]));
        if (index < entries_.size()) {
            indices.Add(static_cast<std::uint32_t>(index));
            newIndex[index] = Removed;
        }
    }
    std::size_t next = 0;
    for (std::size_t& index : newIndex)
        index = index == Removed ? Removed : next++;
    RemoveEntries(entries_, indices.Values());
    modified_ = true;
    std::size_t kept = 0;
    for (std::size_t index : rows_) {
        if (newIndex[index] != Removed)
            rows_[kept++] = newIndex[index];
    }
    rows_.resize(kept);
    OrderTiesByIndex(entries_, rows_, sort_.column, sort_.ascending);
}

void Collection::Clear() {
    entries_.clear();
    rows_.clear();
    sort_.ApplyDefault();
    modified_ = false;
}

void Collection::CollectAll(DiscCollection& target) const {
    target.reserve(target.size() + rows_.size());
    for (std::size_t index : rows_)
        target.push_back(entries_[index]);
}

int Collection::CollectRows(const IndexArray& rows, DiscCollection& target) const {
    int count = 0;
    for (std::size_t i = 0; i < rows.Size(); ++i) {
        if (const DiscEntry* entry = At(static_cast<int>(rows[i]))) {
            target.push_back(*entry);
            ++count;
        }
    }
    return count;
}

int Collection::RowOfEntry(std::size_t index) const {
    const auto row = std::find(rows_.begin(), rows_.end(), index);
    return row != rows_.end() ? static_cast<int>(row - rows_.begin()) : -1;
}

bool Collection::SortColumnClicked(int column) {
    if (column < 0 || column >= ColumnCount)
        return false;
    sort_.ColumnClicked(column);
    SortRows();
    return true;
}

void Collection::SetDefaultSort(int column, int ascending) {
    sort_.SetDefault(column, ascending);
}

int Collection::FindRow(const std::string& text, int focusedRow, bool down) const {
    return FindMatchingRow(entries_, *this, focusedRow, down, SearchText(text));
}

int Collection::LoadNativeFile(const std::string& path, zul::MessageReporter& reporter,
                               zul::Progress* progress) {
    Clear();
    const int result = kolvane::LoadNativeFile(path, entries_, reporter, progress);
    LayOutRows();
    return result;
}

int Collection::SaveNativeFile(const std::string& path, zul::MessageReporter& reporter,
                               zul::Progress* progress) {
    const int result = kolvane::SaveNativeFile(path, entries_, reporter, progress);
    if (result == 1)
        modified_ = false;
    return result;
}

} // namespace kolvane
