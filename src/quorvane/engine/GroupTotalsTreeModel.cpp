#include "engine/GroupTotalsTreeModel.h"

#include "engine/Variance.h"

#include <algorithm>

namespace quorvane {
namespace {

using Column = GroupTotalsTreeModel::Column;

// A figure to sort by: none sorts after every value.
std::optional<db::Decimal> figure(const NodeFigures& figures, Column column)
{
    const SelectionTotals& sums = figures.totals.sums;
    switch (column) {
    case Column::Debit: return sums.debit;
    case Column::Credit: return sums.credit;
    case Column::Balance: return sums.balance;
    case Column::Quantity: return sums.quantity;
    case Column::Lines: return db::Decimal{figures.totals.rows, 0};
    case Column::Comparison: return figures.comparison;
    case Column::Variance:
        return figures.comparison ? std::optional(varianceOf(sums.balance, *figures.comparison).amount) : std::nullopt;
    case Column::VariancePercent:
        return figures.comparison ? varianceOf(sums.balance, *figures.comparison).percent : std::nullopt;
    case Column::Group: break;
    }
    return std::nullopt;
}

QVariant figureAlignment()
{
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
}

} // namespace

GroupTotalsTreeModel::GroupTotalsTreeModel(GroupTreeModel& source, QObject* parent)
    : QAbstractItemModel(parent), source_(source)
{
    // The source's nodes go at its reset: this layer lets go of them at the same moment.
    connect(&source_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        beginResetModel();
        figures_.clear();
        numbers_.clear();
        children_.assign(1, {});
        rows_.clear();
    });
    connect(&source_, &QAbstractItemModel::modelReset, this, [this] {
        readTree();
        endResetModel();
    });
    readTree();
}

void GroupTotalsTreeModel::setCaptions(Captions captions)
{
    captions_ = std::move(captions);
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GroupTotalsTreeModel::setFigures(std::vector<NodeFigures> figures, Texts texts, bool quantities)
{
    beginResetModel();
    figures_ = std::move(figures);
    texts_ = std::move(texts);
    const bool comparison = std::any_of(figures_.begin(), figures_.end(), [](const NodeFigures& f) { return f.comparison; });
    columns_ = {Column::Group, Column::Debit, Column::Credit, Column::Balance};
    if (quantities)
        columns_.push_back(Column::Quantity);
    columns_.push_back(Column::Lines);
    if (comparison)
        columns_.insert(columns_.end(), {Column::Comparison, Column::Variance, Column::VariancePercent});
    if (sectionOf(sortColumn_) < 0)
        sortColumn_ = Column::Group;
    readTree();
    endResetModel();
}

void GroupTotalsTreeModel::readTree()
{
    const GroupTree& tree = source_.tree();
    if (figures_.size() != tree.size())
        figures_.clear();
    numbers_.clear();
    numbers_.reserve(tree.size());
    children_.assign(tree.size() + 1, {});
    rows_.assign(tree.size(), 0);
    for (std::size_t i = 0; i < tree.size(); ++i)
        numbers_.emplace(&tree.node(i), i);
    for (std::size_t i = 0; i < tree.size(); ++i)
        children_[numberOf(tree.node(i).parent)].push_back(&tree.node(i));
    orderChildren();
}

// Every node's children in the sort's order, and each node's row among them.
void GroupTotalsTreeModel::orderChildren()
{
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    const auto creation = [this](const GroupNode* a, const GroupNode* b) { return numbers_.at(a) < numbers_.at(b); };
    const auto byFigure = [&](const GroupNode* a, const GroupNode* b) {
        const std::optional<db::Decimal> x = figure(figures_[numbers_.at(a)], sortColumn_);
        const std::optional<db::Decimal> y = figure(figures_[numbers_.at(b)], sortColumn_);
        if (!x || !y)
            return x.has_value() && !y;
        return descending ? y->compare(*x) < 0 : x->compare(*y) < 0;
    };
    for (std::vector<const GroupNode*>& children : children_) {
        if (sortColumn_ == Column::Group || figures_.empty()) {
            std::sort(children.begin(), children.end(), creation);
            if (descending && sortColumn_ == Column::Group)
                std::reverse(children.begin(), children.end());
        } else {
            std::stable_sort(children.begin(), children.end(), byFigure);
        }
        for (std::size_t row = 0; row < children.size(); ++row)
            rows_[numbers_.at(children[row])] = static_cast<int>(row);
    }
}

void GroupTotalsTreeModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::pair<const GroupNode*, int>> kept;
    for (const QModelIndex& index : before)
        kept.emplace_back(nodeAt(index), index.column());
    sortColumn_ = columnAt(column);
    sortOrder_ = order;
    orderChildren();
    QModelIndexList after;
    for (const auto& [node, section] : kept)
        after.push_back(indexOf(node, section));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int GroupTotalsTreeModel::sectionOf(Column column) const
{
    const auto found = std::find(columns_.begin(), columns_.end(), column);
    return found == columns_.end() ? -1 : static_cast<int>(found - columns_.begin());
}

const GroupNode* GroupTotalsTreeModel::nodeAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<const GroupNode*>(index.internalPointer()) : nullptr;
}

