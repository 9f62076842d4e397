#include "LedgerJson.h"
#include "LedgerReports.h"

#include "engine/Variance.h"

namespace {

// The comparison's balance, the variance and its percent (null when the comparison is zero).
void writeComparison(std::ostream& out, const db::Decimal& balance, const std::optional<db::Decimal>& comparison)
{
    if (!comparison)
        return;
    const quorvane::Variance variance = quorvane::varianceOf(balance, *comparison);
    out << ", \"CONFRONTO\": " << comparison->toString() << ", \"SCOSTAMENTO\": " << variance.amount.toString()
        << ", \"SCOSTAMENTO_PERC\": " << (variance.percent ? variance.percent->toString() : std::string("null"));
}

void writeTotals(std::ostream& out, const quorvane::SelectionTotals& totals,
                 const std::optional<quorvane::SelectionTotals>& comparison)
{
    out << "{\"DARE\": " << totals.debit.toString() << ", \"AVERE\": " << totals.credit.toString()
        << ", \"SALDO\": " << totals.balance.toString() << ", \"QUANTITA\": " << totals.quantity.toString();
    writeComparison(out, totals.balance, comparison ? std::optional(comparison->balance) : std::nullopt);
    out << '}';
}

void writeNode(std::ostream& out, const LedgerNodeTotals& entry)
{
    const quorvane::GroupNode& node = *entry.node;
    const quorvane::SelectionTotals& sums = entry.figures.totals.sums;
    out << "{\"key\": ";
    writeJsonString(out, node.key);
    out << ", \"parent\": ";
    writeJsonString(out, node.parent ? node.parent->key : std::string());
    out << ", \"level\": " << node.level << ", \"text\": ";
    writeJsonString(out, node.text);
    out << ", \"tag\": ";
    writeJsonString(out, node.tag);
    out << ", \"rows\": " << entry.figures.totals.rows << ", \"DARE\": " << sums.debit.toString()
        << ", \"AVERE\": " << sums.credit.toString() << ", \"SALDO\": " << sums.balance.toString()
        << ", \"QUANTITA\": " << sums.quantity.toString();
    writeComparison(out, sums.balance, entry.figures.comparison);
    out << '}';
}

void writeTree(std::ostream& out, const LedgerDisplay& display)
{
    out << "[";
    const std::vector<LedgerNodeTotals>& nodes = display.nodeTotals();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        out << (i ? ",\n    " : "\n    ");
        writeNode(out, nodes[i]);
    }
    out << (nodes.empty() ? "]" : "\n  ]");
}

void writeSummary(std::ostream& out, const quorvane::ControlCaptions& captions)
{
    out << "{";
    bool first = true;
    for (const auto& [control, caption] : captions) {
        out << (first ? "\n    " : ",\n    ");
        writeJsonString(out, control);
        out << ": ";
        writeJsonString(out, caption);
        first = false;
    }
    out << (captions.empty() ? "}" : "\n  }");
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
    writeTotals(out, result.totals, result.display.comparisonTotals());
    out << ",\n  \"tree\": ";
    writeTree(out, result.display);
    out << ",\n  \"summary\": ";
    writeSummary(out, result.display.captions());
    if (withRows)
        writeRows(out, result.movements);
    out << "\n}\n";
}
