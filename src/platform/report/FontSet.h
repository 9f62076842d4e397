#pragma once
// The faces a print sets its texts in: the face of each report font, and for a character that face
// lacks, another installed face that has it (a Chinese name in a report set in DejaVu Sans). Each font
// file is opened once, however many report fonts lead to it.

#include "report/FontFace.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace report {

class FontSet {
public:
    // Throws std::runtime_error when the font cannot be read for printing.
    FontFace& face(const FontSpec& style);
    // A face in the style's weight and slant that shows the character; null when no installed face does.
    FontFace* fallback(const FontSpec& style, char32_t character);

private:
    using StyleKey = std::tuple<std::string, bool, bool>;
    FontFace& open(const FontFile& file, const FontSpec& style);

    std::map<std::tuple<FontFile, bool, bool>, std::unique_ptr<FontFace>> files_;
    std::map<StyleKey, FontFace*> faces_;
    std::map<StyleKey, std::vector<FontFace*>> fallbacks_;   // the faces found so far for the style's gaps
    std::map<StyleKey, std::set<char32_t>> unprintable_;      // characters no installed face shows
};

} // namespace report
