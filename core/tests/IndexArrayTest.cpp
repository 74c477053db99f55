#include "core/IndexArray.h"

#include <gtest/gtest.h>

using kolvane::IndexArray;

TEST(IndexArray, SortsAsUnsignedNumbersBothWays) {
    IndexArray indices{2, 0xFFFFFFFFu, 0, 10, 2};
    indices.Add(0x80000000u);
    indices.SortAscending();
    EXPECT_EQ(indices.Values(),
              (std::vector<std::uint32_t>{0, 2, 2, 10, 0x80000000u, 0xFFFFFFFFu}));
    indices.SortDescending();
    EXPECT_EQ(indices.Values(),
              (std::vector<std::uint32_t>{0xFFFFFFFFu, 0x80000000u, 10, 2, 2, 0}));
    EXPECT_EQ(indices.Size(), 6u);
    EXPECT_EQ(indices[0], 0xFFFFFFFFu);
    indices.Clear();
    EXPECT_TRUE(indices.IsEmpty());
}
