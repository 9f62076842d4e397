#pragma once
// A TrueType font file holding only the outlines a document uses, to embed in a PDF: every glyph keeps its
// number (the PDF names glyphs by number), the glyphs not used are left empty, and a composite glyph
// brings the glyphs it is made of. The metrics and hinting tables are kept whole.

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <set>

namespace report {

using FontTables = std::function<QByteArray(const char* tag)>;

// The subset of the font whose tables `tables` gives, for the glyphs used (glyph 0 always comes along).
// Throws std::runtime_error for a font without TrueType outlines.
QByteArray trueTypeSubset(const FontTables& tables, const std::set<std::uint32_t>& used);

} // namespace report
