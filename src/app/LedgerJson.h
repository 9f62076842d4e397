#pragma once
// JSON written by hand where numbers must keep their scale: an amount of 140.00 is written 140.00, not 140.

#include "db/Value.h"

#include <ostream>
#include <string_view>

// A JSON string literal: quotes, backslashes and control characters (CR and LF among them) escaped.
void writeJsonString(std::ostream& out, std::string_view text);

// NULL as null, numbers as JSON numbers at their scale, bits as true/false, dates and texts as strings.
void writeJsonValue(std::ostream& out, const db::Value& value);
