#pragma once

#include <cstddef>
#include <vector>

namespace zul {

// A table of rows x bits, all clear at creation. Each row takes (bits + 7) / 8
// bytes; bit b of a row is bit b % 8 (from the least significant) of its byte
// b / 8. Running out of memory at creation throws std::bad_alloc.
class BitMatrix {
public:
    BitMatrix(int bitsPerRow, int rows);

    // Bits outside the table read as clear; setting or clearing them does nothing.
    bool TestBit(int bit, int row) const;
    void SetBit(int bit, int row);
    void ClearBit(int bit, int row);

    int BitsPerRow() const { return bitsPerRow_; }
    int Rows() const { return rows_; }
    size_t BytesPerRow() const { return bytesPerRow_; }
    // The bytes of one row, BytesPerRow() of them.
    const unsigned char* RowBytes(int row) const { return bytes_.data() + row * bytesPerRow_; }

private:
    bool Contains(int bit, int row) const;

    int bitsPerRow_;
    int rows_;
    size_t bytesPerRow_;
    std::vector<unsigned char> bytes_;
};

} // namespace zul
