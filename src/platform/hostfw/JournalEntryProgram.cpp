// "Prima nota": the journal entry a filter selects, as the general ledger holds it.

#include "hostfw/SourcePrograms.h"

#include "hostfw/Phrases.h"
#include "hostfw/ProgramCells.h"

#include <set>
#include <stdexcept>
#include <vector>

namespace hostfw {

namespace {

constexpr const char* amountCaption = "Importo";

std::string headerStatement(const QString& filter)
{
    return "SELECT CG41_NUMREG, CG41_CODICE_CG33, CG41_DATAREG, CG41_DESCR, CG41_FLGSTPIVA"
           " FROM CG41_PRIMANOTA WITH (NOLOCK) WHERE " + filter.toStdString();
}

std::string linesStatement(const QString& filter)
{
    return "SELECT CG42_NUMRIGACONT, CG42_GRUPPO_CG10, CG42_CONTOPAR_CG24, CG24_DESCR, CG42_TIPOCF_CG44,"
           " CG42_CLIFORPAR_CG44, CG16_RAGSOANAG, CG42_SEGNO, CG42_IMPORTO, CG42_FLGSTPGIOR"
           " FROM CG42_MOVCONT WITH (NOLOCK)"
           " INNER JOIN CG41_PRIMANOTA WITH (NOLOCK) ON CG41_DITTA_CG18 = CG42_DITTA_CG18"
           " AND CG41_NUMREG = CG42_NUMREG_CG41"
           " LEFT OUTER JOIN CG24_TABPDC WITH (NOLOCK) ON CG24_GRUPPO_CG10 = CG42_GRUPPO_CG10"
           " AND CG24_CONTO = CG42_CONTOPAR_CG24"
           " LEFT OUTER JOIN CG44_CLIFOR WITH (NOLOCK) ON CG44_DITTA_CG18 = CG42_DITTA_CG18"
           " AND CG44_TIPOCF = CG42_TIPOCF_CG44 AND CG44_CLIFOR = CG42_CLIFORPAR_CG44"
           " LEFT OUTER JOIN CG16_ANAGGEN WITH (NOLOCK) ON CG16_CODICE = CG44_CODICE_CG16"
           " WHERE " + filter.toStdString() + " ORDER BY CG42_NUMRIGACONT";
}

struct EntryLine {
    QStringList cells;              // every cell but the counterpart
    QString account;                // group and account: "1.6010010"
    bool debit = false;
    double amount = 0;
};

// The counterpart of a line is the account on the other side of the entry; with several, "Diversi".
QString counterpartOf(const EntryLine& line, const std::vector<EntryLine>& lines)
{
    std::set<QString> accounts;
    for (const EntryLine& other : lines)
        if (other.debit != line.debit)
            accounts.insert(other.account);
    if (accounts.size() > 1)
        return userText("Diversi");
    return accounts.empty() ? QString() : *accounts.begin();
}

std::vector<EntryLine> readLines(db::Recordset rows, int amountDecimals)
{
    std::vector<EntryLine> lines;
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext()) {
        EntryLine line;
        line.account =
            cellText(rows.value("CG42_GRUPPO_CG10")) + QLatin1Char('.') + cellText(rows.value("CG42_CONTOPAR_CG24"));
        line.debit = cellText(rows.value("CG42_SEGNO")) == QLatin1String("D");
        line.amount = rows.value("CG42_IMPORTO").toDouble();
        line.cells = {cellText(rows.value("CG42_NUMRIGACONT")),
                      line.account,
                      cellText(rows.value("CG24_DESCR")),
                      customerOrSupplierText(rows.value("CG42_TIPOCF_CG44"), rows.value("CG42_CLIFORPAR_CG44"),
                                             rows.value("CG16_RAGSOANAG")),
                      line.debit ? userText("Dare") : userText("Avere"),
                      numberText(rows.value("CG42_IMPORTO"), amountDecimals), flagText(rows.value("CG42_FLGSTPGIOR"))};
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace

SourceProgramWindow* openJournalEntryProgram(const ProgramContext& context, const SourceProgramArguments& arguments)
{
    const db::Recordset header = context.connection.Open(headerStatement(arguments.filter));
    if (!header.isOpen() || header.EOF_())
        throw std::runtime_error("No journal entry matches " + arguments.filter.toStdString() + ".");
    auto* window = new SourceProgramWindow(
        userText("Prima nota"), arguments.ledgerReason + QLatin1Char(' ') + cellText(header.value("CG41_NUMREG")),
        arguments);
    window->addHeaderField(userText("Num. reg."), cellText(header.value("CG41_NUMREG")));
    window->addHeaderField(userText("Data reg."), dayText(header.value("CG41_DATAREG")));
    window->addHeaderField(userText("Causale"), cellText(header.value("CG41_CODICE_CG33")));
    window->addHeaderField(userText("Descrizione"), cellText(header.value("CG41_DESCR")));
    window->addHeaderField(userText("Stampata sui registri IVA"),
                           header.value("CG41_FLGSTPIVA").toDouble() != 0 ? QStringLiteral("Sì") : QStringLiteral("No"));
    window->setLineColumns({userText("Riga"), userText("Conto"), userText("Descrizione conto"),
                            userText("Contropartita"), userText("Cliente/fornitore"), userText("Segno"),
                            userText(amountCaption), userText("Stampata sul giornale")},
                           {userText(amountCaption)});
    const std::vector<EntryLine> lines =
        readLines(context.connection.Open(linesStatement(arguments.filter)), context.amountDecimals);
    double debit = 0, credit = 0;
    for (const EntryLine& line : lines) {
        QStringList cells = line.cells;
        cells.insert(3, counterpartOf(line, lines));
        window->addLine(cells);
        (line.debit ? debit : credit) += line.amount;
    }
    window->addTotal(userText("Totale dare"), numberText(debit, context.amountDecimals));
    window->addTotal(userText("Totale avere"), numberText(credit, context.amountDecimals));
    window->open(context.frame);
    return window;
}

} // namespace hostfw
