#include "controls/DataGridCellText.h"

#include "controls/NumberText.h"

#include <QDate>

#include <algorithm>

namespace controls {

namespace {

// Written digit by digit: the grid writes a date for every line the quick filter reads.
QString dateText(const db::DateTime& date)
{
    const int year = date.year();
    if (year < 1 || year > 9999 || !QDate::isValid(year, date.month(), date.day()))
        return QDate(year, date.month(), date.day()).toString(QStringLiteral("dd/MM/yyyy"));
    const int day = date.day(), month = date.month();
    const char16_t text[] = {char16_t(u'0' + day / 10),  char16_t(u'0' + day % 10),        u'/',
                             char16_t(u'0' + month / 10), char16_t(u'0' + month % 10),      u'/',
                             char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10),
                             char16_t(u'0' + year / 10 % 10), char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

// The column's pattern is read where the cell is written, without building it: a grid writes thousands.
QString numberText(const db::Value& value, const DataGridColumn& column, const QLocale& locale)
{
    if (column.decimals) {
        const QStringView format(column.numberFormat);
        const qsizetype point = format.indexOf(QLatin1Char('.'));
        const bool grouped = (point < 0 ? format : format.first(point)).contains(QLatin1Char(','));
        const int decimals = std::max(0, *column.decimals);
        return value.isDecimal() ? formatNumber(value.asDecimal(), decimals, grouped, locale)
                                 : formatNumber(value.toDouble(), decimals, grouped, locale);
    }
    if (!column.numberFormat.isEmpty())
        return formatNumber(value.toDouble(), column.numberFormat, locale);
    return QString::fromStdString(value.toText());
}

} // namespace

QString cellText(const db::Value& value, const DataGridColumn& column, const QLocale& locale)
{
    if (value.isNull())
        return {};
    if (value.isDateTime() && column.kind == ColumnKind::Date)
        return dateText(value.asDateTime());
    if (value.isNumber() && column.kind == ColumnKind::Number)
        return numberText(value, column, locale);
    if (value.isText())
        return QString::fromStdString(value.asText());
    return QString::fromStdString(value.toText());
}

} // namespace controls
