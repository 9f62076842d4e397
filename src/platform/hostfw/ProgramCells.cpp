#include "hostfw/ProgramCells.h"

#include <QDate>
#include <QLocale>

namespace hostfw {

QString cellText(const db::Value& value)
{
    return QString::fromStdString(value.toText());
}

QString dayText(const db::Value& value)
{
    if (!value.isDateTime())
        return cellText(value);
    const db::DateTime day = value.asDateTime();
    return QDate(day.year(), day.month(), day.day()).toString(QStringLiteral("dd/MM/yyyy"));
}

QString numberText(const db::Value& value, int decimals)
{
    return value.isNull() ? QString() : numberText(value.toDouble(), decimals);
}

QString numberText(double value, int decimals)
{
    return QLocale(QLocale::Italian, QLocale::Italy).toString(value, 'f', decimals);
}

QString flagText(const db::Value& value)
{
    return value.toDouble() != 0 ? QStringLiteral("Sì") : QString();
}

QString customerOrSupplierText(const db::Value& kind, const db::Value& code, const db::Value& name)
{
    if (kind.isNull())
        return {};
    const QString word = kind.toDouble() == 0 ? QStringLiteral("Cliente") : QStringLiteral("Fornitore");
    const QString text = word + QLatin1Char(' ') + cellText(code);
    return name.isNull() ? text : text + QStringLiteral(" - ") + cellText(name);
}

} // namespace hostfw
