#include "report/SystemFonts.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <stdexcept>

namespace report {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

Pattern wanted(const FontSpec& style, char32_t covering)
{
    Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(style.family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (covering != 0) {
        // fontconfig weighs the characters a face has before its family: the match is the face of the
        // nearest style that shows the character.
        FcCharSet* characters = FcCharSetCreate();
        FcCharSetAddChar(characters, covering);
        FcPatternAddCharSet(pattern.get(), FC_CHARSET, characters);
        FcCharSetDestroy(characters);
    }
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

} // namespace

FontFile findFontFile(const FontSpec& style, char32_t covering)
{
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, wanted(style, covering).get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
        throw std::runtime_error("no installed font can print the font \"" + style.family + "\"");
    FontFile found{reinterpret_cast<const char*>(file), 0};
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &found.index);
    return found;
}

} // namespace report
