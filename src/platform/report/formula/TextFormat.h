#pragma once
// How values become text, in the Italian way the printed ledger uses: thousands ".", decimals ",",
// dates dd/mm/yyyy. ToText, the "&" operator and the report's number and date objects all write
// through here.

#include "report/formula/Value.h"

#include <string>
#include <string_view>

namespace report::formula {

// `decimals` digits after the separator (rounded half away from zero); `thousands` between groups of
// three digits of the integer part (empty for none).
std::string formatNumber(const Number& number, int decimals, std::string_view thousands = ".",
                         std::string_view decimalPoint = ",");

std::string formatDate(Date date);   // dd/mm/yyyy

// The text a value turns into where text is wanted: numbers with two decimals, dates as above, Booleans
// "True" or "False", null as the empty text.
std::string displayText(const Value& value);

// Whether the application speaks English, the user's language the host installed as its translators: the
// report's number objects and month names are then English, and Italian otherwise.
bool englishApplication();

// Characters, not bytes: the UTF-8 helpers behind Mid, Left, Right and Length.
std::size_t characterCount(std::string_view utf8);
std::string characterSlice(std::string_view utf8, std::size_t first, std::size_t count);   // 0-based

} // namespace report::formula
