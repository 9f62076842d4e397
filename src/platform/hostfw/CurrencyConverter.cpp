#include "CurrencyConverter.h"

#include <cmath>
#include <stdexcept>

namespace hostfw {
namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString baseCurrency(db::Connection& connection, int company)
{
    db::Recordset rows = connection.Open("SELECT CG18_CODVALUTA_CG08 FROM CG18_ANADITTABASE WITH (NOLOCK) "
                                         "WHERE CG18_DITTA = " + std::to_string(company));
    return rows.RecordCount() > 0 ? QString::fromStdString(rows.valueAt(0, 0).toText()).trimmed() : QString();
}

double roundedTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

CurrencyConverter::Quotation CurrencyConverter::quotation(const QString& currency, db::Connection& connection) const
{
    const QString code = currency.trimmed();
    db::Recordset rows = connection.Open(("SELECT CG08_INDCERTOINCERTO, CG08_NUMERODECIMALI FROM CG08_VALUTE WITH (NOLOCK) "
                                          "WHERE CG08_CODICE = " + quoted(code)).toStdString());
    if (rows.RecordCount() == 0)
        throw std::invalid_argument("the currency " + code.toStdString() + " is not defined");
    return {rows.valueAt(0, 0).toDouble() == 1, static_cast<int>(rows.valueAt(0, 1).toDouble())};
}

double CurrencyConverter::Controvalore(const QString& currency, double amount, double rate, db::Connection& connection,
                                       int company) const
{
    const QString code = currency.trimmed();
    if (code.compare(baseCurrency(connection, company), Qt::CaseInsensitive) == 0)
        return amount;
    if (!(rate > 0))
        throw std::invalid_argument("the exchange rate of " + code.toStdString() + " must be above 0");
    const Quotation quote = quotation(code, connection);
    return roundedTo(quote.uncertain ? amount / rate : amount * rate, quote.decimals);
}

} // namespace hostfw
