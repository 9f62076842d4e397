#pragma once
// The data grid's table model: one row per row of the bound record set's current view (its filter and
// sort), one column per grid column, each cell read straight from the set's column store when it is drawn.
// Nothing is copied or measured per row, so a million rows cost no more to show than a thousand.

#include "controls/DataGridColumn.h"
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

    void setCellFormatter(CellFormatter formatter) { formatter_ = std::move(formatter); }
    // The separators numbers are written with; Italian until told otherwise.
    void setNumberLocale(const QLocale& locale) { numberLocale_ = locale; }

    // The text the cell shows, after the formatting callback.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void resolveFields();
    Qt::Alignment alignmentOf(const DataGridColumn& column) const;

    std::vector<DataGridColumn> columns_;
    std::vector<int> fields_;                          // the set's field of each column, -1 when it has none
    const db::Recordset* rows_ = nullptr;
    long rowCount_ = 0;
    CellFormatter formatter_;
    QLocale numberLocale_ = italianNumbers();
};

} // namespace controls
