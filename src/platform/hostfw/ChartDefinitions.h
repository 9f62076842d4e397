#pragma once
// How the account codes of each chart are cut into level segments (the chart configuration of the
// company database), and the account code written with the segments' separator.

#include "db/Connection.h"

#include <QString>

#include <map>
#include <vector>

namespace hostfw {

class ChartDefinitions {
public:
    inline static const QChar separator = QLatin1Char('.');

    ChartDefinitions() = default;
    explicit ChartDefinitions(std::map<int, std::vector<int>> segmentSizes) : sizes_(std::move(segmentSizes)) {}

    // Every chart's segment sizes, level by level.
    static ChartDefinitions read(db::Connection& connection);

    const std::vector<int>& segmentSizes(int chart) const;

    // "0102003" in a chart of 2, 2 and 3 digits reads "01.02.003"; a code shorter than the chart's
    // depth shows the segments it has, a longer one keeps its tail in the last segment. Trailing
    // blanks go; a code that already holds a separator, or a chart without segments, is left as it is.
    QString format(const QString& code, int chart) const;

private:
    std::map<int, std::vector<int>> sizes_;
};

} // namespace hostfw
