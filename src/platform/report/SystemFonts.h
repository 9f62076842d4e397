#pragma once
// Where the installed font files are: the face fontconfig gives for a report font's family and style,
// or, for a character that face lacks, the installed face nearest to that style which has it.

#include "report/ReportDefinition.h"

#include <string>
#include <tuple>

namespace report {

struct FontFile {
    std::string path;
    int index = 0;   // the face within a collection file
    bool operator<(const FontFile& other) const { return std::tie(path, index) < std::tie(other.path, other.index); }
};

// The file of the face for the style; with `covering`, the face that has that character. Throws
// std::runtime_error when fontconfig finds no scalable face at all.
FontFile findFontFile(const FontSpec& style, char32_t covering = 0);

} // namespace report
