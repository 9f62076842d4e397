#include "controls/NumberText.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace controls {

namespace {

int patternDecimals(const QString& pattern)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(pattern.size() - point - 1);
}

// The shortest digits that read back as the value, when they already are its fixed notation: fewer
// decimals than asked for, and the value small enough that no nearer decimal lies within its precision.
// Otherwise (a value to round, a negative zero, something huge) nothing, and the locale writes it.
std::optional<std::string> exactFixedDigits(double value, int decimals)
{
    if (!std::isfinite(value) || decimals < 0 || decimals > 9 || (value == 0 && std::signbit(value)))
        return std::nullopt;
    if (std::fabs(value) >= std::ldexp(std::pow(10.0, -decimals), 50))
        return std::nullopt;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return std::nullopt;
    std::string digits(buffer, result.ptr);
    const std::size_t point = digits.find('.');
    const int shown = point == std::string::npos ? 0 : int(digits.size() - point - 1);
    if (shown > decimals)
        return std::nullopt;
    if (decimals > 0)
        digits += (point == std::string::npos ? "." : "") + std::string(std::size_t(decimals - shown), '0');
    return digits;
}

// Whether the locale writes numbers as this file does: Western digits, a sign before them, thousands in
// threes from the first. Asked once per locale, as a grid writes thousands of numbers in the same one.
bool writesPlainFixed(const QLocale& locale)
{
    thread_local QLocale asked = QLocale::c();
    thread_local bool plain = false;
    thread_local bool known = false;
    if (!known || asked != locale) {
        asked = locale;
        known = true;
        const QString group = locale.groupSeparator(), point = locale.decimalPoint();
        plain = locale.toString(-1234567.5, 'f', 1) == locale.negativeSign() + QStringLiteral("1") + group
                    + QStringLiteral("234") + group + QStringLiteral("567") + point + QStringLiteral("5")
                && locale.toString(1234.0, 'f', 0) == QStringLiteral("1") + group + QStringLiteral("234")
                && !(locale.numberOptions() & QLocale::OmitGroupSeparator);
    }
    return plain;
}

// The fixed notation written here rather than by the locale, which costs a grid's quick filter most of
// its first reading of the lines; only where it comes out as the locale's own.
std::optional<QString> fixedText(double value, int decimals, bool grouped, const QLocale& locale)
{
    if (!writesPlainFixed(locale))
        return std::nullopt;
    const std::optional<std::string> digits = exactFixedDigits(value, decimals);
    if (!digits)
        return std::nullopt;
    const bool negative = digits->front() == '-';
    const std::size_t first = negative ? 1 : 0;
    const std::size_t point = std::min(digits->find('.'), digits->size());
    QString text;
    text.reserve(qsizetype(digits->size() + digits->size() / 3 + 2));
    if (negative)
        text += locale.negativeSign();
    const QString group = locale.groupSeparator();
    for (std::size_t i = first; i < point; ++i) {
        if (grouped && i > first && (point - i) % 3 == 0)
            text += group;
        text += QLatin1Char((*digits)[i]);
    }
    if (point < digits->size()) {
        text += locale.decimalPoint();
        text += QLatin1StringView(digits->data() + point + 1, qsizetype(digits->size() - point - 1));
    }
    return text;
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
    return formatNumber(value, patternDecimals(pattern), pattern.contains(QLatin1Char(',')), locale);
}

QString formatNumber(double value, int decimals, bool grouped, const QLocale& locale)
{
    if (std::optional<QString> text = fixedText(value, decimals, grouped, locale))
        return *text;
    QString text = locale.toString(value, 'f', decimals);
    if (!grouped)
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
