#include "controls/ItalianDate.h"

#include <QRegularExpression>
#include <QStringList>

namespace controls {

namespace {

int fullYear(const QString& year, const QDate& today)
{
    if (year.isEmpty())
        return today.year();
    const int value = year.toInt();
    if (year.size() > 2)
        return value;
    return value < 50 ? 2000 + value : 1900 + value;
}

// Digits alone are cut as dd, ddmm, ddmmyy or ddmmyyyy.
std::optional<QStringList> splitDigits(const QString& digits)
{
    switch (digits.size()) {
    case 1:
    case 2: return QStringList{digits};
    case 4: return QStringList{digits.left(2), digits.mid(2, 2)};
    case 6:
    case 8: return QStringList{digits.left(2), digits.mid(2, 2), digits.mid(4)};
    default: return std::nullopt;
    }
}

std::optional<QStringList> parts(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[/\\-. ]"));
    static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]+$"));
    if (digitsOnly.match(text).hasMatch())
        return splitDigits(text);
    const QStringList pieces = text.split(separators);
    if (pieces.size() > 3)
        return std::nullopt;
    for (const QString& piece : pieces)
        if (piece.isEmpty() || piece.size() > 4 || !digitsOnly.match(piece).hasMatch())
            return std::nullopt;
    return pieces;
}

} // namespace

std::optional<QDate> parseItalianDate(const QString& text, const QDate& today)
{
    std::optional<QStringList> p = parts(text.trimmed());
    if (!p || p->isEmpty() || (*p)[0].size() > 2 || (p->size() > 1 && (*p)[1].size() > 2))
        return std::nullopt;
    const int day = (*p)[0].toInt();
    const int month = p->size() > 1 ? (*p)[1].toInt() : today.month();
    const QString year = p->size() > 2 ? (*p)[2] : QString();
    if (year.size() == 3)
        return std::nullopt;
    QDate date(fullYear(year, today), month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString italianDateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace controls
