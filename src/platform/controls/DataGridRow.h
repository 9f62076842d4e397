#pragma once
// The row a grid cell belongs to, as the cell-formatting callback reads it: any field of that row of the
// bound record set by name, without moving the set's cursor.

#include "db/Recordset.h"

#include <string_view>

namespace controls {

class DataGridRow {
public:
    DataGridRow(const db::Recordset& rows, long viewRow) : rows_(rows), viewRow_(viewRow) {}

    // The field's value in this row; NULL when the set has no such field.
    db::Value value(std::string_view field) const;

private:
    const db::Recordset& rows_;
    long viewRow_;
};

} // namespace controls
