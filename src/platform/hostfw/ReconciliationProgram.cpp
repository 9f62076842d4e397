// "Quadratura contabilità generale - analitica": a registration's journal-entry lines beside the
// cost-accounting lines allocated from each. A line's difference is its amount less what was allocated from
// it; a journal-entry line without cost-accounting lines (the customer's, the supplier's or the bank's)
// is not allocated and has none, while cost-accounting lines that point at no line of the entry are gathered
// under a line of their own, whose difference is all they allocate.

#include "hostfw/SourcePrograms.h"

#include "hostfw/Phrases.h"
#include "hostfw/ProgramCells.h"
#include "hostfw/SqlLiteral.h"

#include <QTreeWidgetItem>

#include <map>
#include <stdexcept>
#include <vector>

namespace hostfw {

namespace {

constexpr const char* ledgerAmountCaption = "Importo CoGe";
constexpr const char* allocatedCaption = "Importo CoAn";
constexpr const char* differenceCaption = "Differenza";

std::string ledgerLinesStatement(const SourceProgramArguments& arguments)
{
    return "SELECT CG42_NUMRIGACONT, CG42_GRUPPO_CG10, CG42_CONTOPAR_CG24, CG24_DESCR, CG42_IMPORTO"
           " FROM CG42_MOVCONT WITH (NOLOCK)"
           " LEFT OUTER JOIN CG24_TABPDC WITH (NOLOCK) ON CG24_GRUPPO_CG10 = CG42_GRUPPO_CG10"
           " AND CG24_CONTO = CG42_CONTOPAR_CG24"
           " WHERE CG42_DITTA_CG18 = " + std::to_string(arguments.company)
           + " AND CG42_NUMREG_CG41 = " + sqlQuoted(arguments.registrationNumber) + " ORDER BY CG42_NUMRIGACONT";
}

std::string costLinesStatement(const SourceProgramArguments& arguments)
{
    return "SELECT CI13_PROGRIGA, CI13_RIGACONT_CG42, CI13_CONTO_PC03, CI13_VDS_PC03, CI13_IMPORTO"
           " FROM CI13_MOVCORPO WITH (NOLOCK)"
           " WHERE CI13_DITTA_CG18 = " + std::to_string(arguments.company)
           + " AND CI13_NUMREG_CO99 = " + sqlQuoted(arguments.registrationNumber) + " ORDER BY CI13_PROGRIGA";
}

struct CostLine {
    QStringList cells;
    double amount = 0;
};

// The cost-accounting lines by the journal-entry line they were allocated from; -1 for none.
std::map<long, std::vector<CostLine>> costLinesByLedgerLine(db::Recordset rows, int amountDecimals)
{
    std::map<long, std::vector<CostLine>> byLine;
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext()) {
        const db::Value ledgerLine = rows.value("CI13_RIGACONT_CG42");
        CostLine line{{QString(), QString(), QString(), QString(), cellText(rows.value("CI13_PROGRIGA")),
                       cellText(rows.value("CI13_CONTO_PC03")), cellText(rows.value("CI13_VDS_PC03")),
                       numberText(rows.value("CI13_IMPORTO"), amountDecimals), QString()},
                      rows.value("CI13_IMPORTO").toDouble()};
        byLine[ledgerLine.isNull() ? -1 : static_cast<long>(ledgerLine.toDouble())].push_back(std::move(line));
    }
    return byLine;
}

class Reconciliation {
public:
    Reconciliation(SourceProgramWindow& window, int amountDecimals) : window_(window), decimals_(amountDecimals) {}

    // A journal-entry line with the cost-accounting lines allocated from it, if any.
    void addLedgerLine(QStringList cells, double amount, const std::vector<CostLine>* allocated)
    {
        if (allocated) {
            const double sum = allocate(*allocated);
            cells << numberText(sum, decimals_) << numberText(amount - sum, decimals_);
            ledger_ += amount;
            difference_ += amount - sum;
        } else {
            cells << QString() << QString();
        }
        addWithLines(cells, allocated);
    }

