#include "support/BitMatrix.h"

#include <cstdint>
#include <new>

namespace zul {

namespace {

size_t CheckedTableSize(int bitsPerRow, int rows) {
    if (bitsPerRow < 0 || rows < 0)
        throw std::bad_alloc();
    size_t bytesPerRow = (static_cast<size_t>(bitsPerRow) + 7) / 8;
    // A product beyond the address space can never be allocated; reporting it
    // as the memory error keeps one failure path for the callers.
    if (bytesPerRow != 0 && static_cast<size_t>(rows) > SIZE_MAX / bytesPerRow)
        throw std::bad_alloc();
    return bytesPerRow * static_cast<size_t>(rows);
}

} // namespace

BitMatrix::BitMatrix(int bitsPerRow, int rows)
    : bitsPerRow_(bitsPerRow), rows_(rows),
      bytesPerRow_((static_cast<size_t>(bitsPerRow < 0 ? 0 : bitsPerRow) + 7) / 8),
      bytes_(CheckedTableSize(bitsPerRow, rows), 0) {}

bool BitMatrix::Contains(int bit, int row) const {
    return bit >= 0 && bit < bitsPerRow_ && row >= 0 && row < rows_;
}

bool BitMatrix::TestBit(int bit, int row) const {
    if (!Contains(bit, row))
        return false;
    return (bytes_[row * bytesPerRow_ + bit / 8] >> (bit % 8)) & 1;
}

void BitMatrix::SetBit(int bit, int row) {
    if (Contains(bit, row))
        bytes_[row * bytesPerRow_ + bit / 8] |= static_cast<unsigned char>(1u << (bit % 8));
}

void BitMatrix::ClearBit(int bit, int row) {
    if (Contains(bit, row))
        bytes_[row * bytesPerRow_ + bit / 8] &= static_cast<unsigned char>(~(1u << (bit % 8)));
}

} // namespace zul
