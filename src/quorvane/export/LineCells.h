#pragma once
// The cells of an exported movement line, read from the movement set as the movement grid shows them: a
// text cell is the grid's text after the grid's own cell formats (account codes in their chart's format,
// coded values as their descriptions); a date, an amount or a quantity is the value itself, for the writer
// to type.

#include "db/Recordset.h"
#include "display/CellFormats.h"
#include "export/ExportColumns.h"

#include <string>
#include <vector>

namespace quorvane::exporting {

class LineCells {
public:
    // The columns' fields are found in `movements`; any clone of it reads the same way.
    LineCells(const ExportColumns& columns, const display::CellFormats& formats, const db::Recordset& movements);

    // The value in column `column` of the view row `row` of `rows`; NULL for a column the set lacks.
    db::Value value(std::size_t column, const db::Recordset& rows, long row) const;
    // The text the grid shows in a text or date cell, in UTF-8.
    std::string text(std::size_t column, const db::Recordset& rows, long row) const;

private:
    const ExportColumns& columns_;
    const display::CellFormats& formats_;
    std::vector<int> fields_;           // by column; -1 when the set has no such field
};

} // namespace quorvane::exporting
