// Any bytes as a (non-empty) search text and the entries it is looked for in, in a list
// shown in some order: an entry matches exactly when one of its six fields
// holds the text with the case of code page 1252 ignored (checked against a
// plain search over upper-cased copies), and the row found is the first
// matching one after the focused row in the direction of the search.
#include "core/RecordSearch.h"
#include "fuzz/Harness.h"
#include "support/TextCase.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Rows shown in the reverse order of the entries, or in their own order.
class Order : public kolvane::DisplayOrder {
public:
    Order(int count, bool reversed) : count_(count), reversed_(reversed) {}
    int RowCount() const override { return count_; }
    std::size_t EntryIndexAt(int row) const override {
        return static_cast<std::size_t>(reversed_ ? count_ - 1 - row : row);
    }

private:
    int count_;
    bool reversed_;
};

bool PlainMatch(const kolvane::DiscEntry& entry, const std::string& upperText) {
    for (int field = 0; field < kolvane::DiscEntry::FieldCount; ++field) {
        const std::string upper = zul::UpperCased1252(entry.Field(field));
        if (std::search(upper.begin(), upper.end(), upperText.begin(), upperText.end()) !=
            upper.end())
            return true;
    }
    return false;
}

} // namespace

// Layout: a byte of choices (direction, order, focused row), then the search
// text and the entries' fields, separated by zero bytes.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size < 1 || size > 8192)
        return 0;
    const unsigned choices = data[0];
    const std::vector<std::string> parts = kvfuzz::Fields(data + 1, size - 1, 0);
    const std::string& text = parts[0];
    kolvane::DiscCollection entries((parts.size() - 1 + 5) / 6);
    for (size_t i = 1; i < parts.size(); ++i)
        entries[(i - 1) / 6].Field(static_cast<int>((i - 1) % 6)) = parts[i];

    const kolvane::SearchText search(text);
    kvfuzz::FailIf(search.Empty() != text.empty());
    // An empty text is never searched for.
    if (text.empty())
        return 0;
    const std::string upperText = zul::UpperCased1252(text);
    std::vector<bool> matches;
    for (const kolvane::DiscEntry& entry : entries) {
        matches.push_back(PlainMatch(entry, upperText));
        kvfuzz::FailIf(search.Matches(entry) != matches.back());
    }

    const int count = static_cast<int>(entries.size());
    const bool down = (choices & 1) != 0;
    const Order order(count, (choices & 2) != 0);
    const int focused = count == 0 ? -1 : static_cast<int>(choices >> 2) % (count + 1) - 1;
    int expected = -1;
    for (int row = focused + (down ? 1 : -1); row >= 0 && row < count; row += down ? 1 : -1) {
        if (matches[order.EntryIndexAt(row)]) {
            expected = row;
            break;
        }
    }
    kvfuzz::FailIf(kolvane::FindMatchingRow(entries, order, focused, down, search) != expected);
    return 0;
}
