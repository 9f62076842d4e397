#include "controls/DataGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace controls {

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), model_(new DataGridModel(this))
{
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // Every row the same height, never measured: the view then places rows by arithmetic alone.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &DataGrid::onCurrentChanged);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::onHeaderClicked);
}

void DataGrid::resetLayout()
{
    pending_.clear();
    keyField_.clear();
    model_->setColumns({});
}

void DataGrid::addColumn(DataGridColumn column)
{
    pending_.push_back(std::move(column));
}

void DataGrid::closeColumnList()
{
    model_->setColumns(std::move(pending_));
    pending_.clear();
}

int DataGrid::requireColumn(const QString& key) const
{
    const int column = model_->columnOf(key);
    if (column < 0)
        throw std::invalid_argument("the grid has no column " + key.toStdString());
    return column;
}

const DataGridColumn& DataGrid::column(const QString& key) const
{
    return model_->columns()[static_cast<std::size_t>(requireColumn(key))];
}

void DataGrid::setColumnAlignment(const QString& key, ColumnAlignment alignment)
{
    model_->updateColumn(requireColumn(key), [&](DataGridColumn& c) { c.alignment = alignment; });
}

void DataGrid::setColumnDecimals(const QString& key, int decimals)
{
    model_->updateColumn(requireColumn(key), [&](DataGridColumn& c) { c.decimals = decimals; });
}

void DataGrid::setColumnWidthTwips(const QString& key, int twips)
{
    model_->updateColumn(requireColumn(key), [&](DataGridColumn& c) { c.widthTwips = twips; });
}

void DataGrid::setColumnVisible(const QString& key, bool visible)
{
    setColumnHidden(requireColumn(key), !visible);
}

void DataGrid::setColumnCaption(const QString& key, const QString& caption)
{
    model_->updateColumn(requireColumn(key), [&](DataGridColumn& c) { c.caption = caption; });
}

// Widths become pixels at the screen's resolution; a width of 0 hides the column.
void DataGrid::applyLayout()
{
    const int dpi = logicalDpiX();
    const std::vector<DataGridColumn>& columns = model_->columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        setColumnHidden(column, !columns[i].visible());
        if (columns[i].visible())
            setColumnWidth(column, twipsToPixels(columns[i].widthTwips, dpi));
    }
}

void DataGrid::setDefaultRowHeight(double points)
{
    verticalHeader()->setDefaultSectionSize(static_cast<int>(std::lround(points * logicalDpiY() / 72.0)));
}

void DataGrid::setRecordset(db::Recordset* rows)
{
    rows_ = rows;
    model_->setRecordset(rows);
    showCurrentRowOfSet();
}

void DataGrid::refresh()
{
    model_->refresh();
    showCurrentRowOfSet();
}

void DataGrid::setDataFormatter(DataGridModel::CellFormatter formatter, QStringList keys)
{
    model_->setCellFormatter(std::move(formatter), std::move(keys));
    viewport()->update();
}

// The set's cursor is already on the row, so only the row change is raised.
void DataGrid::showCurrentRowOfSet()
{
    if (rows_ == nullptr || !rows_->isOpen() || rows_->BOF() || rows_->EOF_())
        return;
    const int row = model_->gridRow(rows_->AbsolutePosition() - 1);
    if (row < 0)
        return;
    const QScopedValueRollback<bool> following(followingSet_, true);
    const int shown = std::max(0, horizontalHeader()->logicalIndexAt(0));
    setCurrentIndex(model_->index(row, shown));
}

void DataGrid::onCurrentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (!current.isValid() || current.row() == previous.row() || rows_ == nullptr)
        return;
    if (!followingSet_)
        rows_->setAbsolutePosition(model_->setRow(current.row()) + 1);
    emit RowChanged();
}

// The first click on a column sorts up, the next on the same column reverses; the set's row stays current.
void DataGrid::onHeaderClicked(int column)
{
    QHeaderView* header = horizontalHeader();
    const bool again = model_->sortColumn() == column;
    const Qt::SortOrder order =
        again && header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, order);
    model_->sortByColumn(column, order);
    showCurrentRowOfSet();
}

void DataGrid::setQuickFilter(const QString& text)
{
    model_->setFilteredColumns(shownColumnsInViewOrder());
    model_->setQuickFilter(text);
    showCurrentRowOfSet();
}

std::vector<int> DataGrid::shownColumnsInViewOrder() const
{
    std::vector<int> shown;
    const QHeaderView* header = horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!isColumnHidden(logical))
            shown.push_back(logical);
    }
    return shown;
}

std::vector<DataGridColumn> DataGrid::shownColumns() const
{
    std::vector<DataGridColumn> shown;
    for (int column : shownColumnsInViewOrder())
        if (column != model_->runningBalanceColumn())
            shown.push_back(columns()[static_cast<std::size_t>(column)]);
    return shown;
}

QString DataGrid::selectedRowsText() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    const std::vector<int> columns = shownColumnsInViewOrder();
    QString text;
    for (const QModelIndex& row : rows) {
        QStringList cells;
        for (int column : columns)
            cells << model_->cellText(row.row(), column);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void DataGrid::copySelectedRows() const
{
    QApplication::clipboard()->setText(selectedRowsText());
}

void DataGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit GotFocus();
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelectedRows();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace controls
