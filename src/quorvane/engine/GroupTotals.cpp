#include "engine/GroupTotals.h"

#include "engine/LedgerAmount.h"

namespace quorvane {

GroupTotals sumShownRows(const db::Recordset& movements)
{
    // The clone takes the sort before the filter: a group's filter on the leading sort keys then finds its
    // rows by binary search in the shared sort order instead of scanning the set.
    db::Recordset group = movements.Clone();
    group.Sort(movements.sort());
    group.Filter(movements.filter());
    const int debit = group.fieldIndex("DARE"), credit = group.fieldIndex("AVERE");
    const int quantity = group.fieldIndex("QUANTITA");
    GroupTotals totals;
    totals.rows = group.RecordCount();
    for (long r = 0; r < totals.rows; ++r) {
        totals.sums.debit = totals.sums.debit + ledgerAmount(group.valueAt(r, debit));
        totals.sums.credit = totals.sums.credit + ledgerAmount(group.valueAt(r, credit));
        totals.sums.quantity = totals.sums.quantity + ledgerAmount(group.valueAt(r, quantity));
    }
    totals.sums.balance = totals.sums.credit - totals.sums.debit;
    return totals;
}

ControlCaptions AggiornamentoTotali(db::Recordset& movements, const TotalsFormats& formats,
                                    const Countervalue& countervalue)
{
    movements.MoveFirst();
    ControlCaptions captions;
    setTotalsCaptions(captions, groupTotalsFields, sumShownRows(movements).sums, formats, countervalue);
    movements.MoveFirst();
    return captions;
}

} // namespace quorvane
