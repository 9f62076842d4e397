#pragma once
// The data grid's table model: one row per row of the bound record set's current view (its filter and
// sort), one column per grid column, each cell read straight from the set's column store when it is drawn.
// Nothing is copied or measured per row, so a million rows cost no more to show than a thousand.
//
// Over the set's view the user may lay his own (DataGridRowView.cpp): the rows sorted by a column, the rows
// whose shown text holds a quick filter's text, and a running balance of the rows in the grid's order as a
// last column. The set's own filter and sort, which the window decides, are never touched: the user's order
// is laid again over whatever the set shows after each refresh.

#include "controls/DataGridColumn.h"
#include "controls/ShownTextIndex.h"
#include "controls/DataGridRow.h"
#include "controls/NumberText.h"
#include "db/Recordset.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace controls {

class DataGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The window's cell-formatting callback (DataFormatEXT): the column's key, the text about to be drawn
    // (which it may replace) and the cell's row.
    using CellFormatter = std::function<void(const QString& key, QString& text, const DataGridRow& row)>;

    explicit DataGridModel(QObject* parent = nullptr);

    void setColumns(std::vector<DataGridColumn> columns);
    const std::vector<DataGridColumn>& columns() const { return columns_; }
    int columnOf(const QString& key) const;            // -1 when no column has the key
    // Changes a column's definition in place; the views are told what to draw again.
    void updateColumn(int column, const std::function<void(DataGridColumn&)>& change);

    // The set stays the caller's and must outlive its binding; nullptr unbinds.
    void setRecordset(const db::Recordset* rows);
    const db::Recordset* recordset() const { return rows_; }
    // Reads the set again after its filter or sort has changed.
    void refresh();

    // `keys` are the columns the callback formats; every column when none is named.
    void setCellFormatter(CellFormatter formatter, QStringList keys = {});
    // The separators numbers are written with; Italian until told otherwise.
    void setNumberLocale(const QLocale& locale)
    {
        numberLocale_ = locale;
        shownTexts_.clear();
    }

    // The text the cell shows, after the formatting callback; `row` is the grid's.
    QString cellText(int row, int column) const;

    // The user's order: by the column's values (a text column by its shown text), none for the set's own.
    void sortByColumn(int column, Qt::SortOrder order);
    int sortColumn() const { return sortColumn_; }
    // Keeps the rows with the text, in any case, in one of the shown columns' texts; "" keeps every row.
    void setQuickFilter(const QString& text);
    // The columns the quick filter reads; all of them until told.
    void setFilteredColumns(std::vector<int> columns);
    // Adds a last column with the running balance, credit − debit, of the rows in the grid's order.
    void setRunningBalance(const QString& caption, const QString& debitKey, const QString& creditKey);
    int runningBalanceColumn() const { return balance_.caption.isEmpty() ? -1 : static_cast<int>(columns_.size()); }

    // The sums of the rows the grid shows (debit and credit of the running balance's columns).
    struct ShownTotals {
        long rows = 0;
        db::Decimal debit, credit, balance;
    };
    const ShownTotals& shownTotals() const { return shownTotals_; }
    // An amount as the running balance's debit column writes its amounts.
    QString amountText(const db::Decimal& amount) const;

    // The set's view row shown at a grid row, and the grid row of a view row (-1 when the filter hides it).
    long setRow(int gridRow) const;
    int gridRow(long setRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The rows shown changed: their order, their choice or the set under them.
    void rowsShown();

private:
    struct RunningBalance {
        QString caption, debitKey, creditKey;
        int debitField = -1, creditField = -1;
    };

    void resolveFields();
    void resolveFormatted();
    bool formats(int column) const { return formatter_ && formatted_[static_cast<std::size_t>(column)]; }
    QString viewCellText(long viewRow, int column) const;   // of the set's view row
    void layRowView();
    std::vector<long> filteredRows();
    void indexShownTexts();
    void writeShownColumn(int column, ShownTextIndex::Column& out) const;
    void sortRows(std::vector<long>& rows) const;
    void sumShownRows();
    QString runningBalanceText(int gridRow) const;
    Qt::Alignment alignmentOf(const DataGridColumn& column) const;

    std::vector<DataGridColumn> columns_;
    std::vector<int> fields_;                          // the set's field of each column, -1 when it has none
    const db::Recordset* rows_ = nullptr;
    long rowCount_ = 0;                                // of the set's view
    std::vector<long> shown_;                          // set rows in grid order; empty: the set's own, all
    std::vector<int> gridRowOf_;                       // by set row, with `shown_`
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QString quickFilter_;
    std::vector<int> filteredColumns_;
    // The rows' texts in the filtered columns, case-folded, column by column, made by the first filter after the
    // set is read again and kept for the next: typing on costs a search, not a cell's formatting.
    ShownTextIndex shownTexts_;
    RunningBalance balance_;
    std::vector<db::Decimal> runningBalances_;         // by grid row, with a running balance column
    ShownTotals shownTotals_;
    CellFormatter formatter_;
    QStringList formattedKeys_;
    std::vector<char> formatted_;                      // by column: the formatter is called for its cells
    QLocale numberLocale_ = italianNumbers();
};

} // namespace controls
