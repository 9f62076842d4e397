#pragma once
// The segments of a chart of accounts as the formatted-account formulas cut a code: up to five sizes, read
// from the chart's configuration rows in their order, and where each segment starts (1 for the first; the
// start of the one before plus its size for the others; 0 for a segment the chart does not have).

#include "db/Connection.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvane::print {

struct ChartSegments {
    std::array<std::int16_t, 5> sizes{};
    std::array<int, 5> starts{};

    // The first five sizes of the rows; a chart with more rows is cut to five.
    static ChartSegments fromSizes(const std::vector<std::int16_t>& rowSizes);
};

// The configuration rows' statement of a chart, pieces joined by CR LF.
std::string chartSegmentsStatement(int chart);

// Reads the chart's configuration on the connection; throws db::Error from the database.
ChartSegments readChartSegments(db::Connection& connection, int chart);

} // namespace quorvane::print
