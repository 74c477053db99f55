#include "support/BitMatrix.h"

#include <gtest/gtest.h>

#include <new>

using zul::BitMatrix;

TEST(BitMatrix, BitEightIsTheLowBitOfARowsSecondByte) {
    BitMatrix matrix(9, 3);
    EXPECT_EQ(matrix.BytesPerRow(), 2u);
    matrix.SetBit(8, 1);
    matrix.SetBit(3, 1);
    EXPECT_TRUE(matrix.TestBit(8, 1));
    EXPECT_EQ(matrix.RowBytes(1)[0], 0x08);
    EXPECT_EQ(matrix.RowBytes(1)[1], 0x01);
    EXPECT_FALSE(matrix.TestBit(8, 0));
    EXPECT_FALSE(matrix.TestBit(8, 2));
    EXPECT_FALSE(matrix.TestBit(0, 1));
    matrix.ClearBit(8, 1);
    EXPECT_FALSE(matrix.TestBit(8, 1));
    EXPECT_TRUE(matrix.TestBit(3, 1));
}

TEST(BitMatrix, AllClearAtCreationAndBitsOutsideAreIgnored) {
    BitMatrix matrix(64, 10);
    for (int row = 0; row < 10; ++row)
        for (int bit = 0; bit < 64; ++bit)
            EXPECT_FALSE(matrix.TestBit(bit, row));

    BitMatrix small(9, 2);
    small.SetBit(9, 0);
    small.SetBit(0, 2);
    small.SetBit(-1, 0);
    EXPECT_FALSE(small.TestBit(9, 0));
    EXPECT_FALSE(small.TestBit(0, 2));
    EXPECT_EQ(small.RowBytes(0)[1], 0x00);
    EXPECT_EQ(small.RowBytes(1)[0], 0x00);
}

TEST(BitMatrix, NegativeSizeIsTheMemoryError) {
    EXPECT_THROW(BitMatrix(-1, 1), std::bad_alloc);
    EXPECT_THROW(BitMatrix(8, -1), std::bad_alloc);
}
