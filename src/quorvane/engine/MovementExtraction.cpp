#include "engine/MovementExtraction.h"

#include "engine/ExtractionStatements.h"

namespace quorvane {

namespace {

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

void MovementExtraction::dropWorkingTable()
{
    // The first processing of a connection finds no table: that is not an error.
    try {
        connection_.Execute(" DROP TABLE #MOVIMENTI ");
    } catch (const db::Error&) {
    }
}

bool MovementExtraction::run(const ExtractionRequest& request, ProgressSink& progress)
{
    const ExtractionStatements statements = buildExtractionStatements(request);
    dropWorkingTable();
    progress.progress(0, textExtracting);
    condition_ = statements.condition;
    connection_.Execute(statements.extraction);

    progress.progress(1, textReadingBack);
    rowFilter_ = statements.rowFilter;
    movements_.Close();
    movements_ = connection_.Open(statements.finalSelect);

    computeTotals(statements.totals, request.settings.amountDecimals, progress);
    return movements_.RecordCount() > 0;
}

void MovementExtraction::computeTotals(const std::string& totalsStatement, int amountDecimals, ProgressSink& progress)
{
    if (movements_.RecordCount() == 0) {
        totals_ = {db::Decimal{0, amountDecimals}, db::Decimal{0, amountDecimals}, db::Decimal{0, amountDecimals},
                   db::Decimal{0, 6}};
        return;
    }
    progress.progress(2, textTotals);
    db::Recordset sums = connection_.Open(totalsStatement);
    sums.MoveFirst();
    totals_.debit = decimalOf(sums.value("DARE"), amountDecimals);
    totals_.credit = decimalOf(sums.value("AVERE"), amountDecimals);
    totals_.balance = totals_.credit - totals_.debit;
    totals_.quantity = decimalOf(sums.value("QUANTITA"), 6);
}

} // namespace quorvane
