#pragma once
// The ordering grid's chosen rows as the processing reads them: each row's column of the movement set
// (attribute columns still qualified by "CO5L_CI12." or "CO5L_CI13."), whether it may group and whether
// it is a date row, with the user's direction, grouping mark, period code and page break.

#include "controls/OrderRowDefinition.h"
#include "selection/SelectionParameters.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvane {

struct OrderingColumn {
    std::string caption;
    std::string column;
    bool groupable = true;
    bool dateRow = false;
    std::string direction = "ASC";
    bool group = false;
    int period = 8;               // date rows' period code; 8 (none) for the other rows
    bool pageBreak = false;
    bool operator==(const OrderingColumn&) const = default;
};

// A grouping row on a column as the ordering grid resolves it; a date row when a period is given.
inline OrderingColumn groupingColumn(std::string caption, std::string column, int period = 8)
{
    OrderingColumn row;
    row.caption = std::move(caption);
    row.column = std::move(column);
    row.group = true;
    row.dateRow = period != 8;
    row.period = period;
    return row;
}

// The record's ordering rows in the user's order; throws GridRowError for a caption the offer lacks, a
// grouping mark on a row that cannot group, or a period on a row that is not a date row.
std::vector<OrderingColumn> orderingColumns(const std::vector<OrderRow>& rows, const controls::OrderOffer& offer);

} // namespace quorvane
