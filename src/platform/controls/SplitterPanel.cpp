#include "controls/SplitterPanel.h"

#include "controls/DataGridColumn.h"

#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>

namespace controls {

SplitterPanel::SplitterPanel(QWidget* parent) : QSplitter(Qt::Vertical, parent)
{
    setChildrenCollapsible(true);
    connect(this, &QSplitter::splitterMoved, this, &SplitterPanel::takeDraggedSplit);
}

void SplitterPanel::setPanes(QWidget* upper, QWidget* lower)
{
    insertWidget(0, upper);
    insertWidget(1, lower);
    applySplit();
}

void SplitterPanel::setPosition(int twips)
{
    position_ = std::max(0, twips);
    applySplit();
}

void SplitterPanel::setPercentage(int percentage)
{
    percentage_ = std::clamp(percentage, 0, 100);
    applySplit();
}

bool SplitterPanel::lowerPaneOpen() const
{
    const QList<int> heights = sizes();
    return heights.size() == 2 && heights[1] > 0;
}

void SplitterPanel::resizeEvent(QResizeEvent* event)
{
    QSplitter::resizeEvent(event);
    applySplit();
}

// The upper pane takes its percentage of the height; an open lower pane keeps at least the position.
void SplitterPanel::applySplit()
{
    if (count() != 2)
        return;
    const int total = std::max(0, height() - handleWidth());
    int lower = total - static_cast<int>(std::lround(total * percentage_ / 100.0));
    if (percentage_ < 100)
        lower = std::min(total, std::max(lower, twipsToPixels(position_, logicalDpiY())));
    setSizes({total - lower, lower});
}

void SplitterPanel::takeDraggedSplit()
{
    const QList<int> heights = sizes();
    const int total = heights.value(0) + heights.value(1);
    if (total > 0)
        percentage_ = static_cast<int>(std::lround(heights.value(0) * 100.0 / total));
}

} // namespace controls
