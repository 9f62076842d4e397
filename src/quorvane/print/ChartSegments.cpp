#include "print/ChartSegments.h"

#include <algorithm>

namespace quorvane::print {

ChartSegments ChartSegments::fromSizes(const std::vector<std::int16_t>& rowSizes)
{
    ChartSegments segments;
    const std::size_t count = std::min<std::size_t>(rowSizes.size(), segments.sizes.size());
    for (std::size_t k = 0; k < count; ++k) {
        segments.sizes[k] = rowSizes[k];
        segments.starts[k] = k == 0 ? 1 : segments.starts[k - 1] + segments.sizes[k - 1];
    }
    return segments;
}

std::string chartSegmentsStatement(int chart)
{
    return " SELECT\r\n   PC02_PROG\r\n   , PC02_INDNATURA\r\n   , PC02_DIMENSIONE\r\n FROM\r\n   PC02_CONFIGPDC\r\n"
           " WHERE\r\n   PC02_CODICE_PC01 = "
         + std::to_string(chart) + "\r\n ORDER BY\r\n   PC02_PROG";
}

ChartSegments readChartSegments(db::Connection& connection, int chart)
{
    db::Recordset rows = connection.Open(chartSegmentsStatement(chart));
    std::vector<std::int16_t> sizes;
    for (; !rows.EOF_(); rows.MoveNext())
        sizes.push_back(static_cast<std::int16_t>(rows.value("PC02_DIMENSIONE").toDouble()));
    return ChartSegments::fromSizes(sizes);
}

} // namespace quorvane::print
