#pragma once
// The group tree as an item model, so that TRE_GRUPPI (or any view) shows it: one column, the node's caption
// as display text, its Tag and key under their own roles. The model holds no widget; the tree is built
// into it without a view, between the reset signals.

#include "engine/GroupTree.h"

#include <QAbstractItemModel>

#include <functional>

namespace quorvane {

class GroupTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Role { TagRole = Qt::UserRole, KeyRole, LevelRole };

    explicit GroupTreeModel(QObject* parent = nullptr);

    // Rebuilds the tree inside one model reset. Views are told of the reset even when the build throws;
    // the nodes added before the failure stay.
    void rebuild(const std::function<void(GroupTree&)>& build);

    const GroupTree& tree() const { return tree_; }
    QModelIndex indexOfKey(const QString& key) const;   // invalid when no node has the key
    const GroupNode* nodeAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::vector<GroupNode*>& childrenOf(const QModelIndex& parent) const;
    QModelIndex indexOf(const GroupNode& node) const;

    GroupTree tree_;
};

} // namespace quorvane
