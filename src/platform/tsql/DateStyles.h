// Dates written as text in the forms CONVERT's styles name, and the default form CAST to a character
// type writes: 0 (or 100) "mon dd yyyy hh:miAM", 23 yyyy-mm-dd, 101 mm/dd/yyyy, 103 dd/mm/yyyy,
// 104 dd.mm.yyyy, 105 dd-mm-yyyy, 111 yyyy/mm/dd, 112 yyyymmdd, 120 yyyy-mm-dd hh:mi:ss,
// 121 yyyy-mm-dd hh:mi:ss.mmm, 126 yyyy-mm-ddThh:mi:ss.mmm. Month names are SQL Server's default English.
#pragma once

#include "tsql/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace tsql {

// The form CAST of a DATETIME2 to text writes: yyyy-mm-dd hh:mi:ss.0000000.
constexpr int datetime2Style = -1;

bool isDateStyle(int style);
std::string formatDateStyle(const DateTime& value, int style);
// A text in a style's form (dd/mm/yyyy for 103, with an optional time); the ISO forms for the styles
// that write them. Nothing when the text is not in that form or is no date.
std::optional<DateTime> parseDateStyle(std::string_view text, int style);

// Whether a text that is no 'YYYYMMDD' or 'YYYY-MM-DD' date still looks like a date written another way
// ("15/01/2024", "2024.01.15", "Jan 15 2024"), which deserves its own message.
bool looksLikeOtherDateForm(std::string_view text);

}  // namespace tsql
