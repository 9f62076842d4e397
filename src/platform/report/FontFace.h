#pragma once
// One face of the report's fonts, read from its installed file with HarfBuzz: the glyph of each character
// and its advance from the font's own tables, the face HarfBuzz shapes with, and the subset of its file
// that a PDF embeds. A face whose outlines are neither TrueType nor CFF is refused when it is first
// needed, before anything is drawn.

#include "report/SystemFonts.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <set>
#include <unordered_map>

struct hb_blob_t;
struct hb_face_t;
struct hb_font_t;

namespace report {

class FontFace {
public:
    // Throws std::runtime_error when the file cannot be read as a face.
    FontFace(const FontFile& file, bool bold, bool italic);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // The glyph of a character (0, the font's missing-glyph box, for a character it lacks).
    std::uint32_t glyph(char32_t character);
    // Advance of a glyph, ascent and descent (positive below the baseline), in ems.
    double advance(std::uint32_t glyph) const { return double(designAdvance(glyph)) / unitsPerEm_; }
    double ascent() const { return ascent_; }
    double descent() const { return descent_; }

    const FontFile& file() const { return file_; }
    hb_font_t* shaper() const { return font_; }
    QByteArray table(const char* tag) const;
    int unitsPerEm() const { return unitsPerEm_; }
    // The font's own advance of a glyph, in its design units.
    int designAdvance(std::uint32_t glyph) const;
    bool bold() const { return bold_; }
    bool italic() const { return italic_; }
    // Outlines in CFF (an OpenType font) rather than TrueType's.
    bool cff() const { return cff_; }
    // The face's PostScript name ("DejaVuSans-Bold") and its family ("DejaVu Sans").
    QString postScriptName() const;
    QString familyName() const;
    // The face's file holding only the outlines of the glyphs given (and glyph 0), every glyph keeping its
    // number, as a PDF embeds it.
    QByteArray subset(const std::set<std::uint32_t>& glyphs) const;

private:
    QString name(unsigned int id) const;

    FontFile file_;
    bool bold_;
    bool italic_;
    hb_blob_t* blob_ = nullptr;
    hb_face_t* face_ = nullptr;
    hb_font_t* font_ = nullptr;
    int unitsPerEm_ = 1000;
    bool cff_ = false;
    double ascent_ = 0.8, descent_ = 0.2;
    std::array<std::uint32_t, 0x250> latin_{};   // the glyphs of the Latin characters, 0 until first asked
    std::unordered_map<char32_t, std::uint32_t> others_;
};

} // namespace report
