#pragma once
// Where the glyphs of an object's text go: set in the object's face and size (with other faces for
// characters it lacks), aligned in its box and centred on its height. A text wider than its box is cut
// with an ellipsis, but an amount never is: it shrinks until it fits, since a cut amount reads as another
// number. Positions are millimetres on the page. The same placement serves the PDF and the printer, so
// both show the same lines.

#include "report/FontSet.h"
#include "report/ReportDefinition.h"
#include "report/TextShaping.h"

#include <QString>

namespace report {

// What may be done to a text wider than its box.
enum class TextFit { Shorten, Shrink };

struct PlacedText {
    ShapedText shaped;                      // offsets and rises in millimetres
    double size = 0;                        // points
    double x = 0, baseline = 0;             // the text's left edge on its baseline
    // The text itself, when its glyphs alone would not read back as it (reordered, joined, cut, or a
    // character drawn as a box); empty when they do.
    QString actualText;
};

class TextLayout {
public:
    explicit TextLayout(double leftMargin) : left_(leftMargin) {}

    // The text of an object whose section starts `top` millimetres down the page. Throws
    // std::runtime_error when the object's font cannot be read.
    PlacedText place(const ReportObject& object, const QString& text, double top, TextFit fit);

private:
    ShapedText shortened(const FontSpec& style, const ShapedText& whole, double room);

    double left_;
    FontSet fonts_;
};

} // namespace report
