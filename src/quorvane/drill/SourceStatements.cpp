#include "drill/SourceStatements.h"

#include "engine/StatementText.h"

namespace quorvane::drill {

namespace {

// The lines of a statement separated by CR LF, the last one without.
std::string joinedLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

std::string quoted(const std::string& number)
{
    return "'" + quoteEscaped(number) + "'";
}

} // namespace

std::string movementExistsStatement(int company, const std::string& number)
{
    return std::string("SELECT CI12_DITTA_CG18") + " FROM CI12_MOVTESTATA" + " WHERE CI12_DITTA_CG18 = "
           + std::to_string(company) + " AND CI12_NUMREG_CO99 = " + quoted(number);
}

std::string linkedJournalEntryStatement(int company, const std::string& number)
{
    return joinedLines({" SELECT", "   CG41_CODICE_CG33", " FROM", "   CG41_PRIMANOTA", " WHERE",
                        "   CG41_DITTA_CG18 = " + std::to_string(company),
                        "   AND CG41_NUMREG = " + quoted(number)});
}

std::string linkedDocumentStatement(int company, const std::string& number)
{
    return joinedLines({" SELECT", "   DO11_DOCUM_MG36", " FROM", "   DO11_DOCTESTATA", " WHERE",
                        "   DO11_DITTA_CG18 = " + std::to_string(company),
                        "   AND DO11_NUMREG_CO99 = " + quoted(number)});
}

std::string journalEntryPrintedStatement(int company, const std::string& number)
{
    const std::string ditta = std::to_string(company);
    return std::string("SELECT ") + " ISNULL((SELECT TOP 1 CG41_FLGSTPIVA FROM CG41_PRIMANOTA WITH (NOLOCK) "
           + " WHERE CG41_DITTA_CG18 = " + ditta + " AND CG41_NUMREG = " + quoted(number) + ") " + " ,0) AS WK_FLGSTPIVA, "
           + " ISNULL((SELECT TOP 1 1 FROM CG42_MOVCONT WITH (NOLOCK) " + " WHERE CG42_DITTA_CG18 = " + ditta
           + " AND CG42_NUMREG_CG41 = " + quoted(number) + " AND CG42_FLGSTPGIOR = 1)  " + " ,0) AS WK_FLGSTPGIOR ";
}

std::string journalEntryFilter(int company, const std::string& number)
{
    return "CG41_DITTA_CG18 = " + std::to_string(company) + " AND CG41_NUMREG = " + quoted(number);
}

} // namespace quorvane::drill
