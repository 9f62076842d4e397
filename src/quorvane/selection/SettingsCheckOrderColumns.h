#pragma once
// The fixed rows the ordering grid offers: each caption, the movement-set column behind it and whether the
// row can be a grouping level. The settings check reads a chosen row's column from here.
//
// The ordering grid's own issue is to hand over each chosen row's column directly; until then a chosen row
// names its caption, or the column itself. Rows of user-defined attributes are not in this table.

#include <string_view>

namespace quorvane {

struct OrderableColumn {
    std::string_view caption;
    std::string_view column;
    bool groupable;
};

// The row whose caption, or else whose column, is `name`; nullptr when there is none.
const OrderableColumn* orderableColumn(std::string_view name);

} // namespace quorvane
