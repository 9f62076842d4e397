#pragma once
// The window's "Grafico": the chart of one group on screen, replaced whole when another group is chosen.

#include "chart/GroupChart.h"

#include <QChartView>

namespace quorvane::chart {

class GroupChartView : public QChartView {
public:
    explicit GroupChartView(QWidget* parent = nullptr);

    void setCaptions(ChartCaptions captions) { captions_ = std::move(captions); }
    // Shows the chart of the data in place of the one shown.
    void showChart(const GroupChartData& data);

private:
    ChartCaptions captions_;
};

} // namespace quorvane::chart
