// Exact decimal helpers over the SQLite numbers that store DECIMAL values.
#pragma once

#include <optional>
#include <string>

namespace tsql {

// ROUND as SQL Server does it on a decimal: half away from zero, on the decimal value the number stands
// for. `scale` is the value's own scale when known (2.675 at scale 3 rounds to 2.68 although the binary
// double is slightly below it), or -1 to take the value's 15 significant digits.
double roundDecimal(double value, int digits, int scale);

// The value in units of 10^-scale (2.675 at scale 3 is 2675), or nothing when it does not fit 64 bits.
std::optional<long long> toScaledInteger(double value, int scale);

// The decimal text of a value at a scale, as CAST(decimal AS NVARCHAR) writes it: "12.50".
std::string formatDecimal(double value, int scale);

}  // namespace tsql
