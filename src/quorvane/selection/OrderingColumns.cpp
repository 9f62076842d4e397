#include "selection/OrderingColumns.h"

#include "selection/OfferedRows.h"

namespace quorvane {

std::vector<OrderingColumn> orderingColumns(const std::vector<OrderRow>& rows, const controls::OrderOffer& offer)
{
    std::vector<OrderingColumn> columns;
    for (const OrderRow& row : rows) {
        const controls::OrderRowDefinition& offered = offeredOrderRow(offer, row);
        columns.push_back({row.caption, offered.column.toStdString(), offered.groupable, offered.dateRow,
                           row.direction, row.group, row.period, row.pageBreak});
    }
    return columns;
}

} // namespace quorvane
