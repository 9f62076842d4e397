#include "controls/NumberText.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <algorithm>
#include <optional>

namespace controls {

namespace {

int patternDecimals(const QString& pattern)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(pattern.size() - point - 1);
}

// The shortest digits that read back as the value, when they already are its fixed notation: no more
// decimals than asked for, and the value small enough that no nearer decimal lies within its precision.
// Otherwise (a value to round, a negative zero, something huge) none, and the locale writes it.
struct FixedDigits {
    char text[48];
    int length = 0;     // sign, digits and, when the value has decimals, the point and them
    int point = 0;      // where the point is or would be
};

std::optional<FixedDigits> exactFixedDigits(double value, int decimals)
{
    static constexpr double largestExact[] = {0x1p50,        0x1p50 / 1e1, 0x1p50 / 1e2, 0x1p50 / 1e3, 0x1p50 / 1e4,
                                              0x1p50 / 1e5,  0x1p50 / 1e6, 0x1p50 / 1e7, 0x1p50 / 1e8, 0x1p50 / 1e9};
    if (!std::isfinite(value) || decimals < 0 || decimals > 9 || (value == 0 && std::signbit(value))
        || std::fabs(value) >= largestExact[decimals])
        return std::nullopt;
    FixedDigits digits;
    const auto result = std::to_chars(digits.text, digits.text + sizeof digits.text, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return std::nullopt;
    digits.length = int(result.ptr - digits.text);
    const char* point = std::find(digits.text, result.ptr, '.');
    digits.point = int(point - digits.text);
    const int shown = point == result.ptr ? 0 : int(result.ptr - point - 1);
    if (shown > decimals)
        return std::nullopt;
    return digits;
}

// The same digits read from a decimal's mantissa, where its double would give them: no more decimals than
// asked for, and within the same bound (|mantissa| / 10^scale below 2^50 / 10^decimals).
std::optional<FixedDigits> exactFixedDigits(const db::Decimal& value, int decimals)
{
    if (value.scale < 0 || decimals > 9 || value.scale > decimals)
        return std::nullopt;
    std::int64_t bound = std::int64_t(1) << 50;
    for (int i = value.scale; i < decimals; ++i)
        bound /= 10;
    if (value.mantissa >= bound || value.mantissa <= -bound)
        return std::nullopt;
    const std::int64_t mantissa = static_cast<std::int64_t>(value.mantissa);
    char raw[24];
    const int count = int(std::to_chars(raw, raw + sizeof raw, mantissa < 0 ? -mantissa : mantissa).ptr - raw);
    const int whole = std::max(0, count - value.scale);   // digits before the point
    FixedDigits digits;
    char* out = digits.text;
    if (mantissa < 0)
        *out++ = '-';
    out = whole ? std::copy(raw, raw + whole, out) : (*out = '0', out + 1);
    digits.point = int(out - digits.text);
    if (value.scale > 0) {
        *out++ = '.';
        out = std::fill_n(out, value.scale - (count - whole), '0');
        out = std::copy(raw + whole, raw + count, out);
    }
    digits.length = int(out - digits.text);
    return digits;
}

// How the locale writes numbers, when it writes them as this file does: Western digits, a sign before them,
// thousands in threes from the first. Asked once per locale, as a grid writes thousands of numbers in one.
struct PlainFixed {
    QString minus, group, point;
};

const PlainFixed* plainFixedOf(const QLocale& locale)
{
    thread_local QLocale asked = QLocale::c();
    thread_local std::optional<PlainFixed> plain;
    thread_local bool known = false;
    if (!known || asked != locale) {
        asked = locale;
        known = true;
        const PlainFixed p{locale.negativeSign(), locale.groupSeparator(), locale.decimalPoint()};
        const bool asHere = locale.toString(-1234567.5, 'f', 1)
                                == p.minus + QStringLiteral("1") + p.group + QStringLiteral("234") + p.group
                                       + QStringLiteral("567") + p.point + QStringLiteral("5")
                            && locale.toString(1234.0, 'f', 0) == QStringLiteral("1") + p.group + QStringLiteral("234")
                            && !(locale.numberOptions() & QLocale::OmitGroupSeparator);
        plain = asHere ? std::optional<PlainFixed>(p) : std::nullopt;
    }
    return plain ? &*plain : nullptr;
}

// The fixed notation written here rather than by the locale, which costs a grid's quick filter most of
// its first reading of the lines; only where it comes out as the locale's own.
template <typename Number>
std::optional<QString> fixedText(const Number& value, int decimals, bool grouped, const QLocale& locale)
{
    const PlainFixed* plain = plainFixedOf(locale);
    if (!plain || plain->group.size() != 1 || plain->point.size() != 1 || plain->minus.size() != 1)
        return std::nullopt;
    const std::optional<FixedDigits> digits = exactFixedDigits(value, decimals);
    if (!digits)
        return std::nullopt;
    QChar text[80];
    int length = 0;
    const int first = digits->text[0] == '-' ? 1 : 0;
    if (first)
        text[length++] = plain->minus[0];
    for (int i = first; i < digits->point; ++i) {
        if (grouped && i > first && (digits->point - i) % 3 == 0)
            text[length++] = plain->group[0];
        text[length++] = QLatin1Char(digits->text[i]);
    }
    if (decimals > 0) {
        text[length++] = plain->point[0];
        for (int i = digits->point + 1; i < digits->length; ++i)
            text[length++] = QLatin1Char(digits->text[i]);
        for (int shown = digits->length - std::min(digits->length, digits->point + 1); shown < decimals; ++shown)
            text[length++] = QLatin1Char('0');
    }
    return QString(text, length);
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

QString formatNumber(const db::Decimal& value, int decimals, bool grouped, const QLocale& locale)
{
    if (std::optional<QString> text = fixedText(value, decimals, grouped, locale))
        return *text;
    return formatNumber(value.toDouble(), decimals, grouped, locale);
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
