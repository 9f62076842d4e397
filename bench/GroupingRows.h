#pragma once
// The ordering grid's grouping rows the benchmarks group by, as the grid resolves them to their columns.

#include "selection/OrderingColumns.h"

inline quorvane::OrderingColumn groupOn(const char* caption, const char* column, int period = 8)
{
    quorvane::OrderingColumn row;
    row.caption = caption;
    row.column = column;
    row.group = true;
    row.dateRow = period != 8;
    row.period = period;
    return row;
}
