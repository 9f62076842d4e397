#pragma once
// The grids' column widths are design widths (display/ColumnDigits.h). A screen whose interface font has
// wider digits than the design font would cut codes, dates and amounts short, so the widths grow in
// proportion, as the form resizer grows the window's controls; they never shrink, and hidden columns stay
// hidden.

namespace controls {
class DataGrid;
}

namespace quorvane::host {

// The factor for a digit width in twips: never below 1.
double fontWidthScale(int digitTwips);

// Widens every shown column of the laid-out grid by the factor of the grid's own font.
void scaleColumnsToFont(controls::DataGrid& grid);

} // namespace quorvane::host