    void addUnlinked(const std::vector<CostLine>& lines)
    {
        const double sum = allocate(lines);
        difference_ -= sum;
        addWithLines({QString(), userText("Senza riga contabile"), QString(), QString(), QString(), QString(),
                      QString(), numberText(sum, decimals_), numberText(-sum, decimals_)},
                     &lines);
    }

    void addTotals()
    {
        window_.addTotal(userText("Totale CoGe ripartito"), numberText(ledger_, decimals_));
        window_.addTotal(userText("Totale CoAn"), numberText(allocated_, decimals_));
        window_.addTotal(userText("Differenza totale"), numberText(difference_, decimals_));
    }

private:
    // The lines' sum, counted as allocated.
    double allocate(const std::vector<CostLine>& lines)
    {
        double sum = 0;
        for (const CostLine& line : lines)
            sum += line.amount;
        allocated_ += sum;
        return sum;
    }

    void addWithLines(const QStringList& cells, const std::vector<CostLine>* lines)
    {
        QTreeWidgetItem* item = window_.addLine(cells);
        if (lines)
            for (const CostLine& line : *lines)
                window_.addLine(line.cells, item);
    }

    SourceProgramWindow& window_;
    int decimals_;
    double ledger_ = 0, allocated_ = 0, difference_ = 0;
};

} // namespace

SourceProgramWindow* openReconciliationProgram(const ProgramContext& context, const SourceProgramArguments& arguments)
{
    db::Recordset ledgerLines = context.connection.Open(ledgerLinesStatement(arguments));
    std::map<long, std::vector<CostLine>> costLines =
        costLinesByLedgerLine(context.connection.Open(costLinesStatement(arguments)), context.amountDecimals);
    if (ledgerLines.RecordCount() == 0 && costLines.empty())
        throw std::runtime_error("Registration " + arguments.registrationNumber.toStdString() + " of company "
                                 + std::to_string(arguments.company) + " has no lines to reconcile.");
    auto* window = new SourceProgramWindow(userText("Quadratura contabilità generale - analitica"),
                                           arguments.registrationNumber, arguments);
    window->addHeaderField(userText("Num. reg."), arguments.registrationNumber);
    window->addHeaderField(userText("Ditta"), QString::number(arguments.company));
    window->setLineColumns({userText("Riga CoGe"), userText("Conto"), userText("Descrizione conto"),
                            userText(ledgerAmountCaption), userText("Riga CoAn"), QStringLiteral("C.d.C."),
                            QStringLiteral("V.d.S."), userText(allocatedCaption), userText(differenceCaption)},
                           {userText(ledgerAmountCaption), userText(allocatedCaption), userText(differenceCaption)});
    Reconciliation reconciliation(*window, context.amountDecimals);
    for (ledgerLines.MoveFirst(); !ledgerLines.EOF_(); ledgerLines.MoveNext()) {
        const long line = static_cast<long>(ledgerLines.value("CG42_NUMRIGACONT").toDouble());
        const auto allocated = costLines.find(line);
        reconciliation.addLedgerLine(
            {cellText(ledgerLines.value("CG42_NUMRIGACONT")),
             cellText(ledgerLines.value("CG42_GRUPPO_CG10")) + QLatin1Char('.')
                 + cellText(ledgerLines.value("CG42_CONTOPAR_CG24")),
             cellText(ledgerLines.value("CG24_DESCR")), numberText(ledgerLines.value("CG42_IMPORTO"), context.amountDecimals),
             QString(), QString(), QString()},
            ledgerLines.value("CG42_IMPORTO").toDouble(), allocated == costLines.end() ? nullptr : &allocated->second);
        if (allocated != costLines.end())
            costLines.erase(allocated);
    }
    std::vector<CostLine> unlinked;
    for (auto& [line, lines] : costLines)
        unlinked.insert(unlinked.end(), lines.begin(), lines.end());
    if (!unlinked.empty())
        reconciliation.addUnlinked(unlinked);
    reconciliation.addTotals();
    window->open(context.frame);
    return window;
}

} // namespace hostfw
