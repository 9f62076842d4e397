#pragma once
// A vector of integers stored at the narrowest width their values need: 0 bytes while every value is zero
// (an all-NULL column), then 1, 2, 4 or 8 bytes, and 16 for the rare decimal mantissa beyond 64 bits.
// Codes, flags, small numbers and day counts of a movement set take one or two bytes instead of eight.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace db {

class RecordsetPackedInts {
public:
    void push_back(__int128 v);
    void append(const RecordsetPackedInts& other);
    void set(std::size_t i, __int128 v);
    std::int64_t operator[](std::size_t i) const;   // a vector that is not wide
    __int128 wide(std::size_t i) const;            // any vector
    bool isWide() const { return width_ == 16; }
    std::size_t size() const { return size_; }
    int width() const { return width_; }
    std::size_t bytesUsed() const { return bytes_.capacity(); }
    void shrinkToFit() { bytes_.shrink_to_fit(); }

private:
    static int widthFor(__int128 v);
    void widen(int newWidth);
    void store(std::size_t i, __int128 v);

    std::vector<unsigned char> bytes_;
    std::size_t size_ = 0;
    int width_ = 0;
};

} // namespace db
