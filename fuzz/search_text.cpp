// A search text and entries' fields (split at zero bytes): an entry matches
// when a field holds the text, code page 1252's case ignored.
#include "core/RecordSearch.h"
#include "fuzz/Harness.h"
#include "support/TextCase.h"

#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size > 8192)
        return 0;
    const std::vector<std::string> parts = kvfuzz::Fields(data, size, 0);
    const kolvane::SearchText search(parts[0]);
    kvfuzz::FailIf(search.Empty() != parts[0].empty());
    if (parts[0].empty())
        return 0;
    const std::string upperText = zul::UpperCased1252(parts[0]);
    kolvane::DiscEntry entry;
    bool anyField = false;
    for (size_t i = 1; i < parts.size(); ++i) {
        const int field = static_cast<int>((i - 1) % kolvane::DiscEntry::FieldCount);
        entry.Field(field) = parts[i];
        const std::string upper = zul::UpperCased1252(parts[i]);
        anyField = anyField || std::search(upper.begin(), upper.end(), upperText.begin(),
                                           upperText.end()) != upper.end();
        if (field == kolvane::DiscEntry::FieldCount - 1 || i + 1 == parts.size()) {
            kvfuzz::FailIf(search.Matches(entry) != anyField);
            entry = kolvane::DiscEntry();
            anyField = false;
        }
    }
    return 0;
}
