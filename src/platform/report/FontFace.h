#pragma once
// One face of the report's fonts (a family, bold or not, italic or not) as the pages set text in it: the
// glyph of each character and its advance, read from the font's own tables, so that a text is measured
// and placed once, without shaping, and drawn the same on paper and in a PDF. Texts are set glyph after
// glyph at the font's own advances, without kerning or ligatures.

#include "report/ReportDefinition.h"

#include <QByteArray>
#include <QRawFont>
#include <QString>

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace report {

class FontFace {
public:
    // The face the system gives for the family and style; throws std::runtime_error when it has none that
    // can be read.
    explicit FontFace(const FontSpec& style);
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // The glyph of a character (0, the font's missing-glyph box, for a character it lacks).
    std::uint32_t glyph(char32_t character);
    // Advance of a glyph, ascent and descent (positive below the baseline), in ems.
    double advance(std::uint32_t glyph) const;
    double ascent() const { return ascent_; }
    double descent() const { return descent_; }

    const QRawFont& rawFont() const { return raw_; }
    QByteArray table(const char* tag) const;
    std::uint32_t glyphCount() const { return glyphCount_; }
    int unitsPerEm() const { return unitsPerEm_; }
    // The font's own advance of a glyph, in its design units.
    int designAdvance(std::uint32_t glyph) const;
    bool italic() const { return italic_; }
    // The face's name without blanks ("DejaVuSans-Bold").
    QString postScriptName() const;

private:
    QRawFont raw_;
    bool italic_;
    int unitsPerEm_ = 1000;
    std::uint32_t glyphCount_ = 0;
    QByteArray hmtx_;
    int longMetrics_ = 0;
    double ascent_ = 0.8, descent_ = 0.2;
    std::array<std::uint32_t, 0x250> latin_{};   // the glyphs of the Latin characters, 0 until first asked
    std::unordered_map<char32_t, std::uint32_t> others_;
};

} // namespace report
