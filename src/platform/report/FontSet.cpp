#include "report/FontSet.h"

namespace report {
namespace {

auto keyOf(const FontSpec& style)
{
    return std::make_tuple(style.family, style.bold, style.italic);
}

} // namespace

FontFace& FontSet::open(const FontFile& file, const FontSpec& style)
{
    auto& slot = files_[std::make_tuple(file, style.bold, style.italic)];
    if (!slot)
        slot = std::make_unique<FontFace>(file, style.bold, style.italic);
    return *slot;
}

FontFace& FontSet::face(const FontSpec& style)
{
    FontFace*& slot = faces_[keyOf(style)];
    if (!slot)
        slot = &open(findFontFile(style), style);
    return *slot;
}

FontFace* FontSet::fallback(const FontSpec& style, char32_t character)
{
    std::vector<FontFace*>& found = fallbacks_[keyOf(style)];
    for (FontFace* face : found)
        if (face->glyph(character) != 0)
            return face;
    std::set<char32_t>& unprintable = unprintable_[keyOf(style)];
    if (unprintable.contains(character))
        return nullptr;
    FontFace& candidate = open(findFontFile(style, character), style);
    if (candidate.glyph(character) == 0) {
        unprintable.insert(character);
        return nullptr;
    }
    found.push_back(&candidate);
    return &candidate;
}

} // namespace report
