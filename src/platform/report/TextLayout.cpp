#include "report/TextLayout.h"

namespace report {
namespace {

constexpr double millimetresPerPoint = 25.4 / 72;
constexpr char32_t ellipsis = 0x2026;
// A cut text stops this much (in ems) short of its box, so that it does not run into the next column.
constexpr double cutGap = 0.2;

// Appends the glyphs of the text with their offsets; answers the width, in ems.
double setGlyphs(FontFace& face, const QString& text, PlacedText& placed)
{
    double width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        const std::uint32_t g = face.glyph(c);
        placed.glyphs.push_back(g);
        placed.characters.push_back(c);
        placed.offsets.push_back(width);
        width += face.advance(g);
    }
    return width;
}

// Drops glyphs from the end until the rest and an ellipsis fit; answers the new width, in ems.
double elide(FontFace& face, PlacedText& placed, double width, double room)
{
    const std::uint32_t dots = face.glyph(ellipsis);
    const double dotsWidth = face.advance(dots);
    std::size_t kept = placed.glyphs.size();
    while (kept > 0 && width + dotsWidth > room - cutGap)
        width = placed.offsets[--kept];
    placed.glyphs.resize(kept);
    placed.characters.resize(kept);
    placed.offsets.resize(kept);
    placed.glyphs.push_back(dots);
    placed.characters.push_back(ellipsis);
    placed.offsets.push_back(width);
    return width + dotsWidth;
}

} // namespace

FontFace& TextLayout::face(const FontSpec& style)
{
    auto& slot = faces_[std::make_tuple(style.family, style.bold, style.italic)];
    if (!slot)
        slot = std::make_unique<FontFace>(style);
    return *slot;
}

PlacedText TextLayout::place(const ReportObject& object, const QString& text, double top)
{
    PlacedText placed;
    placed.face = &face(object.font);
    placed.size = object.font.size;
    const double em = object.font.size * millimetresPerPoint;
    placed.glyphs.reserve(static_cast<std::size_t>(text.size()));
    placed.characters.reserve(static_cast<std::size_t>(text.size()));
    placed.offsets.reserve(static_cast<std::size_t>(text.size()));
    double width = setGlyphs(*placed.face, text, placed);
    if (object.width > 0 && width * em > object.width)
        width = elide(*placed.face, placed, width, object.width / em);
    for (double& offset : placed.offsets)
        offset *= em;
    const double boxLeft = left_ + object.x;
    placed.x = object.alignment == Alignment::Right    ? boxLeft + object.width - width * em
               : object.alignment == Alignment::Center ? boxLeft + (object.width - width * em) / 2
                                                       : boxLeft;
    const double lineHeight = (placed.face->ascent() + placed.face->descent()) * em;
    placed.baseline = top + object.y + (object.height - lineHeight) / 2 + placed.face->ascent() * em;
    return placed;
}

} // namespace report
