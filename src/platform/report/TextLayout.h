#pragma once
// Where the glyphs of an object's text go: set in the object's face and size, aligned in its box and
// centred on its height, and cut with an ellipsis when wider than the box. Positions are millimetres on the
// page. The same placement serves the PDF and the printer, so both show the same lines.

#include "report/FontFace.h"
#include "report/ReportDefinition.h"

#include <QString>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace report {

struct PlacedText {
    FontFace* face = nullptr;
    double size = 0;                        // points
    double x = 0, baseline = 0;             // the first glyph's origin
    std::vector<std::uint32_t> glyphs;
    std::vector<char32_t> characters;       // what each glyph shows
    std::vector<double> offsets;            // from x to each glyph's origin
};

class TextLayout {
public:
    explicit TextLayout(double leftMargin) : left_(leftMargin) {}

    // The text of an object whose section starts `top` millimetres down the page. Throws
    // std::runtime_error when the object's font cannot be read.
    PlacedText place(const ReportObject& object, const QString& text, double top);

private:
    FontFace& face(const FontSpec& style);

    double left_;
    std::map<std::tuple<std::string, bool, bool>, std::unique_ptr<FontFace>> faces_;
};

} // namespace report
