#pragma once
// The variance of a group against its comparison: actual − comparison on the balance, so that a cost
// above its budget reads as a negative variance of a negative balance and a revenue above it as a positive
// one; in percent of the comparison's size, and no percent at all (not 0, not infinite) when the
// comparison is zero.

#include "db/Value.h"

#include <optional>

namespace quorvane {

struct Variance {
    db::Decimal amount;
    std::optional<db::Decimal> percent;    // two decimals
};

Variance varianceOf(const db::Decimal& balance, const db::Decimal& comparison);

} // namespace quorvane
