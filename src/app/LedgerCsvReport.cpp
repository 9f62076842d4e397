#include "LedgerReports.h"

#include "engine/Variance.h"
#include "export/CsvField.h"

#include <vector>

namespace {

std::string csvField(const std::string& text)
{
    return quorvane::exporting::csvField(text, ';');
}

void printCsvLine(std::ostream& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? ";" : "") << csvField(fields[i]);
    out << '\n';
}

// A group's (or the selection's) figures with its comparison: the balance compared, the variance, its percent.
std::vector<std::string> comparedFigures(long rows, const quorvane::SelectionTotals& sums, const db::Decimal& comparison)
{
    const quorvane::Variance variance = quorvane::varianceOf(sums.balance, comparison);
    return {std::to_string(rows), sums.debit.toString(), sums.credit.toString(), sums.balance.toString(),
            sums.quantity.toString(), comparison.toString(), variance.amount.toString(),
            variance.percent ? variance.percent->toString() : std::string()};
}

// Every group with its comparison, then the whole selection's, after the rows and an empty line.
void printComparedGroups(std::ostream& out, const LedgerResult& result)
{
    const std::vector<std::string> header = {"CHIAVE", "PADRE", "LIVELLO", "GRUPPO", "RIGHE", "DARE", "AVERE", "SALDO",
                                             "QUANTITA", "CONFRONTO", "SCOSTAMENTO", "SCOSTAMENTO_PERC"};
    out << '\n';
    printCsvLine(out, header);
    for (const LedgerNodeTotals& entry : result.display.nodeTotals()) {
        const quorvane::GroupNode& node = *entry.node;
        std::vector<std::string> line = {node.key, node.parent ? node.parent->key : std::string(),
                                         std::to_string(node.level), node.text};
        for (std::string& figure : comparedFigures(entry.figures.totals.rows, entry.figures.totals.sums,
                                                   entry.figures.comparison.value_or(db::Decimal{})))
            line.push_back(std::move(figure));
        printCsvLine(out, line);
    }
    std::vector<std::string> total = {"", "", "0", "Totale"};
    for (std::string& figure : comparedFigures(result.movements.RecordCount(), result.totals,
                                               result.display.comparisonTotals()->balance))
        total.push_back(std::move(figure));
    printCsvLine(out, total);
}

} // namespace

void printLedgerCsv(std::ostream& out, const LedgerResult& result)
{
    db::Recordset& movements = result.movements;
    std::vector<std::string> fields(static_cast<std::size_t>(movements.fieldCount()));
    for (int i = 0; i < movements.fieldCount(); ++i)
        fields[static_cast<std::size_t>(i)] = movements.field(i).name;
    printCsvLine(out, fields);
    for (long r = 0; r < movements.RecordCount(); ++r) {
        for (int i = 0; i < movements.fieldCount(); ++i)
            fields[static_cast<std::size_t>(i)] = movements.valueAt(r, i).toText();
        printCsvLine(out, fields);
    }
    if (result.display.comparisonTotals())
        printComparedGroups(out, result);
}
