#include "NumberFormats.h"

namespace quorvane::host {
namespace {

const QString integerPart = QStringLiteral("###,###,###,##0");

} // namespace

QString amountFormat(int decimals)
{
    return decimals > 0 ? integerPart + QLatin1Char('.') + QString(decimals, QLatin1Char('0')) : integerPart;
}

QString quantityFormat(int decimals)
{
    return integerPart + QLatin1Char('.') + QString(qMax(decimals, 0), QLatin1Char('0'));
}

} // namespace quorvane::host
