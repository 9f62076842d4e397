#pragma once
// A vector of 64-bit integers stored at the narrowest width their values need: 0 bytes while every value
// is zero (an all-NULL column), then 1, 2, 4 or 8 bytes. Codes, flags, small numbers and day counts of a
// movement set take one or two bytes instead of eight.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace db {

class RecordsetPackedInts {
public:
    void push_back(std::int64_t v);
    void set(std::size_t i, std::int64_t v);
    std::int64_t operator[](std::size_t i) const;
    std::size_t size() const { return size_; }
    int width() const { return width_; }
    std::size_t bytesUsed() const { return bytes_.capacity(); }
    void shrinkToFit() { bytes_.shrink_to_fit(); }

private:
    static int widthFor(std::int64_t v);
    void widen(int newWidth);
    void store(std::size_t i, std::int64_t v);

    std::vector<unsigned char> bytes_;
    std::size_t size_ = 0;
    int width_ = 0;
};

} // namespace db
