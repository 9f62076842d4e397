#include "controls/DataGridCellText.h"

#include "controls/NumberText.h"

#include <QDate>

namespace controls {

namespace {

QString dateText(const db::DateTime& date)
{
    return QDate(date.year(), date.month(), date.day()).toString(QStringLiteral("dd/MM/yyyy"));
}

QString numberText(const db::Value& value, const DataGridColumn& column, const QLocale& locale)
{
    if (column.decimals)
        return formatNumber(value.toDouble(), numberPattern(column.numberFormat, *column.decimals), locale);
    if (!column.numberFormat.isEmpty())
        return formatNumber(value.toDouble(), column.numberFormat, locale);
    return QString::fromStdString(value.toText());
}

} // namespace

QString numberPattern(const QString& format, int decimals)
{
    const QString integerPart = format.isEmpty() ? QStringLiteral("0") : format.section(QLatin1Char('.'), 0, 0);
    return decimals > 0 ? integerPart + QLatin1Char('.') + QString(decimals, QLatin1Char('0')) : integerPart;
}

QString cellText(const db::Value& value, const DataGridColumn& column, const QLocale& locale)
{
    if (value.isNull())
        return {};
    if (value.isDateTime() && column.kind == ColumnKind::Date)
        return dateText(value.asDateTime());
    if (value.isNumber() && column.kind == ColumnKind::Number)
        return numberText(value, column, locale);
    return QString::fromStdString(value.toText());
}

} // namespace controls
