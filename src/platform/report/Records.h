#pragma once
// The records a print walks: the rows of the report's statement, read once into a columnar record set,
// and the order the report puts them in (a permutation of row numbers; none: the statement's order).

#include "report/formula/Evaluator.h"

#include "db/Recordset.h"

#include <cstdint>
#include <vector>

namespace report {

class Records : public formula::RecordSource {
public:
    explicit Records(db::Recordset rows) : rows_(std::move(rows)) {}

    long recordCount() const override { return rows_.RecordCount(); }
    formula::Value field(int column, long ordinal) const override
    {
        const long row = order_.empty() ? ordinal : static_cast<long>(order_[static_cast<std::size_t>(ordinal)]);
        return formula::Value::fromDatabase(rows_.valueAt(row, column));
    }

    void setOrder(std::vector<std::uint32_t> order) { order_ = std::move(order); }
    const db::Recordset& rows() const { return rows_; }

private:
    db::Recordset rows_;
    std::vector<std::uint32_t> order_;
};

} // namespace report
