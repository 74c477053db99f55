#include "core/EntryRemoval.h"

#include <gtest/gtest.h>

#include <string>

using namespace kolvane;

namespace {

DiscCollection Numbered(int count) {
    DiscCollection entries(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        entries[static_cast<size_t>(i)].Artist = std::to_string(i);
    return entries;
}

std::string Artists(const DiscCollection& entries) {
    std::string text;
    for (const DiscEntry& e : entries)
        text += e.Artist;
    return text;
}

} // namespace

TEST(EntryRemoval, DuplicateAndOutOfRangeIndicesRemoveNothingExtra) {
    DiscCollection entries = Numbered(4);
    EXPECT_EQ(RemoveEntries(entries, {1, 1, 9}), 1u);
    EXPECT_EQ(Artists(entries), "023");
    EXPECT_EQ(RemoveEntries(entries, {}), 0u);
    EXPECT_EQ(RemoveEntries(entries, {0, 1, 2}), 3u);
    EXPECT_TRUE(entries.empty());
}
