#include "LedgerReports.h"

#include "export/CsvField.h"

namespace {

std::string csvField(const std::string& text)
{
    return quorvane::exporting::csvField(text, ';');
}

} // namespace

void printLedgerCsv(std::ostream& out, db::Recordset& movements)
{
    for (int i = 0; i < movements.fieldCount(); ++i)
        out << (i ? ";" : "") << csvField(movements.field(i).name);
    out << '\n';
    for (long r = 0; r < movements.RecordCount(); ++r) {
        for (int i = 0; i < movements.fieldCount(); ++i)
            out << (i ? ";" : "") << csvField(movements.valueAt(r, i).toText());
        out << '\n';
    }
}
