#include "LedgerReports.h"

#include "hostfw/Phrases.h"
#include "engine/AnalysisTexts.h"
#include "engine/Variance.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace {

struct Column {
    std::string caption;
    std::string field;     // the movement set's column
    int width;
    bool number;           // right-aligned
    int decimals = 0;      // numbers are shown with the company's decimals
};

std::string cellText(const db::Value& value, const Column& column)
{
    return column.number && value.isDecimal() ? value.asDecimal().rescaled(column.decimals).toString() : value.toText();
}

std::string fitted(const std::string& text, int width, bool rightAligned)
{
    QString cell = QString::fromStdString(text).left(width);
    return (rightAligned ? cell.rightJustified(width) : cell.leftJustified(width)).toStdString();
}

std::vector<Column> ledgerColumns(const LedgerSession& session)
{
    const SideCaptions sides = sideCaptions(session);
    const int amounts = session.request.settings.amountDecimals;
    const auto words = [](const char* italian) { return hostfw::userText(italian).toStdString(); };
    std::vector<Column> columns = {
        {words("Data reg."), "CI12_DATAREG", 10, false},   {words("Nr. reg."), "CI13_NUMREG_CO99", 10, false},
        {words("C.d.C."), "CI13_CONTO_PC03", 12, false},   {words("V.d.S."), "CI13_VDS_PC03", 12, false},
        {words("Descrizione"), "DESCRCONTO", 28, false},
        {sides.debit, "DARE", 16, true, amounts},
        {sides.credit, "AVERE", 16, true, amounts},
        {words("Saldo"), "SALDO", 16, true, amounts}};
    if (session.request.selection.CHK_QUANTITA == "1")
        columns.push_back({words("Quantità"), "QUANTITA", 14, true, session.request.settings.quantityDecimals});
    return columns;
}

void printLine(std::ostream& out, const std::vector<Column>& columns, const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < columns.size(); ++i)
        out << (i ? " " : "") << fitted(cells[i], columns[i].width, columns[i].number);
    out << '\n';
}

std::vector<std::string> totalsCells(const std::vector<Column>& columns, const quorvane::SelectionTotals& totals)
{
    std::vector<std::string> cells(columns.size());
    cells[0] = hostfw::userText("Totale").toStdString();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string& field = columns[i].field;
        const int decimals = columns[i].decimals;
        if (field == "DARE") cells[i] = totals.debit.rescaled(decimals).toString();
        if (field == "AVERE") cells[i] = totals.credit.rescaled(decimals).toString();
        if (field == "SALDO") cells[i] = totals.balance.rescaled(decimals).toString();
        if (field == "QUANTITA") cells[i] = totals.quantity.rescaled(decimals).toString();
    }
    return cells;
}

constexpr int groupTextWidth = 64;
constexpr int comparisonWidth = 16;

// The comparison's columns of a group: its balance, the variance and the variance in percent.
std::string comparisonCells(const quorvane::NodeFigures& figures, int decimals)
{
    if (!figures.comparison)
        return {};
    const quorvane::Variance variance = quorvane::varianceOf(figures.totals.sums.balance, *figures.comparison);
    return " " + fitted(figures.comparison->rescaled(decimals).toString(), comparisonWidth, true) + " "
           + fitted(variance.amount.rescaled(decimals).toString(), comparisonWidth, true) + " "
           + fitted(variance.percent ? variance.percent->toString() : std::string(), comparisonWidth, true);
}

// One line per group node, indented by its depth in the tree, with its rows and totals.
void printGroup(std::ostream& out, const quorvane::GroupNode& node, int depth,
                const std::map<const quorvane::GroupNode*, quorvane::NodeFigures>& figures,
                const std::vector<Column>& columns, int decimals)
{
    const quorvane::NodeFigures& group = figures.at(&node);
    std::string line = fitted(std::string(static_cast<std::size_t>(depth) * 2, ' ') + node.text, groupTextWidth, false)
                       + " " + fitted(std::to_string(group.totals.rows), 8, true);
    const quorvane::SelectionTotals& sums = group.totals.sums;
    for (const Column& column : columns) {
        const auto show = [&](const db::Decimal& value) {
            line += " " + fitted(value.rescaled(column.decimals).toString(), column.width, true);
        };
        if (column.field == "DARE") show(sums.debit);
        if (column.field == "AVERE") show(sums.credit);
        if (column.field == "SALDO") show(sums.balance);
        if (column.field == "QUANTITA") show(sums.quantity);
    }
    out << line << comparisonCells(group, decimals) << '\n';
    for (const quorvane::GroupNode* child : node.children)
        printGroup(out, *child, depth + 1, figures, columns, decimals);
}

void printTree(std::ostream& out, const LedgerResult& result, const std::vector<Column>& columns)
{
    const LedgerDisplay& display = result.display;
    if (display.tree().size() == 0)
        return;
    std::map<const quorvane::GroupNode*, quorvane::NodeFigures> figures;
    for (const LedgerNodeTotals& entry : display.nodeTotals())
        figures.emplace(entry.node, entry.figures);
    std::string header = fitted("Gruppi", groupTextWidth, false) + " " + fitted("Righe", 8, true);
    for (const Column& column : columns)
        if (column.number)
            header += " " + fitted(column.caption, column.width, true);
    if (display.comparisonTotals())
        for (int text : {quorvane::textComparisonColumn, quorvane::textVarianceColumn,
                         quorvane::textVariancePercentColumn})
            header += " " + fitted(hostText(text, result.session.language), comparisonWidth, true);
    out << header << '\n';
    const int decimals = result.session.request.settings.amountDecimals;
    for (const quorvane::GroupNode* node : display.tree().topLevel())
        printGroup(out, *node, 0, figures, columns, decimals);
    out << '\n';
}

} // namespace

void printLedgerText(std::ostream& out, const LedgerResult& result)
{
    const std::vector<Column> columns = ledgerColumns(result.session);
    out << "Ditta " << result.session.company.company << " - " << result.session.company.name << '\n'
        << result.movements.RecordCount() << " movimenti\n\n";
    printTree(out, result, columns);
    std::vector<std::string> cells;
    for (const Column& column : columns)
        cells.push_back(column.caption);
    printLine(out, columns, cells);
    std::vector<int> fields;
    for (const Column& column : columns)
        fields.push_back(result.movements.fieldIndex(column.field));
    for (long r = 0; r < result.movements.RecordCount(); ++r) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            cells[i] = fields[i] < 0 ? std::string() : cellText(result.movements.valueAt(r, fields[i]), columns[i]);
        printLine(out, columns, cells);
    }
    out << '\n';
    printLine(out, columns, totalsCells(columns, result.totals));
    if (const std::optional<quorvane::SelectionTotals>& comparison = result.display.comparisonTotals())
        out << fitted(hostText(quorvane::textComparisonColumn, result.session.language), groupTextWidth, false)
            << comparisonCells({{result.totals, result.movements.RecordCount()}, comparison->balance},
                               result.session.request.settings.amountDecimals)
            << '\n';
}
