#include "engine/SelectionTotalsReading.h"

namespace quorvane {

namespace {

constexpr int quantityScale = 6;

// A sum as an exact decimal, whatever numeric type the server gave it; NULL (nothing summed) is 0.
db::Decimal decimalOf(const db::Value& value, int scale)
{
    if (value.isDecimal())
        return value.asDecimal();
    if (value.isInt())
        return db::Decimal{value.asInt(), 0}.rescaled(scale);
    if (value.isNull())
        return db::Decimal{0, scale};
    return db::Decimal::fromDouble(value.toDouble(), scale);
}

} // namespace

SelectionTotals zeroTotals(int amountDecimals)
{
    return {db::Decimal{0, amountDecimals}, db::Decimal{0, amountDecimals}, db::Decimal{0, amountDecimals},
            db::Decimal{0, quantityScale}};
}

SelectionTotals readSelectionTotals(db::Connection& connection, const std::string& totalsStatement, int amountDecimals)
{
    db::Recordset sums = connection.Open(totalsStatement);
    sums.MoveFirst();
    SelectionTotals totals;
    totals.debit = decimalOf(sums.value("DARE"), amountDecimals);
    totals.credit = decimalOf(sums.value("AVERE"), amountDecimals);
    totals.balance = totals.credit - totals.debit;
    totals.quantity = decimalOf(sums.value("QUANTITA"), quantityScale);
    return totals;
}

SelectionTotals operator+(const SelectionTotals& a, const SelectionTotals& b)
{
    return {a.debit + b.debit, a.credit + b.credit, a.balance + b.balance, a.quantity + b.quantity};
}

} // namespace quorvane
