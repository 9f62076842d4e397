#pragma once
// Values written into statements: dates as the eight-digit 'YYYYMMDD' text the server reads the same way
// whatever its language settings, numbers as plain decimals with a point and no grouping or exponent.
// Both are the conversions the host's global utility object makes, taken from the value types directly
// so that the engine needs nothing of the host's windowing side.

#include "db/Value.h"

#include <QDate>

#include <string>

namespace quorvane {

std::string sqlDate(const QDate& date);           // "20240229", without the quotes
std::string sqlNumber(const db::Decimal& number);  // "-900.00"

} // namespace quorvane
