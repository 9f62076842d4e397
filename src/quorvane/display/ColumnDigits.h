#pragma once
// The grids' column widths are design widths: twips that fit the host's design font, whose digits are 5
// pixels wide at 96 dots per inch (75 twips). What a width means is how many digits the column holds: the
// window keeps that number at any interface font (it widens its columns for wider digits), and an
// exported spreadsheet sizes its columns by it, since a spreadsheet's column width counts digits of its
// own default font. One measure, so that the window and every export show the same columns alike.

namespace quorvane::display {

inline constexpr int designDigitTwips = 75;

// The digits a column of the design width holds.
double digitsWide(int widthTwips);

} // namespace quorvane::display
