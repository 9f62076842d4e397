#pragma once
// The number a numeric field of the selection panel holds, kept as typed text in the selection record.

#include <optional>
#include <string>

namespace quorvane {

// None for an empty field; throws std::invalid_argument naming the field when the text is not a plain
// number (digits, an optional sign and a decimal point).
std::optional<double> fieldNumber(const std::string& text, const char* field);

} // namespace quorvane
