#pragma once
// How the printed ledger's formulas refer to a column the ordering grid offers: a field of the report's
// statement ({CI12_MOVTESTATA.CI12_DATAREG}) or one of the report's own formulas ({@numCodiceCliente}) for
// the columns only the working table has. Attribute columns arrive qualified by their table
// (CO5L_CI12.NAME) and are read there.

#include <string>
#include <string_view>

namespace quorvane::print {

// The reference of the window's fixed ordering field: header and line columns by their prefix, the others
// by the full table of the ledger's computed columns; the registration date for a field it does not know.
std::string fixedOrderingReference(std::string_view field);

// The reference of an ordering row's column: the computed columns the report sorts on, the header's
// columns, the line's site (which the working table names as the header's), the project's type, state and
// classes on the project, and every other column as a line column.
std::string orderingReference(std::string_view column);

// The reference a grouping level groups on: as for an ordering row, with a blank on each side of the braces,
// and the nature read on the expense item.
std::string groupReference(std::string_view column);

} // namespace quorvane::print
