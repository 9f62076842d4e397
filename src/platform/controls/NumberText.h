#pragma once
// Numbers as the accountants type and read them: a comma before the decimals, points between thousands.
// A display format is a pattern such as "###,###,###,##0.00": a comma in it asks for thousands
// separators, the zeros after its point give the decimals (a bare point: none).

#include "db/Value.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace controls {

// "1.234,5", "1234,5" and "1234.5" all read 1234.5; "" and text that is no number read nothing.
std::optional<double> parseTypedNumber(const QString& text);

// The separators of the accountants' own language: Italian, "1.234,50".
const QLocale& italianNumbers();

// The number in the pattern's form with the locale's separators: 1234.5 in "###,##0.00" reads "1.234,50"
// in Italian, "1,234.50" in English.
QString formatNumber(double value, const QString& pattern, const QLocale& locale = italianNumbers());
// The same with the pattern read already: its decimals and whether it groups the thousands.
QString formatNumber(double value, int decimals, bool grouped, const QLocale& locale);
// A stored decimal, written from its own digits where they are the double's: the same text, sooner.
QString formatNumber(const db::Decimal& value, int decimals, bool grouped, const QLocale& locale);

// The number as it is typed: no thousands separators, a comma only when it has decimals.
QString typingText(double value);

// The number as the program passes it on: a point before the decimals, no separators and no exponent
// ("1234.5", "0.00001", "10000000000000000").
QString plainNumber(double value);

} // namespace controls
