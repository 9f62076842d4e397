#include "print/AccountFormulas.h"

namespace quorvane::print {

std::string formattedAccountFormula(const ChartSegments& segments, const std::string& code, bool codeVariable)
{
    std::string text = " (\r\n     StringVar pstrRisultato := \"\";\r\n";
    if (codeVariable)
        text += "     StringVar pstrConto := {@strConto};\r\n";
    text += "     \r\n";
    text += "     pstrRisultato := Mid(" + code + ", 1, " + std::to_string(segments.sizes[0]) + ");\r\n";
    for (std::size_t k = 1; k < segments.sizes.size(); ++k)
        if (segments.starts[k] > 0)
            text += "     pstrRisultato := pstrRisultato & \"/\" & Mid(" + code + ", " + std::to_string(segments.starts[k])
                  + ", " + std::to_string(segments.sizes[k]) + ");\r\n";
    return text + "     pstrRisultato\r\n )";
}

const ChartSegments& AccountFormulas::costCentreSegments()
{
    if (!costCentres_)
        costCentres_ = readChartSegments(connection_, costCentreChart_);
    return *costCentres_;
}

const ChartSegments& AccountFormulas::expenseItemSegments()
{
    if (!expenseItems_)
        expenseItems_ = readChartSegments(connection_, expenseItemChart_);
    return *expenseItems_;
}

const std::string& AccountFormulas::GetFormulaContoFormattato()
{
    if (!account_)
        account_ = formattedAccountFormula(costCentreSegments(), "{CI13_MOVCORPO.CI13_CONTO_PC03}", false);
    return *account_;
}

const std::string& AccountFormulas::GetFormulaVDSFormattata()
{
    if (!expenseItem_)
        expenseItem_ = formattedAccountFormula(expenseItemSegments(), "{CI13_MOVCORPO.CI13_VDS_PC03}", false);
    return *expenseItem_;
}

// The counter-part subreport cuts its account with the cost-centre chart's segments, as the window does.
const std::string& AccountFormulas::GetFormulaSubContoFormattato()
{
    if (!subAccount_)
        subAccount_ = formattedAccountFormula(costCentreSegments(), "pstrConto", true);
    return *subAccount_;
}

} // namespace quorvane::print
