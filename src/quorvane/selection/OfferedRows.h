#pragma once
// The offered row behind each row of the selection record: a row names its caption (and, in the limits
// grid, its section "A" or "B"), and only a caption the window offers can be processed. A selection file
// naming another caption is refused with a message naming it.

#include "controls/OrderRowDefinition.h"
#include "controls/QueryRowDefinition.h"
#include "selection/GridOffers.h"
#include "selection/SelectionParameters.h"

#include <stdexcept>

namespace quorvane {

// Names the grid and says what is wrong with the row, in the user's language: a window that names the row's
// key itself shows why() alone.
class GridRowError : public std::runtime_error {
public:
    GridRowError(const std::string& gridName, const std::string& why)
        : std::runtime_error(gridName + ": " + why), why_(why) {}
    const std::string& why() const { return why_; }

private:
    std::string why_;
};

// The first offered row with the caption, within the row's section when it names one ("A" the first,
// "B" the second); throws GridRowError naming the grid and the caption when there is none.
const controls::QueryRowDefinition& offeredQueryRow(const controls::QueryOffer& offer, const LimitRow& row,
                                                    const char* gridName);
const controls::OrderRowDefinition& offeredOrderRow(const controls::OrderOffer& offer, const OrderRow& row);

// Every grid row of the record names a caption its grid offers, only date rows carry a period and only
// groupable rows a grouping mark, and no ordering row comes twice; throws GridRowError on the first that
// does not.
void checkGridRows(const SelectionParameters& selection, const GridOffers& offers);

} // namespace quorvane
