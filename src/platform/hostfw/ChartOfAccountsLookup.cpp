#include "hostfw/ChartOfAccountsLookup.h"

#include "hostfw/CostLookupDecode.h"

#include <stdexcept>

namespace hostfw {

QString ChartOfAccountsLookup::Show(QWidget* parent) const
{
    if (kind_ != QLatin1String("0") && kind_ != QLatin1String("1"))
        throw std::invalid_argument("the chart-of-accounts lookup needs the account kind \"0\" or \"1\"");
    const bool costCentres = kind_ == QLatin1String("0");
    const CostLookupDecode chart(connection_, settings_.company,
                                 costCentres ? settings_.costCentreChart : settings_.expenseItemChart,
                                 costCentres ? AccountKind::CostCentre : AccountKind::ExpenseItem);
    return chart.Lookup(chooser_, filter_, parent).value_or(QString());
}

} // namespace hostfw
