#include "hostfw/ExchangeRateService.h"

#include "hostfw/SqlLiteral.h"

namespace hostfw {

std::optional<ExchangeRate> ExchangeRateService::rate(const QString& currency, const std::optional<QDate>& day) const
{
    std::string statement = "SELECT TOP 1 DATACAMBIO, TIPOCAMBIO, CAMBIO, INDCERTOINCERTO, NUMERODECIMALI"
                            " FROM VCG09_CAMBI WITH (NOLOCK) WHERE CODICEVALUTA = "
        + sqlQuoted(currency.trimmed());
    if (day)
        statement += " AND DATACAMBIO <= '" + day->toString(QStringLiteral("yyyyMMdd")).toStdString() + "'";
    db::Recordset rows = connection_.Open(statement + " ORDER BY DATACAMBIO DESC, TIPOCAMBIO");
    if (rows.RecordCount() == 0)
        return std::nullopt;
    const db::DateTime fixed = rows.valueAt(0, 0).asDateTime();
    return ExchangeRate{QDate(fixed.year(), fixed.month(), fixed.day()), int(rows.valueAt(0, 1).toDouble()),
                        rows.valueAt(0, 2).toDouble(), int(rows.valueAt(0, 3).toDouble()),
                        int(rows.valueAt(0, 4).toDouble())};
}

} // namespace hostfw
