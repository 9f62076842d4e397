#include "drill/SourceChecks.h"

#include "drill/SourceStatements.h"

namespace quorvane::drill {

namespace {

bool hasRow(const db::Recordset& rows)
{
    return rows.isOpen() && !rows.EOF_();
}

std::string withoutTrailingBlanks(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

} // namespace

bool DatabaseSourceChecks::EsisteMovimentoCoIn(int company, const std::string& number)
{
    return hasRow(connection_.Open(movementExistsStatement(company, number)));
}

bool DatabaseSourceChecks::EsisteMovimentoCoGeCollegato(int company, const std::string& number, std::string* reason)
{
    const db::Recordset rows = connection_.Open(linkedJournalEntryStatement(company, number));
    if (!hasRow(rows))
        return false;
    if (reason)
        *reason = rows.value("CG41_CODICE_CG33").toText();
    return true;
}

bool DatabaseSourceChecks::EsisteDocumentoCollegato(int company, const std::string& number, std::string& key)
{
    db::Recordset rows = connection_.Open(linkedDocumentStatement(company, number));
    const bool found = hasRow(rows);
    if (found)
        key = withoutTrailingBlanks(rows.value("DO11_DOCUM_MG36").toText());
    rows.Close();
    return found;
}

bool DatabaseSourceChecks::MovimentoModificabileDaPN(int company, const std::string& number)
{
    if (ledgerEditSetting_ == 0)
        return false;
    const db::Recordset rows = connection_.Open(journalEntryPrintedStatement(company, number));
    if (!hasRow(rows))
        return true;
    return rows.value("WK_FLGSTPIVA").toDouble() != 1 && rows.value("WK_FLGSTPGIOR").toDouble() != 1;
}

} // namespace quorvane::drill
