#include "LedgerJson.h"
#include "LedgerReports.h"

namespace {

void writeTotals(std::ostream& out, const quorvane::SelectionTotals& totals)
{
    out << "{\"DARE\": " << totals.debit.toString() << ", \"AVERE\": " << totals.credit.toString()
        << ", \"SALDO\": " << totals.balance.toString() << ", \"QUANTITA\": " << totals.quantity.toString() << '}';
}

void writeRows(std::ostream& out, db::Recordset& movements)
{
    out << ",\n  \"columns\": [";
    for (int i = 0; i < movements.fieldCount(); ++i) {
        out << (i ? ", " : "");
        writeJsonString(out, movements.field(i).name);
    }
    out << "],\n  \"data\": [";
    for (long r = 0; r < movements.RecordCount(); ++r) {
        out << (r ? ",\n    [" : "\n    [");
        for (int i = 0; i < movements.fieldCount(); ++i) {
            out << (i ? ", " : "");
            writeJsonValue(out, movements.valueAt(r, i));
        }
        out << ']';
    }
    out << (movements.RecordCount() ? "\n  ]" : "]");
}

} // namespace

void printLedgerJson(std::ostream& out, const LedgerResult& result, bool withRows)
{
    out << "{\n  \"rows\": " << result.movements.RecordCount() << ",\n  \"totals\": ";
    writeTotals(out, result.totals);
    // The group tree and the summary panel are filled once the break levels are processed.
    out << ",\n  \"tree\": [],\n  \"summary\": {}";
    if (withRows)
        writeRows(out, result.movements);
    out << "\n}\n";
}
