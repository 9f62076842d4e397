#include "report/TextShaping.h"

#include <QChar>

#include <fribidi.h>
#include <hb.h>

#include <algorithm>

namespace report {
namespace {

// Scripts set letter after letter, left to right, with no shaping: Latin, Greek, Cyrillic, their
// punctuation, currency signs (the euro) and letter-like symbols; combining marks are left out.
bool simple(char32_t c)
{
    return c < 0x0300 || (c >= 0x0370 && c < 0x0483) || (c >= 0x048A && c < 0x0590) || (c >= 0x1E00 && c < 0x2000)
           || (c >= 0x2010 && c < 0x2028) || (c >= 0x2030 && c < 0x205F) || (c >= 0x20A0 && c < 0x20C1)
           || (c >= 0x2100 && c < 0x2190);
}

// A character drawn with the one before it (a mark, a joiner): it keeps that character's face.
bool follows(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing
           || category == QChar::Mark_SpacingCombining || category == QChar::Other_Format;
}

bool fastPath(FontFace& face, const std::u32string& text)
{
    for (char32_t c : text)
        if (!simple(c) || face.glyph(c) == 0)
            return false;
    return true;
}

ShapedText setInOrder(FontFace& face, std::u32string text)
{
    ShapedText shaped;
    GlyphRun run;
    run.face = &face;
    run.glyphs.reserve(text.size());
    run.offsets.reserve(text.size());
    for (char32_t c : text) {
        const std::uint32_t g = face.glyph(c);
        run.glyphs.push_back(g);
        run.offsets.push_back(shaped.width);
        shaped.width += face.advance(g);
    }
    run.end = static_cast<std::uint32_t>(text.size());
    shaped.runs.push_back(std::move(run));
    shaped.text = std::move(text);
    return shaped;
}

std::vector<FriBidiLevel> bidiLevels(const std::u32string& text)
{
    const auto length = static_cast<FriBidiStrIndex>(text.size());
    const auto* characters = reinterpret_cast<const FriBidiChar*>(text.data());
    std::vector<FriBidiCharType> types(text.size());
    std::vector<FriBidiBracketType> brackets(text.size());
    std::vector<FriBidiLevel> levels(text.size(), 0);
    fribidi_get_bidi_types(characters, length, types.data());
    fribidi_get_bracket_types(characters, length, types.data(), brackets.data());
    // The direction of a cell is that of its first strong character: a Hebrew name reads from the right.
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), length, &direction, levels.data()) == 0)
        std::fill(levels.begin(), levels.end(), FriBidiLevel(0));
    return levels;
}

struct Segment {
    std::uint32_t begin, end;
    FriBidiLevel level;
    FontFace* face;
};

// Runs of one level and one face, in reading order.
std::vector<Segment> segments(FontSet& fonts, const FontSpec& style, FontFace& primary, const std::u32string& text,
                              const std::vector<FriBidiLevel>& levels, bool& missing)
{
    std::vector<Segment> found;
    FontFace* previous = &primary;
    for (std::uint32_t i = 0; i < text.size(); ++i) {
        FontFace* face = &primary;
        if (i > 0 && follows(text[i]))
            face = previous;
        else if (primary.glyph(text[i]) == 0) {
            face = fonts.fallback(style, text[i]);
            missing = missing || face == nullptr;
            face = face ? face : &primary;
        }
        if (found.empty() || found.back().level != levels[i] || found.back().face != face)
            found.push_back({i, i + 1, levels[i], face});
        else
            found.back().end = i + 1;
        previous = face;
    }
    return found;
}

// Reverses every stretch of runs at a level or above, from the highest level down to the lowest odd one.
void toVisualOrder(std::vector<Segment>& runs)
{
    FriBidiLevel highest = 0, lowestOdd = 255;
    for (const Segment& s : runs) {
        highest = std::max(highest, s.level);
        if (s.level % 2 == 1)
            lowestOdd = std::min(lowestOdd, s.level);
    }
    for (int level = highest; level >= lowestOdd; --level) {
        const auto atOrAbove = [level](const Segment& s) { return s.level >= level; };
        for (auto it = std::find_if(runs.begin(), runs.end(), atOrAbove); it != runs.end();
             it = std::find_if(it, runs.end(), atOrAbove)) {
            const auto stop = std::find_if_not(it, runs.end(), atOrAbove);
            std::reverse(it, stop);
            it = stop;
        }
    }
}

// Shapes one run, the whole text as its context so that letters join across runs; advances the pen.
GlyphRun shapeRun(const std::u32string& text, const Segment& segment, double& pen)
{
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf32(buffer, reinterpret_cast<const std::uint32_t*>(text.data()), static_cast<int>(text.size()),
                        segment.begin, static_cast<int>(segment.end - segment.begin));
    hb_buffer_set_direction(buffer, segment.level % 2 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(segment.face->shaper(), buffer, nullptr, 0);
    unsigned int count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    const double unit = 1.0 / segment.face->unitsPerEm();
    GlyphRun run;
    run.face = segment.face;
    run.begin = segment.begin;
    run.end = segment.end;
    run.rightToLeft = segment.level % 2 == 1;
    for (unsigned int i = 0; i < count; ++i) {
        run.glyphs.push_back(infos[i].codepoint);
        run.clusters.push_back(infos[i].cluster);
        run.offsets.push_back(pen + positions[i].x_offset * unit);
        run.rises.push_back(positions[i].y_offset * unit);
        pen += positions[i].x_advance * unit;
    }
    hb_buffer_destroy(buffer);
    return run;
}

ShapedText shapeInRuns(FontSet& fonts, const FontSpec& style, FontFace& primary, std::u32string text)
{
    ShapedText shaped;
    shaped.shaped = true;
    std::vector<Segment> runs = segments(fonts, style, primary, text, bidiLevels(text), shaped.missing);
    toVisualOrder(runs);
    for (const Segment& segment : runs) {
        shaped.runs.push_back(shapeRun(text, segment, shaped.width));
        shaped.rightToLeft = shaped.rightToLeft || shaped.runs.back().rightToLeft;
    }
    shaped.text = std::move(text);
    return shaped;
}

} // namespace

// A right-to-left glyph's characters are given from the right, as its glyphs stand: readers of the PDF
// put a right-to-left line back in reading order character by character.
std::u32string GlyphRun::charactersOf(std::size_t glyph, const std::u32string& text) const
{
    if (clusters.empty())
        return text.substr(begin + glyph, 1);
    const std::uint32_t start = clusters[glyph];
    std::uint32_t stop = end;
    for (std::uint32_t c : clusters)
        if (c > start)
            stop = std::min(stop, c);
    std::u32string characters = text.substr(start, stop - start);
    if (rightToLeft)
        std::reverse(characters.begin(), characters.end());
    return characters;
}

void ShapedText::scale(double factor)
{
    for (GlyphRun& run : runs) {
        for (double& offset : run.offsets)
            offset *= factor;
        for (double& rise : run.rises)
            rise *= factor;
    }
    width *= factor;
}

ShapedText shapeText(FontSet& fonts, const FontSpec& style, std::u32string text)
{
    FontFace& primary = fonts.face(style);
    if (fastPath(primary, text))
        return setInOrder(primary, std::move(text));
    return shapeInRuns(fonts, style, primary, std::move(text));
}

} // namespace report
