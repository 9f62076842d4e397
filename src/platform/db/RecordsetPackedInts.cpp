#include "RecordsetPackedInts.h"

#include <bit>
#include <cstring>

namespace db {

namespace {

template <typename T>
T load(const unsigned char* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <typename T>
void save(unsigned char* p, __int128 v)
{
    T narrow = static_cast<T>(v);
    std::memcpy(p, &narrow, sizeof narrow);
}

} // namespace

int RecordsetPackedInts::widthFor(__int128 v)
{
    if (v == 0)
        return 0;
    if (v >= INT8_MIN && v <= INT8_MAX)
        return 1;
    if (v >= INT16_MIN && v <= INT16_MAX)
        return 2;
    if (v >= INT32_MIN && v <= INT32_MAX)
        return 4;
    return v >= INT64_MIN && v <= INT64_MAX ? 8 : 16;
}

// A movement set is read a value at a time: the value's low bytes are its two's complement at the column's
// width (the machine stores integers low byte first), copied without a switch on the width.
void RecordsetPackedInts::push_back(__int128 v)
{
    static_assert(std::endian::native == std::endian::little);
    const int width = widthFor(v);
    if (width > width_)
        widen(width);
    ++size_;
    if (width_ == 0)
        return;   // every value so far is zero: nothing is stored
    const std::size_t at = bytes_.size();
    bytes_.resize(at + static_cast<std::size_t>(width_));
    std::memcpy(bytes_.data() + at, &v, static_cast<std::size_t>(width_));
}

// At the same width the bytes are copied as they are; a narrower vector's values are widened one by one.
void RecordsetPackedInts::append(const RecordsetPackedInts& other)
{
    if (other.width_ > width_)
        widen(other.width_);
    if (other.width_ != width_) {
        for (std::size_t i = 0; i < other.size_; ++i)
            push_back(other.wide(i));
        return;
    }
    bytes_.insert(bytes_.end(), other.bytes_.begin(), other.bytes_.end());
    size_ += other.size_;
}

void RecordsetPackedInts::set(std::size_t i, __int128 v)
{
    if (widthFor(v) > width_)
        widen(widthFor(v));
    store(i, v);
}

std::int64_t RecordsetPackedInts::operator[](std::size_t i) const
{
    const unsigned char* p = bytes_.data() + i * static_cast<std::size_t>(width_);
    switch (width_) {
    case 1: return load<std::int8_t>(p);
    case 2: return load<std::int16_t>(p);
    case 4: return load<std::int32_t>(p);
    case 8: return load<std::int64_t>(p);
    default: return 0;
    }
}

__int128 RecordsetPackedInts::wide(std::size_t i) const
{
    return width_ == 16 ? load<__int128>(bytes_.data() + i * 16) : (*this)[i];
}

void RecordsetPackedInts::store(std::size_t i, __int128 v)
{
    unsigned char* p = bytes_.data() + i * static_cast<std::size_t>(width_);
    switch (width_) {
    case 1: save<std::int8_t>(p, v); break;
    case 2: save<std::int16_t>(p, v); break;
    case 4: save<std::int32_t>(p, v); break;
    case 8: save<std::int64_t>(p, v); break;
    case 16: save<__int128>(p, v); break;
    default: break;
    }
}

// Re-encodes every stored value at the new width; it happens at most five times in a column's life.
void RecordsetPackedInts::widen(int newWidth)
{
    RecordsetPackedInts wider;
    wider.width_ = newWidth;
    wider.size_ = size_;
    wider.bytes_.resize(size_ * static_cast<std::size_t>(newWidth));
    for (std::size_t i = 0; i < size_; ++i)
        wider.store(i, wide(i));
    *this = std::move(wider);
}

} // namespace db
