#include "controls/DataGridModel.h"

#include "controls/DataGridCellText.h"

#include <limits>

namespace controls {

DataGridModel::DataGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataGridModel::setColumns(std::vector<DataGridColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    resolveFormatted();
    resolveFields();
    endResetModel();
}

int DataGridModel::columnOf(const QString& key) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void DataGridModel::updateColumn(int column, const std::function<void(DataGridColumn&)>& change)
{
    change(columns_.at(static_cast<std::size_t>(column)));
    shownTexts_.clear();
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void DataGridModel::setRecordset(const db::Recordset* rows)
{
    beginResetModel();
    rows_ = rows;
    resolveFields();
    endResetModel();
    emit rowsShown();
}

void DataGridModel::refresh()
{
    beginResetModel();
    resolveFields();
    endResetModel();
    emit rowsShown();
}

void DataGridModel::setCellFormatter(CellFormatter formatter, QStringList keys)
{
    formatter_ = std::move(formatter);
    formattedKeys_ = std::move(keys);
    resolveFormatted();
    shownTexts_.clear();
}

// Which columns the formatter sees is decided when the columns or the formatter change, not per cell.
void DataGridModel::resolveFormatted()
{
    formatted_.clear();
    for (const DataGridColumn& column : columns_)
        formatted_.push_back(formattedKeys_.isEmpty() || formattedKeys_.contains(column.key, Qt::CaseInsensitive));
}

// Field positions are looked up once per binding, not per cell; the row count once per refresh.
void DataGridModel::resolveFields()
{
    fields_.clear();
    shownTexts_.clear();
    const bool bound = rows_ != nullptr && rows_->isOpen();
    for (const DataGridColumn& column : columns_)
        fields_.push_back(bound ? rows_->fieldIndex(column.key.toStdString()) : -1);
    // A view addresses rows with an int: a larger set shows its first rows only.
    rowCount_ = bound ? std::min<long>(rows_->RecordCount(), std::numeric_limits<int>::max()) : 0;
    balance_.debitField = bound ? rows_->fieldIndex(balance_.debitKey.toStdString()) : -1;
    balance_.creditField = bound ? rows_->fieldIndex(balance_.creditKey.toStdString()) : -1;
    layRowView();
}

QString DataGridModel::cellText(int row, int column) const
{
    if (column == runningBalanceColumn())
        return runningBalanceText(row);
    return viewCellText(setRow(row), column);
}

QString DataGridModel::viewCellText(long viewRow, int column) const
{
    const DataGridColumn& definition = columns_.at(static_cast<std::size_t>(column));
    const int field = fields_.at(static_cast<std::size_t>(column));
    QString text = field < 0 ? QString() : controls::cellText(rows_->valueAt(viewRow, field), definition, numberLocale_);
    if (formats(column))
        formatter_(definition.key, text, DataGridRow(*rows_, viewRow));
    return text;
}

Qt::Alignment DataGridModel::alignmentOf(const DataGridColumn& column) const
{
    const ColumnAlignment alignment = column.alignment.value_or(
        column.kind == ColumnKind::Number ? ColumnAlignment::Right : ColumnAlignment::Left);
    switch (alignment) {
    case ColumnAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlignment::Centre: return Qt::AlignCenter;
    case ColumnAlignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

int DataGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shownTotals_.rows);
}

int DataGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size()) + (runningBalanceColumn() < 0 ? 0 : 1);
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == runningBalanceColumn())
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignmentOf(columns_[static_cast<std::size_t>(index.column())]));
    return {};
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    if (section == runningBalanceColumn())
        return balance_.caption;
    return columns_[static_cast<std::size_t>(section)].caption;
}

} // namespace controls
