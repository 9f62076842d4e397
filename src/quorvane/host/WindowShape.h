#pragma once
// The shape the user gave the window, kept in the user's settings when the window closes and given to
// the next window he opens: its size, the movement grid's share above the lines' detail, and the widths
// of the grids' columns. A window opened for the first time takes the size its panels ask for.

#include <QRect>
#include <QSize>
#include <QString>

#include <map>

namespace controls {
class DataGrid;
}

namespace quorvane::host {

// A grid's column widths in pixels, by column key; a hidden column keeps no width.
using ColumnWidths = std::map<QString, int>;

struct WindowShape {
    QSize size;                          // invalid: no window was closed yet
    int detailSplitPercentage = 0;       // 0: no split remembered
    std::map<QString, ColumnWidths> grids; // by the grid's object name
};

WindowShape readWindowShape();
void keepWindowShape(const WindowShape& shape);

// The size of a window opened for the first time: the design size grown to what its layout asks for
// (so that no caption is cut), never larger than the screen's available area.
QSize firstWindowSize(const QSize& design, const QSize& layoutHint, const QRect& available);

ColumnWidths columnWidths(const controls::DataGrid& grid);
// Widths of columns the grid no longer has are skipped.
void applyColumnWidths(controls::DataGrid& grid, const ColumnWidths& widths);

} // namespace quorvane::host
