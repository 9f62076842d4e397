#pragma once
// The tables and views that give a movement line its descriptions and that both the extraction and the
// printed ledger's statement join: job orders, projects, staff, the line's site, the warehouse, the
// general-ledger line and the unit price list. Each is kept once, by the alias it goes by, with its
// conditions on the line; each statement lays the join out in its own way and in its own order.

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct LineJoin {
    std::string source;                    // "PD25_COMMESSA AS COMMESSA", or the table alone when it names itself
    std::vector<std::string> conditions;   // joined by AND; line columns on CI13_MOVCORPO
};

// The join known by `alias`; throws std::out_of_range for an alias no statement shares.
const LineJoin& lineJoin(std::string_view alias);

} // namespace quorvane
