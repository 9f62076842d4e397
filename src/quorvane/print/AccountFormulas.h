#pragma once
// The formatted-account formulas of the printed ledger: a cost-centre code, an expense-item code or a
// counter-part account code shown as its segments separated by "/", cut by the segment sizes of its
// chart. The segments are read once per window at its first print, and each text is built once and kept.

#include "print/ChartSegments.h"

#include "db/Connection.h"

#include <optional>
#include <string>

namespace quorvane::print {

// The formula that cuts `code` (a field reference, or a variable holding the code) into the chart's
// segments; with `codeVariable`, the formula first declares the variable from the counter-part's account.
std::string formattedAccountFormula(const ChartSegments& segments, const std::string& code, bool codeVariable);

class AccountFormulas {
public:
    AccountFormulas(db::Connection& connection, int costCentreChart, int expenseItemChart)
        : connection_(connection), costCentreChart_(costCentreChart), expenseItemChart_(expenseItemChart)
    {
    }

    // Throw db::Error when the chart's configuration cannot be read.
    const std::string& GetFormulaContoFormattato();
    const std::string& GetFormulaVDSFormattata();
    const std::string& GetFormulaSubContoFormattato();

private:
    const ChartSegments& costCentreSegments();
    const ChartSegments& expenseItemSegments();

    db::Connection& connection_;
    int costCentreChart_;
    int expenseItemChart_;
    std::optional<ChartSegments> costCentres_, expenseItems_;
    std::optional<std::string> account_, expenseItem_, subAccount_;
};

} // namespace quorvane::print
