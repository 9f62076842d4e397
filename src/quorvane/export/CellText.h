#pragma once
// A stored text as an export's cell holds it. Both files carry text as UTF-8 and neither can carry every
// character a database may hold: NUL and the other control characters but the tab and the line ends, the
// noncharacters U+FFFE and U+FFFF, and bytes that are no UTF-8 are left out, and a writer counts the cells
// that lost any so that the export can say so.

#include <string>
#include <string_view>

namespace quorvane::exporting {

struct CellText {
    std::string text;
    bool shortened = false;     // characters were left out
};

// The text without the characters neither file can hold.
CellText holdableText(std::string_view text);

// A spreadsheet reads "_x0041_" in a cell as the character it encodes ("A"): a literal one keeps its
// underscore escaped ("_x005F_x0041_"), so the cell shows what the database holds.
std::string spreadsheetEscaped(std::string_view text);

// A CSV field that a spreadsheet would run as a formula (it starts with "=", "+", "-", "@", a tab or a
// carriage return) starts with an apostrophe instead, which the spreadsheet shows as text. Only for texts:
// numbers are written as they are.
std::string inertText(std::string text);

} // namespace quorvane::exporting
