#pragma once
// The group tree with its figures beside each caption: costs and revenues (the company's words for its
// sides), the balance, the quantity when quantities are shown, the line count and, with a comparison, the
// comparison's balance, the variance and the variance in percent. A layer over the tree's own model: it
// follows that model's resets and keeps its roles, so the window finds nodes by key and tag as before.
//
// Sorting orders the children of every node by a column. By the group column, ascending is the tree's own
// order (the order of the groups' keys) and descending its reverse; by a figure, empty figures go last.
// Sorting happens inside the model: a proxy over tens of thousands of nodes would map every one of them.

#include "engine/GroupTreeModel.h"
#include "engine/NodeFigures.h"

#include <QAbstractItemModel>

#include <functional>
#include <unordered_map>
#include <vector>

namespace quorvane {

class GroupTotalsTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum class Column { Group, Debit, Credit, Balance, Quantity, Lines, Comparison, Variance, VariancePercent };

    struct Captions {
        QString group, debit, credit, balance, quantity, lines, comparison, variance, variancePercent;
    };
    // How the figures are written: amounts as the totals panel writes them (in the chosen currency),
    // quantities in the quantity field's format, percentages with two decimals; all in the user's language.
    struct Texts {
        std::function<QString(const db::Decimal&)> amount;
        std::function<QString(const db::Decimal&)> quantity;
        std::function<QString(const db::Decimal&)> percent;
    };

    explicit GroupTotalsTreeModel(GroupTreeModel& source, QObject* parent = nullptr);

    void setCaptions(Captions captions);
    // The figures of every node of the source's tree, in creation order. The comparison's columns show
    // when the figures carry a comparison, the quantity column when `quantities`.
    void setFigures(std::vector<NodeFigures> figures, Texts texts, bool quantities);

    Column columnAt(int section) const { return columns_[static_cast<std::size_t>(section)]; }
    int sectionOf(Column column) const;   // -1 when the column is not shown
    const NodeFigures* figuresAt(const QModelIndex& index) const;
    // Every node's figures in creation order; none before the figures of the tree shown are set.
    const std::vector<NodeFigures>& figures() const { return figures_; }
    const GroupNode* nodeAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void readTree();
    void orderChildren();
    std::size_t numberOf(const GroupNode* node) const { return node ? numbers_.at(node) + 1 : 0; }
    const std::vector<const GroupNode*>& childrenOf(const QModelIndex& parent) const;
    QModelIndex indexOf(const GroupNode* node, int column) const;
    QString text(const GroupNode& node, Column column) const;

    GroupTreeModel& source_;
    Captions captions_;
    Texts texts_;
    std::vector<Column> columns_{Column::Group};
    std::vector<NodeFigures> figures_;                          // by creation number
    std::unordered_map<const GroupNode*, std::size_t> numbers_; // a node's creation number
    std::vector<std::vector<const GroupNode*>> children_;       // by creation number + 1; 0 the top level
    std::vector<int> rows_;                                     // by creation number
    Column sortColumn_ = Column::Group;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace quorvane
