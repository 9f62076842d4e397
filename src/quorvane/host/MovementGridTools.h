#pragma once
// The movement grid's own tools: the running balance of its lines in the order the user sorts them, the quick
// filter over its lines, and under it the count and the sums of the lines it shows, in the company's words for
// the two sides.

#include <QString>

class QLineEdit;

namespace controls {
class DataGrid;
class LabelField;
}

namespace quorvane::host {

struct GridSides {
    QString debit, credit, balance, runningBalance, lines;
};

// Before the grid's layout: the running balance becomes the grid's last column.
void addRunningBalance(controls::DataGrid& grid, const GridSides& sides);

// After the grid's layout: the running balance as wide as the debit column, the filter and the totals at work.
void connectGridTools(controls::DataGrid& grid, QLineEdit& filter, controls::LabelField& totals,
                      const GridSides& sides);

} // namespace quorvane::host
