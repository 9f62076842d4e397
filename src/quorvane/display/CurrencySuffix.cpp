#include "display/CurrencySuffix.h"

namespace quorvane::display {

QString captionWithCurrency(const QString& caption, const QString& currencyText)
{
    if (caption.contains(currencyText, Qt::CaseSensitive))
        return caption;
    return caption + QStringLiteral(" (") + currencyText + QLatin1Char(')');
}

} // namespace quorvane::display
