#pragma once
// A grid's columns as the layout lists them: each with the company setting it depends on, and the two
// amount columns whose captions are the window's debit and credit captions.

#include "controls/DataGridColumn.h"
#include "display/GridLayoutSettings.h"

#include <vector>

namespace quorvane::display {

enum class ShownWhen { Always, Intercompany, Sites, LineSites, ProjectStructure, Qev };
enum class ColumnOption { Omitted, Off, On };

struct GridColumnRow {
    const char* key;
    const char* caption;          // UTF-8; ignored for "DARE" and "AVERE"
    controls::ColumnKind kind;
    int widthTwips;
    ColumnOption option;
    bool formatted;               // money or quantity: the window's amount format
    ShownWhen when;
};

// The rows whose condition holds under the settings, as grid columns, in table order.
std::vector<controls::DataGridColumn> columnsOf(const std::vector<GridColumnRow>& table,
                                                const GridLayoutSettings& settings);

} // namespace quorvane::display
