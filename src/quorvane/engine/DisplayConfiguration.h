#pragma once
// What the results display is configured from after a processing, read from the ordering grid's chosen
// rows: the break levels of the group tree, the sort of the movement set and whether the ledger is grouped.

#include "engine/BreakLevels.h"
#include "hostfw/Translator.h"
#include "selection/OrderingColumns.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvane {

struct DisplayConfiguration {
    ArrayRotture levels;          // one per grouping row, in grid order
    std::string groupingSort;     // "KEY DIRECTION" of each grouping row, joined by ","
    std::string orderingSort;     // "COLUMN DIRECTION" of each other row, joined by ","
    bool hasGroups = false;       // a grouping sort exists: the tree is shown, and "print current group"

    // The movement set's sort: the groups first, then the ordering and the movement's own order.
    std::string movementSort() const;
};

// Reads the chosen rows in order. A grouping row's caption is translated into the user's language; a
// grouping on a date takes the column of its period (a date row without a period is a level without a
// column, whose one group holds every row of its parent, and has no sort entry).
DisplayConfiguration configureDisplay(const std::vector<OrderingColumn>& rows, const hostfw::Translator& translator);

// GetFirstRaggruppamento: the position (from 1) of the first grouping row, 0 when none groups.
std::int16_t GetFirstRaggruppamento(const std::vector<OrderingColumn>& rows);

} // namespace quorvane
