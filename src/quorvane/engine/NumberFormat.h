#pragma once
// Numbers written with the window's display formats ("###,###,###,##0.00" for amounts, "###,###,###,##0."
// and the quantity decimals for quantities): digits grouped by three where the format has a group
// separator, as many decimals as the format has places after its point, and the separators of the user's
// language (Italian "1.234,56", English "1,234.56"). A format that ends with its point (a company that keeps
// quantities without decimals) shows the whole number alone: a separator with nothing after it reads as a
// number cut short.

#include "hostfw/Language.h"

#include <string>
#include <string_view>

namespace quorvane {

std::string formatNumber(double value, std::string_view format, hostfw::Language language);

// The window's amount format for a number of decimals: no point when there are none.
std::string amountFormat(int decimals);
// The quantity field's format: always a point, then one "0" per decimal.
std::string quantityFormat(int decimals);

} // namespace quorvane
