#include "engine/GroupTotals.h"

#include "engine/LedgerAmount.h"

namespace quorvane {

ShownRowsSum::ShownRowsSum(const db::Recordset& movements)
    : debit_(movements.fieldIndex("DARE")), credit_(movements.fieldIndex("AVERE")),
      quantity_(movements.fieldIndex("QUANTITA"))
{
}

void ShownRowsSum::add(const db::Recordset& rows, long row)
{
    sums_.debit = sums_.debit + ledgerAmount(rows.valueAt(row, debit_));
    sums_.credit = sums_.credit + ledgerAmount(rows.valueAt(row, credit_));
    sums_.quantity = sums_.quantity + ledgerAmount(rows.valueAt(row, quantity_));
}

SelectionTotals ShownRowsSum::sums() const
{
    SelectionTotals totals = sums_;
    totals.balance = totals.credit - totals.debit;
    return totals;
}

GroupTotals sumShownRows(const db::Recordset& movements)
{
    // The clone takes the sort before the filter: a group's filter on the leading sort keys then finds its
    // rows by binary search in the shared sort order instead of scanning the set.
    db::Recordset group = movements.Clone();
    group.Sort(movements.sort());
    group.Filter(movements.filter());
    ShownRowsSum sum(group);
    GroupTotals totals;
    totals.rows = group.RecordCount();
    for (long r = 0; r < totals.rows; ++r)
        sum.add(group, r);
    totals.sums = sum.sums();
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
