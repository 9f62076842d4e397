#include "display/GroupNavigation.h"

#include "engine/NodeFilter.h"

namespace quorvane::display {

void showGroup(const QString& tag, db::Recordset& movements, controls::DataGrid* grid)
{
    movements.Filter(movementFilterOf(tag.toStdString()));
    if (grid != nullptr)
        grid->refresh();
}

namespace {

void reselect(controls::GroupTreeView& tree, const QModelIndex& node, const NodeClick& nodeClick)
{
    tree.selectNode(node);
    nodeClick(node);
    tree.ensureNodeVisible(node);
}

} // namespace

void expandAllGroups(controls::GroupTreeView& tree, const NodeClick& nodeClick)
{
    const QPersistentModelIndex selected = tree.selectedNode();
    tree.expandAllNodes();
    if (selected.isValid())
        reselect(tree, selected, nodeClick);
}

void closeAllGroups(controls::GroupTreeView& tree, const NodeClick& nodeClick)
{
    const QPersistentModelIndex selected = tree.selectedNode();
    tree.collapseAllNodes();
    if (selected.isValid())
        reselect(tree, tree.topLevelAncestor(selected), nodeClick);
}

} // namespace quorvane::display
