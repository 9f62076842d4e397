#include "chart/GroupChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace quorvane::chart {
namespace {

QStringList labelsOf(const GroupChartData& data)
{
    QStringList labels;
    for (const ChartPoint& point : data.points)
        labels << QString::fromStdString(point.label);
    return labels;
}

// The comparison's value of a point; a group the comparison lacks counts as zero.
double comparisonOf(const ChartPoint& point)
{
    return point.comparison ? point.comparison->toDouble() : 0.0;
}

void addBars(QChart& chart, const GroupChartData& data, const ChartCaptions& captions)
{
    auto* bars = new QBarSeries(&chart);
    auto* balances = new QBarSet(captions.balance);
    for (const ChartPoint& point : data.points)
        *balances << point.balance.toDouble();
    bars->append(balances);
    if (data.comparison) {
        auto* compared = new QBarSet(captions.comparison);
        for (const ChartPoint& point : data.points)
            *compared << comparisonOf(point);
        bars->append(compared);
    }
    chart.addSeries(bars);
}

void addLines(QChart& chart, const GroupChartData& data, const ChartCaptions& captions)
{
    auto* balances = new QLineSeries(&chart);
    balances->setName(captions.balance);
    auto* compared = new QLineSeries(&chart);
    compared->setName(captions.comparison);
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        balances->append(double(i), data.points[i].balance.toDouble());
        compared->append(double(i), comparisonOf(data.points[i]));
    }
    chart.addSeries(balances);
    if (data.comparison)
        chart.addSeries(compared);
    else
        delete compared;
}

// Every series within the axis, zero included, at round numbers.
void fitAmounts(QValueAxis& amounts, const GroupChartData& data)
{
    double low = 0, high = 0;
    for (const ChartPoint& point : data.points)
        for (double value : {point.balance.toDouble(), comparisonOf(point)}) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    // A group without figures (no children, every balance zero) still gets an axis to draw.
    if (low == high) {
        amounts.setRange(-1, 1);
        return;
    }
    amounts.setRange(low, high);
    amounts.applyNiceNumbers();
}

} // namespace

std::unique_ptr<QChart> makeGroupChart(const GroupChartData& data, const ChartCaptions& captions)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(QString::fromStdString(data.title));
    if (data.timeSeries)
        addLines(*chart, data, captions);
    else
        addBars(*chart, data, captions);
    auto* categories = new QBarCategoryAxis(chart.get());
    categories->append(labelsOf(data));
    auto* amounts = new QValueAxis(chart.get());
    amounts->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(amounts, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(categories);
        series->attachAxis(amounts);
    }
    fitAmounts(*amounts, data);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QImage drawChart(QChart& chart, const QSize& size)
{
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.setGeometry(0, 0, size.width(), size.height());
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    painter.end();
    scene.removeItem(&chart);
    return picture;
}

} // namespace quorvane::chart
