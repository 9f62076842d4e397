#pragma once
// The column whose text a group node shows after its value ("C.d.C.: \"01.02\" - Amministrazione"): the
// description that the extraction joins beside each code column.

#include <string>
#include <string_view>

namespace quorvane {

// The description column of a grouping column; empty for dates, periods, document numbers, attributes
// and every other column without one.
std::string descriptionColumnOf(std::string_view column);

} // namespace quorvane
