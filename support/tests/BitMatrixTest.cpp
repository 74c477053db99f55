#include "support/BitMatrix.h"

#include <gtest/gtest.h>

#include <new>

using zul::BitMatrix;

TEST(BitMatrix, BitEightIsTheLowBitOfARowsSecondByteAndBitsOutsideAreIgnored) {
    BitMatrix matrix(9, 3);
    EXPECT_EQ(matrix.BytesPerRow(), 2u);
    matrix.SetBit(8, 1);
    matrix.SetBit(3, 1);
    matrix.SetBit(9, 0);
    matrix.SetBit(0, 3);
    matrix.SetBit(-1, 0);
    EXPECT_EQ(matrix.RowBytes(1)[0], 0x08);
    EXPECT_EQ(matrix.RowBytes(1)[1], 0x01);
    for (int row = 0; row <= 3; ++row) {
        for (int bit = 0; bit < 10; ++bit)
            EXPECT_EQ(matrix.TestBit(bit, row), row == 1 && (bit == 3 || bit == 8)) << bit << row;
    }
    matrix.ClearBit(8, 1);
    EXPECT_FALSE(matrix.TestBit(8, 1));
    EXPECT_TRUE(matrix.TestBit(3, 1));
    EXPECT_THROW(BitMatrix(-1, 1), std::bad_alloc); // a negative size is the memory error
    EXPECT_THROW(BitMatrix(8, -1), std::bad_alloc);
}
