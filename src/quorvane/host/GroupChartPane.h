#pragma once
// The results panel's "Grafico": beside the tree, the chart of the group the user clicks (of the top-level
// groups before any click), drawn from the figures the tree's columns show, comparison included. Hidden until
// the user asks for it, and drawn only while it shows, so a processing costs nothing more without it.

#include "engine/GroupTotalsTreeModel.h"
#include "engine/GroupedLedger.h"

#include <QModelIndex>

class QCheckBox;

namespace controls {
class GroupTreeView;
}

namespace hostfw {
class Translator;
}

namespace quorvane::chart {
class GroupChartView;
}

namespace quorvane::host {

class GroupChartPane {
public:
    GroupChartPane(const GroupedLedger& ledger, const GroupTotalsTreeModel& figures)
        : ledger_(ledger), figures_(figures) {}

    void setUp(controls::GroupTreeView& tree, QCheckBox& shown, chart::GroupChartView& view,
               const hostfw::Translator& translator);

    // Draws the chart of the node's children (of the top-level groups for an invalid node) when it shows.
    void draw(const QModelIndex& node);

private:
    const GroupedLedger& ledger_;
    const GroupTotalsTreeModel& figures_;
    chart::GroupChartView* view_ = nullptr;
};

} // namespace quorvane::host
