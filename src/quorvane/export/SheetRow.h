#pragma once
// A row of the ledger's spreadsheet as the export prepares it from the movement set, before the spreadsheet
// library writes it: its outline level and its cells, each a text or a number with its style.

#include <cstddef>
#include <string>
#include <vector>

namespace quorvane::exporting {

enum class CellStyle { Plain, Bold, Date, Measure, BoldMeasure };

struct SheetCell {
    std::size_t column = 0;
    CellStyle style = CellStyle::Plain;
    bool text = false;
    std::string words;            // of a text cell, as the cell holds it (CellText.h's sheetText)
    bool shortened = false;       // the words lost characters
    double number = 0;            // of a number cell; a date is its day number
    int decimals = 0;             // of a Measure
};

struct SheetRow {
    int level = 0;
    std::vector<SheetCell> cells;
};

} // namespace quorvane::exporting
