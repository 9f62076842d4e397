#include "LedgerReports.h"

#include <QString>

#include <string>
#include <vector>

namespace {

// The captions of the cost side and the revenue side, by the kind of cost accounting.
constexpr int textCosts = 16506, textRevenues = 48924, textOutflows = 59387, textInflows = 25017;

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
    const bool financial = session.request.settings.financialAccounting;
    const int amounts = session.request.settings.amountDecimals;
    std::vector<Column> columns = {
        {"Data reg.", "CI12_DATAREG", 10, false},   {"Nr. reg.", "CI13_NUMREG_CO99", 10, false},
        {"C.d.C.", "CI13_CONTO_PC03", 12, false},   {"V.d.S.", "CI13_VDS_PC03", 12, false},
        {"Descrizione", "DESCRCONTO", 28, false},
        {hostText(financial ? textOutflows : textCosts), "DARE", 16, true, amounts},
        {hostText(financial ? textInflows : textRevenues), "AVERE", 16, true, amounts},
        {"Saldo", "SALDO", 16, true, amounts}};
    if (session.request.selection.CHK_QUANTITA == "1")
        columns.push_back({"Quantità", "QUANTITA", 14, true, session.request.settings.quantityDecimals});
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
    cells[0] = "Totale";
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

} // namespace

void printLedgerText(std::ostream& out, const LedgerResult& result)
{
    const std::vector<Column> columns = ledgerColumns(result.session);
    out << "Ditta " << result.session.company.company << " - " << result.session.company.name << '\n'
        << result.movements.RecordCount() << " movimenti\n\n";
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
}
