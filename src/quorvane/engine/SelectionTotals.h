#pragma once
// The overall totals of a processing, exact at their scale: balance = credit − debit.

#include "db/Value.h"

namespace quorvane {

struct SelectionTotals {
    db::Decimal debit;
    db::Decimal credit;
    db::Decimal balance;
    db::Decimal quantity;
};

} // namespace quorvane
