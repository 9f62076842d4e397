#pragma once
// The captions the group tree shows for a date period: the week, fortnight, month, quarter, four months,
// half-year or year a date falls in ("sett. 10/2024", "1 quind. mar 2024", "mar 2024", "gen-mar 2024",
// "gen-apr 2024", "gen-giu 2024", "anno 2024"). Month abbreviations are the user's language's ("Mar 2024"
// for an English user); the names of quarters, four-month periods and half-years are the house's fixed
// Italian ones. They read any value: a date, or a text holding one; anything else (NULL, empty, a number,
// a text that is no date) gives empty text.

#include "db/Value.h"
#include "hostfw/Language.h"

#include <optional>
#include <string>

namespace quorvane {

// The value as a calendar date, when it is one (a date-time, or a text in a form the host writes dates).
std::optional<db::DateTime> dateOf(const db::Value& value);

// Weeks start on Sunday and week 1 is the week holding 1 January, as the server's week numbers count them.
int sundayWeekOfYear(const db::DateTime& date);

std::string DateToSettimana(const db::Value& value, hostfw::Language language = hostfw::Language::Italian);
std::string DateToQuindicina(const db::Value& value, hostfw::Language language = hostfw::Language::Italian);
std::string DateToMese(const db::Value& value, hostfw::Language language = hostfw::Language::Italian);
std::string DateToTrimestre(const db::Value& value, hostfw::Language language = hostfw::Language::Italian);
std::string DateToQuadrimestre(const db::Value& value, hostfw::Language language = hostfw::Language::Italian);
std::string DateToSemestre(const db::Value& value, hostfw::Language language = hostfw::Language::Italian);
std::string DateToAnno(const db::Value& value, hostfw::Language language = hostfw::Language::Italian);

} // namespace quorvane
