#include "report/TextLayout.h"

namespace report {
namespace {

constexpr double millimetresPerPoint = 25.4 / 72;
constexpr char32_t ellipsis = 0x2026;
// A fitted text stops this much (in ems) short of its box, so that it does not run into the next column.
constexpr double gap = 0.2;

// The characters of an unshaped text whose glyphs end before `room`.
std::size_t charactersWithin(const ShapedText& text, double room)
{
    const GlyphRun& run = text.runs.front();
    std::size_t kept = run.glyphs.size();
    while (kept > 0 && run.offsets[kept - 1] + run.face->advance(run.glyphs[kept - 1]) > room)
        --kept;
    return kept;
}

} // namespace

// The longest beginning of the text that fits with an ellipsis after it. An unshaped text's glyphs are
// its characters, so its widths tell the cut at once; a shaped one is cut by halving.
ShapedText TextLayout::shortened(const FontSpec& style, const ShapedText& whole, double room)
{
    const auto cut = [&](std::size_t kept) {
        return shapeText(fonts_, style, whole.text.substr(0, kept) + ellipsis);
    };
    if (!whole.shaped) {
        const double dots = fonts_.face(style).advance(fonts_.face(style).glyph(ellipsis));
        return cut(charactersWithin(whole, room - dots));
    }
    std::size_t low = 0, high = whole.text.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (cut(middle).width <= room)
            low = middle;
        else
            high = middle - 1;
    }
    return cut(low);
}

PlacedText TextLayout::place(const ReportObject& object, const QString& text, double top, TextFit fit)
{
    PlacedText placed;
    placed.size = object.font.size;
    placed.shaped = shapeText(fonts_, object.font, text.toStdU32String());
    const double box = object.width / (placed.size * millimetresPerPoint), room = box - gap;
    if (object.width > 0 && placed.shaped.width > box) {
        if (fit == TextFit::Shrink) {
            placed.size *= std::max(room, gap) / placed.shaped.width;
        } else {
            placed.shaped = shortened(object.font, placed.shaped, room);
            placed.actualText = text;
        }
    }
    if ((placed.shaped.shaped && !placed.shaped.rightToLeft) || placed.shaped.missing)
        placed.actualText = text;
    const double em = placed.size * millimetresPerPoint;
    placed.shaped.scale(em);
    const double width = placed.shaped.width, boxLeft = left_ + object.x;
    placed.x = object.alignment == Alignment::Right    ? boxLeft + object.width - width
               : object.alignment == Alignment::Center ? boxLeft + (object.width - width) / 2
                                                       : boxLeft;
    const FontFace& face = fonts_.face(object.font);
    const double lineHeight = (face.ascent() + face.descent()) * em;
    placed.baseline = top + object.y + (object.height - lineHeight) / 2 + face.ascent() * em;
    return placed;
}

} // namespace report
