#pragma once
// A field of a CSV line as RFC 4180 writes it: quoted when it holds the separator, a double quote or a line
// end, with the double quotes inside doubled.

#include <string>
#include <string_view>

namespace quorvane::exporting {

std::string csvField(std::string_view text, char separator);

} // namespace quorvane::exporting
