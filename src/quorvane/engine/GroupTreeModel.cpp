#include "engine/GroupTreeModel.h"

namespace quorvane {
namespace {

// Ends the model reset however the build leaves.
class ResetScope {
public:
    explicit ResetScope(std::function<void()> end) : end_(std::move(end)) {}
    ~ResetScope() { end_(); }
    ResetScope(const ResetScope&) = delete;
    ResetScope& operator=(const ResetScope&) = delete;

private:
    std::function<void()> end_;
};

} // namespace

GroupTreeModel::GroupTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void GroupTreeModel::rebuild(const std::function<void(GroupTree&)>& build)
{
    beginResetModel();
    ResetScope scope([this] { endResetModel(); });
    build(tree_);
}

const GroupNode* GroupTreeModel::nodeAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<const GroupNode*>(index.internalPointer()) : nullptr;
}

const std::vector<GroupNode*>& GroupTreeModel::childrenOf(const QModelIndex& parent) const
{
    const GroupNode* node = nodeAt(parent);
    return node ? node->children : tree_.topLevel();
}

QModelIndex GroupTreeModel::indexOf(const GroupNode& node) const
{
    return createIndex(node.row, 0, const_cast<GroupNode*>(&node));
}

QModelIndex GroupTreeModel::indexOfKey(const QString& key) const
{
    const GroupNode* node = tree_.find(key.toStdString());
    return node ? indexOf(*node) : QModelIndex();
}

QModelIndex GroupTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const std::vector<GroupNode*>& children = childrenOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(children.size()))
        return {};
    return indexOf(*children[static_cast<std::size_t>(row)]);
}

QModelIndex GroupTreeModel::parent(const QModelIndex& child) const
{
    const GroupNode* node = nodeAt(child);
    return node && node->parent ? indexOf(*node->parent) : QModelIndex();
}

int GroupTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(childrenOf(parent).size());
}

int GroupTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant GroupTreeModel::data(const QModelIndex& index, int role) const
{
    const GroupNode* node = nodeAt(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(node->text);
    case TagRole: return QString::fromStdString(node->tag);
    case KeyRole: return QString::fromStdString(node->key);
    case LevelRole: return node->level;
    default: return {};
    }
}

Qt::ItemFlags GroupTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant GroupTreeModel::headerData(int, Qt::Orientation, int) const
{
    return {};   // the tree shows no header
}

} // namespace quorvane
