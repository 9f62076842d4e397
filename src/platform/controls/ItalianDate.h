#pragma once
// Short dates as Italian accountants type them. Day first, then month, then year; the separators may be
// "/", "-", "." or a blank, or left out: "150324" is 15/03/2024, "15032024" the same, "1503" and "15/3"
// the 15th of March of the current year, "15" the 15th of the current month. Two-digit years fall in
// 2000-2049 below 50 and in 1950-1999 from 50.

#include <QDate>
#include <QString>

#include <optional>

namespace controls {

// The date the text stands for, reading missing parts from today; nothing when it is no date.
std::optional<QDate> parseItalianDate(const QString& text, const QDate& today);

// dd/MM/yyyy
QString italianDateText(const QDate& date);

} // namespace controls
