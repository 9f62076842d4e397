#include "controls/NumberText.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>

namespace controls {

namespace {

int patternDecimals(const QString& pattern)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(pattern.size() - point - 1);
}

} // namespace

const QLocale& italianNumbers()
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

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

QString formatNumber(double value, const QString& pattern, const QLocale& locale)
{
    QString text = locale.toString(value, 'f', patternDecimals(pattern));
    if (!pattern.contains(QLatin1Char(',')))
        text.remove(locale.groupSeparator());
    return text;
}

QString typingText(double value)
{
    return plainNumber(value).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Fifteen significant digits, as a double holds them, written out in full: never "1e-05" or "1e+16",
// which no field or statement reads as a number.
QString plainNumber(double value)
{
    const double rounded = QString::number(value, 'g', 15).toDouble();
    if (rounded == 0.0)
        return QStringLiteral("0");
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

} // namespace controls
