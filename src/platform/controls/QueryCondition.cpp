#include "controls/QueryCondition.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace controls {

namespace {

// A refusal's words, written in English, in the user's language.
QString words(const char* english)
{
    return QCoreApplication::translate("QueryCondition", english);
}

// A date as the user types it (the short date dd/mm/yyyy), as a selection file keeps it (yyyy-mm-dd), or
// already as the server's yyyymmdd.
QDate parseDate(const QString& value)
{
    for (const char* format : {"dd/MM/yyyy", "yyyy-MM-dd", "yyyyMMdd"}) {
        QDate date = QDate::fromString(value, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return {};
}

// A number written with a point or a comma before its decimals; the condition always uses the point.
QString normalisedNumber(const QString& value)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+([.,][0-9]+)?$"));
    if (!number.match(value).hasMatch())
        return {};
    return QString(value).replace(QLatin1Char(','), QLatin1Char('.'));
}

bool fitsMask(const QString& mask, const QString& value)
{
    if (mask.isEmpty())
        return true;
    for (qsizetype i = 0; i < value.size(); ++i) {
        QChar m = mask.at(std::min(i, mask.size() - 1));
        bool fits = m == QLatin1Char('#') ? value.at(i).isDigit() : value.at(i) == m;
        if (!fits)
            return false;
    }
    return true;
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

[[noreturn]] void refuse(const QueryRowDefinition& row, const QString& why)
{
    throw QueryValueError(QStringLiteral("\"%1\": %2").arg(row.caption, why).toStdString());
}

} // namespace

bool QueryValues::isEmpty() const
{
    return from.trimmed().isEmpty() && to.trimmed().isEmpty()
        && std::all_of(list.begin(), list.end(), [](const QString& v) { return v.trimmed().isEmpty(); });
}

std::optional<QString> valueRefusal(const QueryRowDefinition& row, const QString& value)
{
    QString v = value.trimmed();
    if (v.isEmpty())
        return std::nullopt;
    if (row.maxLength > 0 && v.size() > row.maxLength)
        return words("\"%1\" is longer than %2 characters").arg(v).arg(row.maxLength);
    if (!fitsMask(row.mask, v))
        return words("\"%1\" does not fit the mask \"%2\"").arg(v, row.mask);
    if (row.kind == ValueKind::Number && normalisedNumber(v).isEmpty())
        return words("\"%1\" is not a number").arg(v);
    if (row.kind == ValueKind::Date && !parseDate(v).isValid())
        return words("\"%1\" is not a date (dd/mm/yyyy)").arg(v);
    return std::nullopt;
}

QString sqlLiteral(const QueryRowDefinition& row, const QString& value)
{
    if (std::optional<QString> why = valueRefusal(row, value))
        refuse(row, *why);
    QString v = value.trimmed();
    if (row.kind == ValueKind::Number)
        return normalisedNumber(v);
    if (row.kind == ValueKind::Date)
        return quoted(parseDate(v).toString(QStringLiteral("yyyyMMdd")));
    return quoted(v);
}

QString queryCondition(const QueryRowDefinition& row, const QueryValues& values)
{
    QStringList items;
    for (const QString& item : values.list)
        if (!item.trimmed().isEmpty())
            items << sqlLiteral(row, item);
    QString from = values.from.trimmed(), to = values.to.trimmed();
    if (!items.isEmpty() && !(from.isEmpty() && to.isEmpty()))
        refuse(row, words("give either a range or a list of values, not both"));
    if (!items.isEmpty())
        return row.column + QStringLiteral(" IN (") + items.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (from.isEmpty() && to.isEmpty())
        return {};
    if (to.isEmpty())
        return row.column + QStringLiteral(" >= ") + sqlLiteral(row, from);
    if (from.isEmpty())
        return row.column + QStringLiteral(" <= ") + sqlLiteral(row, to);
    if (from == to)
        return row.column + QStringLiteral(" = ") + sqlLiteral(row, from);
    return row.column + QStringLiteral(" BETWEEN ") + sqlLiteral(row, from) + QStringLiteral(" AND ")
        + sqlLiteral(row, to);
}

std::vector<QueryConditionRow> conditionRows(const QueryOffer& offer, std::vector<FilledRow> rows)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [](const FilledRow& a, const FilledRow& b) { return a.offerRow < b.offerRow; });
    std::vector<QueryConditionRow> conditions;
    for (const FilledRow& row : rows) {
        const QueryRowDefinition& definition = offer.at(static_cast<std::size_t>(row.offerRow));
        const QString condition = queryCondition(definition, row.values);
        if (!condition.isEmpty())
            conditions.push_back({definition.caption, definition.column, condition});
    }
    return conditions;
}

} // namespace controls
