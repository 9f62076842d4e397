#pragma once
// The columns an export writes: the movement grid's shown columns in the grid's order, with their captions
// and widths (the digits they hold, as the window holds them), and how a spreadsheet should type each cell:
// dates as dates, amounts and quantities as numbers at their decimals, other numeric columns as numbers, and
// every other column as the text the grid shows, so that codes keep their leading zeros and coded values
// read as their descriptions.

#include "controls/DataGridColumn.h"
#include "display/GridLayout.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quorvane::exporting {

enum class CellKind { Text, Date, Number, Measure };

struct ExportColumn {
    controls::DataGridColumn grid;
    CellKind kind = CellKind::Text;
    int decimals = 0;                   // of a Measure: the decimals the grid shows
    double digits = 0;                  // the width: the digits the grid's column holds (ColumnDigits.h)
};

class ExportColumns {
public:
    explicit ExportColumns(const std::vector<controls::DataGridColumn>& shown);

    const std::vector<ExportColumn>& all() const { return columns_; }
    std::size_t size() const { return columns_.size(); }
    const ExportColumn& operator[](std::size_t i) const { return columns_[i]; }
    // The position of the column with the key; none when the export does not show it.
    std::optional<std::size_t> find(std::string_view key) const;
    // Widens the column with the key, where shown, to hold at least so many digits.
    void widen(std::string_view key, double digits);
    // A column after the grid's, which no movement line fills.
    void add(ExportColumn column) { columns_.push_back(std::move(column)); }

private:
    std::vector<ExportColumn> columns_;
};

// The columns a movement grid laid out by `layout` shows, for a caller without the window's grid: the width
// corrections and decimals applied, the hidden columns left out, the amounts captioned with their currency,
// and the quantity column only when the ledger shows quantities.
std::vector<controls::DataGridColumn> shownColumns(const display::GridLayout& layout, bool quantities);

} // namespace quorvane::exporting
