#pragma once
// The cells of an exported movement line, read from the movement set as the movement grid shows them: a
// text cell is the grid's text after the grid's own cell formats (account codes in their chart's format,
// coded values as their descriptions); a date, an amount or a quantity is the value itself, for the writer
// to type.

#include "db/Recordset.h"
#include "display/CellFormats.h"
#include "export/ExportColumns.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvane::exporting {

class LineCells {
public:
    // The columns' fields are found in `movements`; any clone of it reads the same way.
    LineCells(const ExportColumns& columns, const display::CellFormats& formats, const db::Recordset& movements);

    // The value in column `column` of the view row `row` of `rows`; NULL for a column the set lacks.
    db::Value value(std::size_t column, const db::Recordset& rows, long row) const;
    // The text the grid shows in a text or date cell, in UTF-8; valid until the column's next text.
    const std::string& text(std::size_t column, const db::Recordset& rows, long row) const;

private:
    // A column's last value and its text. Consecutive lines often repeat a value (a group's lines share its
    // keys and much else), and the text of a column the set holds depends on its value alone (the cell
    // formats that read other fields of the row are those of descriptions the set lacks), so a repeated
    // value is shown without being formatted again.
    struct LastText {
        std::optional<db::Value> value;
        std::string text;
    };

    std::string shownText(std::size_t column, const db::Value& value, const db::Recordset& rows, long row) const;

    const ExportColumns& columns_;
    const display::CellFormats& formats_;
    std::vector<int> fields_;           // by column; -1 when the set has no such field
    mutable std::vector<LastText> lastText_;   // by column; the walk reads the cells from one thread
};

} // namespace quorvane::exporting
