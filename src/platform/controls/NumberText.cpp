#include "controls/NumberText.h"

#include <QLocale>
#include <QRegularExpression>

namespace controls {

namespace {

const QLocale& italian()
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

int patternDecimals(const QString& pattern)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(pattern.size() - point - 1);
}

} // namespace

std::optional<double> parseTypedNumber(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    // With a comma the points are thousands separators; without, a single point is the decimal point.
    if (t.contains(QLatin1Char(',')))
        t = t.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    else if (t.count(QLatin1Char('.')) > 1)
        t.remove(QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    if (!number.match(t).hasMatch())
        return std::nullopt;
    return t.toDouble();
}

QString formatNumber(double value, const QString& pattern)
{
    QString text = italian().toString(value, 'f', patternDecimals(pattern));
    if (!pattern.contains(QLatin1Char(',')))
        text.remove(italian().groupSeparator());
    return text;
}

QString typingText(double value)
{
    return plainNumber(value).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString plainNumber(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace controls
