#include "export/TotalsRoom.h"

#include "engine/LedgerAmount.h"

#include <cmath>
#include <string>

namespace quorvane::exporting {
namespace {

// The characters of a number of that magnitude in the format "-#,##0.00", and one digit of margin.
double shownDigits(double magnitude, int decimals)
{
    const int whole = std::max(1, static_cast<int>(std::floor(std::log10(std::max(magnitude, 1.0)))) + 1);
    const int separators = (whole - 1) / 3;
    return 1 + whole + separators + (decimals > 0 ? 1 + decimals : 0) + 1;
}

// The sum of the magnitudes of a column's amounts over the whole movement set.
double magnitudeOf(const db::Recordset& movements, const char* key)
{
    const int field = movements.fieldIndex(key);
    if (field < 0)
        return 0;
    const db::Recordset rows = movements.Clone();
    double sum = 0;
    for (long r = 0, n = rows.RecordCount(); r < n; ++r)
        sum += std::abs(ledgerAmount(rows.valueAt(r, field)).toDouble());
    return sum;
}

void makeRoom(ExportColumns& columns, const char* key, double magnitude)
{
    if (const auto column = columns.find(key))
        columns.widen(key, shownDigits(magnitude, columns[*column].decimals));
}

} // namespace

ExportColumns withRoomForTotals(ExportColumns columns, const db::Recordset& movements,
                                const Countervalue& countervalue)
{
    const auto shown = [&](double amount) { return std::abs(countervalue.GetControvalore(amount)); };
    const double debit = magnitudeOf(movements, "DARE"), credit = magnitudeOf(movements, "AVERE");
    makeRoom(columns, "DARE", shown(debit));
    makeRoom(columns, "AVERE", shown(credit));
    makeRoom(columns, "SALDO", shown(debit + credit));
    makeRoom(columns, "QUANTITA", magnitudeOf(movements, "QUANTITA"));
    return columns;
}

} // namespace quorvane::exporting
