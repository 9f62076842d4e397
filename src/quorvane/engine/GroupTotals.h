#pragma once
// The totals of the group the user is looking at (AggiornamentoTotali): the rows the movement set shows
// under its current filter (a clicked node's group, or every row before any click), summed exactly with
// NULL counted as 0; balance = credit − debit.

#include "db/Recordset.h"
#include "engine/ControlCaptions.h"
#include "engine/SelectionTotals.h"
#include "engine/TotalsCaptions.h"

namespace quorvane {

struct GroupTotals {
    SelectionTotals sums;
    long rows = 0;
};

// The sums of rows added one at a time, exactly, NULL counted as 0; balance = credit − debit.
class ShownRowsSum {
public:
    // The amount fields are found in `movements`; any clone of it reads the same way.
    explicit ShownRowsSum(const db::Recordset& movements);
    void add(const db::Recordset& rows, long viewRow);
    SelectionTotals sums() const;

private:
    int debit_, credit_, quantity_;
    SelectionTotals sums_;
};

// The sums of the rows under the movement set's current filter and sort, read through a clone so that the
// set's own cursor is not moved.
GroupTotals sumShownRows(const db::Recordset& movements);

// AggiornamentoTotali: the captions of TXT_TOTDARE, TXT_TOTAVERE, TXT_TOTSALDO and TXT_TOTQUANTITA. The
// movement set is left on its first row.
ControlCaptions AggiornamentoTotali(db::Recordset& movements, const TotalsFormats& formats,
                                    const Countervalue& countervalue);

} // namespace quorvane
