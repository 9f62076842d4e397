#include "export/LineCells.h"

#include "controls/DataGridCellText.h"
#include "controls/DataGridRow.h"

namespace quorvane::exporting {

LineCells::LineCells(const ExportColumns& columns, const display::CellFormats& formats,
                     const db::Recordset& movements)
    : columns_(columns), formats_(formats)
{
    fields_.reserve(columns.size());
    lastText_.resize(columns.size());
    for (const ExportColumn& column : columns.all())
        fields_.push_back(movements.fieldIndex(column.grid.key.toStdString()));
}

db::Value LineCells::value(std::size_t column, const db::Recordset& rows, long row) const
{
    const int field = fields_[column];
    return field < 0 ? db::Value() : rows.valueAt(row, field);
}

const std::string& LineCells::text(std::size_t column, const db::Recordset& rows, long row) const
{
    if (fields_[column] < 0)
        return lastText_[column].text = shownText(column, db::Value(), rows, row);
    db::Value current = value(column, rows, row);
    LastText& last = lastText_[column];
    if (!last.value || !(*last.value == current)) {
        last.text = shownText(column, current, rows, row);
        last.value = std::move(current);
    }
    return last.text;
}

std::string LineCells::shownText(std::size_t column, const db::Value& value, const db::Recordset& rows,
                                 long row) const
{
    const controls::DataGridColumn& grid = columns_[column].grid;
    // Only text and date cells are read as text here; neither depends on the locale's number separators.
    QString shown = controls::cellText(value, grid, QLocale::c());
    formats_.format(grid.key, shown, controls::DataGridRow(rows, row));
    return shown.toStdString();
}

} // namespace quorvane::exporting
