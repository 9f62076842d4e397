#include "chart/GroupChartView.h"

#include <QChart>

namespace quorvane::chart {

GroupChartView::GroupChartView(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
}

void GroupChartView::showChart(const GroupChartData& data)
{
    // The view takes the new chart and hands back the old one, which is no one else's.
    QChart* shown = chart();
    setChart(makeGroupChart(data, captions_).release());
    delete shown;
}

} // namespace quorvane::chart
