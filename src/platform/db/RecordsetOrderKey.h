#pragma once
// Every non-NULL value of a column maps to an unsigned 64-bit key whose order is the column's value order:
// numbers by value (decimals exactly, at the field's scale), dates by time, texts by their rank under the
// company database's collation, and the decimals of a column holding one beyond 64 bits by their rank
// among its values. Sorting, filtering and the binary search of a group filter all compare these keys, so
// the three can never disagree on what "equal" or "before" means.

#include "RecordsetColumn.h"
#include "Value.h"

#include <cstdint>
#include <vector>

namespace db {

// A filter's value placed in a column's key space: exactly at `key`, or, when the column cannot hold the
// value exactly (a text no row has, a decimal finer than the field's scale), strictly between `key` and
// the next key.
struct RecordsetKeyBound {
    std::uint64_t key = 0;
    bool justAbove = false;
};

class RecordsetKeyReader {
public:
    explicit RecordsetKeyReader(const RecordsetColumn& column);

    // Whether the row has no key of its own: NULL outside a text column.
    bool isNull(std::size_t row) const { return !text_ && column_.isNull(row); }
    std::uint64_t key(std::size_t row) const;

    // `literal` is already of the column's family: a text for Text, a Decimal for Bit, Integer and
    // Decimal, a double for Float, a DateTime for DateTime; NULL for Text reads as the empty text.
    RecordsetKeyBound bound(const Value& literal) const;

private:
    const RecordsetColumn& column_;
    const std::vector<std::uint32_t>* ranks_ = nullptr;   // Text only
    bool text_ = false;
    std::uint64_t emptyText_ = 0;                         // the key of NULL and blank texts
    std::vector<Mantissa> wideValues_;                    // a wide Decimal column's values, sorted, once each

    RecordsetKeyBound rankBound(const Mantissa& atFieldScale, bool between) const;
};

// -1, 0 or 1 as the key lies below, at or above the bound.
int compareToBound(std::uint64_t key, const RecordsetKeyBound& bound);

} // namespace db
