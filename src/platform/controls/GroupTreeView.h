#pragma once
// The tree of a window's groups over any item model: each node has a key, a text and a tag (the model's
// roles, chosen by the window), a parent and an expanded state; one node is selected. A user's click, or a
// move with the keyboard, raises NodeClick; selecting a node from code raises nothing.
//
// Expanding or collapsing the whole tree is one operation of the view, so tens of thousands of nodes open
// with a single relayout rather than one per node.

#include <QTreeView>

namespace controls {

class GroupTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit GroupTreeView(QWidget* parent = nullptr);

    // The model roles that hold a node's key and tag (the text is the display role).
    void setNodeRoles(int keyRole, int tagRole);

    // The node with the key, searched through the whole tree; invalid when none has it.
    QModelIndex node(const QString& key) const;
    QString key(const QModelIndex& node) const;
    QString text(const QModelIndex& node) const;
    QString tag(const QModelIndex& node) const;
    QModelIndex parentNode(const QModelIndex& node) const { return node.parent(); }
    // Follows the parents up to the node at the top level.
    QModelIndex topLevelAncestor(const QModelIndex& node) const;

    QModelIndex selectedNode() const;
    void selectNode(const QModelIndex& node);
    void ensureNodeVisible(const QModelIndex& node) { scrollTo(node); }

    void expandAllNodes() { expandAll(); }
    void collapseAllNodes() { collapseAll(); }

signals:
    void NodeClick(const QModelIndex& node);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int keyRole_ = Qt::UserRole;
    int tagRole_ = Qt::UserRole + 1;
};

} // namespace controls
