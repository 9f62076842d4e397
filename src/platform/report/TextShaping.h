#pragma once
// How a text becomes glyphs. A text in simple left-to-right scripts (Latin, Greek, Cyrillic and their
// punctuation) that its face shows whole is set glyph after glyph at the font's own advances: the fast
// path nearly every text of a ledger takes. Any other text is ordered with the Unicode bidirectional
// algorithm (fribidi), cut into runs of one direction and one face (a character the face lacks takes a
// face that has it), and each run is shaped by HarfBuzz, which joins Arabic and places marks.

#include "report/FontSet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace report {

// Glyphs of one face, left to right on the line.
struct GlyphRun {
    FontFace* face = nullptr;
    std::vector<std::uint32_t> glyphs;
    std::vector<double> offsets;            // from the text's left edge to each glyph's origin
    std::vector<double> rises;              // above the baseline; shaped runs only (empty: all on it)
    std::vector<std::uint32_t> clusters;    // shaped runs: where each glyph's characters start in the text
    std::uint32_t begin = 0, end = 0;       // the run's characters in the text
    bool rightToLeft = false;

    // The characters the glyph shows.
    std::u32string charactersOf(std::size_t glyph, const std::u32string& text) const;
};

struct ShapedText {
    std::u32string text;                    // in reading order
    std::vector<GlyphRun> runs;             // left to right
    double width = 0;                       // in ems
    bool shaped = false;                    // glyphs do not follow the characters one to one
    bool missing = false;                   // a character no installed face shows (drawn as a box)
    bool rightToLeft = false;               // some of it reads from the right

    void scale(double factor);              // offsets, rises and width times the factor
};

// Throws std::runtime_error when the style's font cannot be read for printing.
ShapedText shapeText(FontSet& fonts, const FontSpec& style, std::u32string text);

} // namespace report
