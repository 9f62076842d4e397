#include "display/TraceButtons.h"

#include "engine/StatementText.h"

namespace quorvane::display {

std::string traceButtonsStatement(int company, const std::string& registrationNumber, const std::string& line)
{
    const std::string ditta = std::to_string(company);
    const std::string number = quoteEscaped(registrationNumber);
    return std::string(" SELECT ") + "( SELECT TOP 1 1 AS WK_DEST FROM CI5C_TRACCIARIB WITH (NOLOCK) "
           + " WHERE CI5C_DITTA_CG18 = " + ditta + " AND CI5C_NUMREGDES_CO99 = '" + number + "' "
           + " AND CI5C_PROGRIGADES_CI13 = " + line + " ) AS WK_ORIG "
           + ", (SELECT TOP 1 1 AS WK_DEST FROM CI5C_TRACCIARIB WITH (NOLOCK) "
           + " WHERE CI5C_DITTA_CG18 = " + ditta + " AND CI5C_NUMREGORI_CO99 = '" + number + "' "
           + " AND CI5C_PROGRIGAORI_CI13 = " + line + " ) AS WK_DEST ";
}

TraceButtons AbilitaBottoniTracciaRib(db::Connection& connection, int company, const db::Recordset* movements)
{
    if (movements == nullptr || !movements->isOpen() || movements->BOF() || movements->EOF_())
        return {};
    const std::string number = movements->value("CI12_NUMREG_CO99").toText();
    const db::Value line = movements->value("CI13_PROGRIGA");
    if (number.empty() || line.toText().empty())
        return {};
    // The line number goes into the statement as a number, never as the text a value might carry.
    const std::string lineNumber = std::to_string(static_cast<long long>(line.toDouble()));
    db::Recordset answer = connection.Open(traceButtonsStatement(company, number, lineNumber));
    if (!answer.isOpen() || answer.EOF_())
        return {};
    return {answer.value("WK_ORIG").toDouble() == 1, answer.value("WK_DEST").toDouble() == 1};
}

} // namespace quorvane::display
