#pragma once
// A column of the data grid as the window's add-column call gives it: the record-set field it shows (also
// the name it is addressed by), its header, its kind, its width in twips (0 hides it) and, for money and
// quantity columns, the number format; alignment and decimals are set after the column list is closed.

#include <QString>

#include <optional>

namespace controls {

// The grid's column kinds, with the codes the window passes.
enum class ColumnKind : int { Text = 1, Date = 4, Number = 12 };

enum class ColumnAlignment : int { Left = 0, Right = 1, Centre = 2 };

struct DataGridColumn {
    QString key;
    QString caption;
    ColumnKind kind = ColumnKind::Text;
    int widthTwips = 0;
    // The component's column option, kept as the layout passes it (none: the component's default); this
    // grid attaches no behaviour to it.
    std::optional<bool> option;
    QString numberFormat;                       // "" for all but money and quantity columns
    std::optional<ColumnAlignment> alignment;   // none: left for text and dates, right for numbers
    std::optional<int> decimals;                // none: those of the number format, or the value's own

    bool visible() const { return widthTwips > 0; }
    bool operator==(const DataGridColumn&) const = default;
};

// Twips are 1/1440 of an inch; the screen's dots per inch give the pixels, rounded to the nearest.
int twipsToPixels(int twips, int dotsPerInch);

} // namespace controls
