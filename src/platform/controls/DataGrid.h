#pragma once
// The grid that shows a record set: columns defined one add-column call at a time, then closed, aligned,
// given their decimals and widths, and laid out; the bound set read virtually (uniform rows, nothing sized
// to its contents), so a million rows open and scroll at once. The user resizes and moves columns and
// copies the selected rows as tab-separated text (Ctrl+C).
//
// Moving to another row makes it the set's current row, then raises RowChanged; taking the focus raises
// GotFocus. The window's cell-formatting callback (DataFormatEXT) sees every cell's text before it is drawn.

#include "controls/DataGridColumn.h"
#include "controls/DataGridModel.h"

#include <QTableView>

#include <vector>

namespace controls {

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    // Layout, in the order the window calls it: reset, key field, columns, close, alignments, decimals,
    // widths, apply. Addressing a column that does not exist throws std::invalid_argument.
    void resetLayout();
    void setKeyField(const QString& field) { keyField_ = field; }
    const QString& keyField() const { return keyField_; }
    void addColumn(DataGridColumn column);
    void closeColumnList();
    void setColumnAlignment(const QString& key, ColumnAlignment alignment);
    void setColumnDecimals(const QString& key, int decimals);
    void setColumnWidthTwips(const QString& key, int twips);
    void setColumnVisible(const QString& key, bool visible);
    void applyLayout();

    const std::vector<DataGridColumn>& columns() const { return model_->columns(); }
    // The columns the user sees, in the order he sees them.
    std::vector<DataGridColumn> shownColumns() const;
    const DataGridColumn& column(const QString& key) const;
    QString columnCaption(const QString& key) const { return column(key).caption; }
    void setColumnCaption(const QString& key, const QString& caption);

    // The default row height in points (the window's design value).
    void setDefaultRowHeight(double points);

    // Binds the set (nullptr unbinds); it stays the caller's and must outlive the binding. The grid
    // shows the set's current row as its own.
    void setRecordset(db::Recordset* rows);
    db::Recordset* recordset() const { return rows_; }
    // Shows the set again after its filter or sort has changed.
    void refresh();

    // `keys` are the columns the callback formats; every column when none is named.
    void setDataFormatter(DataGridModel::CellFormatter formatter, QStringList keys = {});
    // The separators of the user's language for the numbers the grid shows.
    void setNumberLocale(const QLocale& locale) { model_->setNumberLocale(locale); }
    DataGridModel* gridModel() const { return model_; }

    // Keeps the rows whose shown columns' text holds `text`, in any case; "" shows them all again.
    void setQuickFilter(const QString& text);

    // The selected rows, one line each, the shown columns' texts joined by tabs, in row order.
    QString selectedRowsText() const;
    void copySelectedRows() const;

signals:
    void GotFocus();
    void RowChanged();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int requireColumn(const QString& key) const;
    void showCurrentRowOfSet();
    void onCurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void onHeaderClicked(int column);
    std::vector<int> shownColumnsInViewOrder() const;

    DataGridModel* model_;
    std::vector<DataGridColumn> pending_;   // added since the last reset, until the list is closed
    QString keyField_;
    db::Recordset* rows_ = nullptr;
    bool followingSet_ = false;             // the grid is moving to the set's row: the set needs no move
};

} // namespace controls
