#include "GroupChartPane.h"

#include "chart/GroupChartView.h"
#include "controls/GroupTreeView.h"
#include "engine/AnalysisTexts.h"
#include "engine/GroupChartData.h"
#include "hostfw/Translator.h"

#include <QCheckBox>

namespace quorvane::host {

void GroupChartPane::setUp(controls::GroupTreeView& tree, QCheckBox& shown, chart::GroupChartView& view,
                           const hostfw::Translator& translator)
{
    view_ = &view;
    view.setCaptions({translator.text(textBalanceColumn), translator.text(textComparisonColumn)});
    view.setVisible(shown.isChecked());
    QObject::connect(&shown, &QCheckBox::toggled, &view, [this, &tree](bool on) {
        view_->setVisible(on);
        draw(tree.selectedNode());
    });
    QObject::connect(&tree, &controls::GroupTreeView::NodeClick, &view, [this](const QModelIndex& node) { draw(node); });
    // A processing shows new figures: the chart starts again from the whole ledger.
    QObject::connect(&figures_, &QAbstractItemModel::modelReset, &view, [this] { draw({}); });
}

void GroupChartPane::draw(const QModelIndex& node)
{
    // Between a new tree and its figures there is nothing to draw.
    if (!view_ || view_->isHidden() || figures_.figures().size() != ledger_.tree().size())
        return;
    view_->showChart(
        groupChartData(ledger_.tree(), ledger_.configuration().levels, figures_.figures(), figures_.nodeAt(node)));
}

} // namespace quorvane::host
