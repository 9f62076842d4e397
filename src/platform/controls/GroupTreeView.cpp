#include "controls/GroupTreeView.h"

#include <QKeyEvent>

namespace controls {

GroupTreeView::GroupTreeView(QWidget* parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeView::clicked, this, &GroupTreeView::NodeClick);
}

void GroupTreeView::setNodeRoles(int keyRole, int tagRole)
{
    keyRole_ = keyRole;
    tagRole_ = tagRole;
}

QModelIndex GroupTreeView::node(const QString& key) const
{
    if (model() == nullptr || model()->rowCount() == 0)
        return {};
    const QModelIndexList found = model()->match(model()->index(0, 0), keyRole_, key, 1,
                                                 Qt::MatchExactly | Qt::MatchRecursive | Qt::MatchCaseSensitive);
    return found.isEmpty() ? QModelIndex() : found.first();
}

QString GroupTreeView::key(const QModelIndex& node) const
{
    return node.data(keyRole_).toString();
}

QString GroupTreeView::text(const QModelIndex& node) const
{
    return node.data(Qt::DisplayRole).toString();
}

QString GroupTreeView::tag(const QModelIndex& node) const
{
    return node.data(tagRole_).toString();
}

QModelIndex GroupTreeView::topLevelAncestor(const QModelIndex& node) const
{
    QModelIndex top = node;
    while (top.parent().isValid())
        top = top.parent();
    return top;
}

QModelIndex GroupTreeView::selectedNode() const
{
    if (selectionModel() == nullptr)
        return {};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.first();
}

void GroupTreeView::selectNode(const QModelIndex& node)
{
    selectionModel()->setCurrentIndex(node, QItemSelectionModel::ClearAndSelect);
}

// A move with the keyboard shows the group it lands on, as a click does.
void GroupTreeView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex() != before)
        emit NodeClick(currentIndex());
}

} // namespace controls
