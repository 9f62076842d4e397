#pragma once
// The chart of a group's children: bars of their balances, the comparison's bars beside them, or two lines
// when the children are periods of a date, so that a month follows the month before.

#include "engine/GroupChartData.h"

#include <QImage>
#include <QString>

#include <memory>

class QChart;

namespace quorvane::chart {

struct ChartCaptions {
    QString balance;         // the series of the selection's balances
    QString comparison;      // and of the comparison's
};

std::unique_ptr<QChart> makeGroupChart(const GroupChartData& data, const ChartCaptions& captions);

// The chart drawn on a white picture of the size.
QImage drawChart(QChart& chart, const QSize& size);

} // namespace quorvane::chart