const NodeFigures* GroupTotalsTreeModel::figuresAt(const QModelIndex& index) const
{
    const GroupNode* node = nodeAt(index);
    return node && !figures_.empty() ? &figures_[numbers_.at(node)] : nullptr;
}

const std::vector<const GroupNode*>& GroupTotalsTreeModel::childrenOf(const QModelIndex& parent) const
{
    return children_[numberOf(nodeAt(parent))];
}

QModelIndex GroupTotalsTreeModel::indexOf(const GroupNode* node, int column) const
{
    return node ? createIndex(rows_[numbers_.at(node)], column, const_cast<GroupNode*>(node)) : QModelIndex();
}

QModelIndex GroupTotalsTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const std::vector<const GroupNode*>& children = childrenOf(parent);
    if (column < 0 || column >= columnCount() || row < 0 || row >= static_cast<int>(children.size()))
        return {};
    return indexOf(children[static_cast<std::size_t>(row)], column);
}

QModelIndex GroupTotalsTreeModel::parent(const QModelIndex& child) const
{
    const GroupNode* node = nodeAt(child);
    return node ? indexOf(node->parent, 0) : QModelIndex();
}

int GroupTotalsTreeModel::rowCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : static_cast<int>(childrenOf(parent).size());
}

int GroupTotalsTreeModel::columnCount(const QModelIndex&) const
{
    return static_cast<int>(columns_.size());
}

QString GroupTotalsTreeModel::text(const GroupNode& node, Column column) const
{
    if (column == Column::Group)
        return QString::fromStdString(node.text);
    if (figures_.empty())
        return {};
    const NodeFigures& figures = figures_[numbers_.at(&node)];
    const std::optional<db::Decimal> value = figure(figures, column);
    if (!value)
        return {};
    switch (column) {
    case Column::Quantity: return texts_.quantity(*value);
    case Column::Lines: return QString::number(figures.totals.rows);
    case Column::VariancePercent: return texts_.percent(*value);
    default: return texts_.amount(*value);
    }
}

QVariant GroupTotalsTreeModel::data(const QModelIndex& index, int role) const
{
    const GroupNode* node = nodeAt(index);
    if (!node)
        return {};
    const Column column = columnAt(index.column());
    switch (role) {
    case Qt::DisplayRole: return text(*node, column);
    case Qt::TextAlignmentRole: return column == Column::Group ? QVariant() : figureAlignment();
    case GroupTreeModel::TagRole: return QString::fromStdString(node->tag);
    case GroupTreeModel::KeyRole: return QString::fromStdString(node->key);
    case GroupTreeModel::LevelRole: return node->level;
    default: return {};
    }
}

Qt::ItemFlags GroupTotalsTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant GroupTotalsTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return section == 0 ? QVariant() : figureAlignment();
    if (role != Qt::DisplayRole)
        return {};
    switch (columnAt(section)) {
    case Column::Group: return captions_.group;
    case Column::Debit: return captions_.debit;
    case Column::Credit: return captions_.credit;
    case Column::Balance: return captions_.balance;
    case Column::Quantity: return captions_.quantity;
    case Column::Lines: return captions_.lines;
    case Column::Comparison: return captions_.comparison;
    case Column::Variance: return captions_.variance;
    case Column::VariancePercent: return captions_.variancePercent;
    }
    return {};
}

} // namespace quorvane
