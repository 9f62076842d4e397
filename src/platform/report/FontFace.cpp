#include "report/FontFace.h"

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <stdexcept>

namespace report {
namespace {

// Marks a Latin glyph as looked up: the glyph plus one, so that 0 means "not yet".
constexpr std::uint32_t lookedUp = 1;

QByteArray bytesOf(hb_blob_t* blob)
{
    unsigned int length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    QByteArray bytes(data, static_cast<qsizetype>(length));
    hb_blob_destroy(blob);
    return bytes;
}

int s16(const QByteArray& table, int offset)
{
    if (offset + 2 > table.size())
        return 0;
    const int value = (static_cast<unsigned char>(table[offset]) << 8) | static_cast<unsigned char>(table[offset + 1]);
    return value >= 0x8000 ? value - 0x10000 : value;
}

} // namespace

FontFace::FontFace(const FontFile& file, bool bold, bool italic) : file_(file), bold_(bold), italic_(italic)
{
    blob_ = hb_blob_create_from_file_or_fail(file.path.c_str());
    if (blob_)
        face_ = hb_face_create(blob_, static_cast<unsigned int>(file.index));
    const bool trueType = face_ && !table("glyf").isEmpty();
    cff_ = face_ && !table("CFF ").isEmpty();
    if (!face_ || hb_face_get_glyph_count(face_) == 0 || !(trueType || cff_))
        throw std::runtime_error("the font file " + file.path + " has no TrueType or CFF outlines to print with");
    unitsPerEm_ = static_cast<int>(hb_face_get_upem(face_));
    font_ = hb_font_create(face_);
    hb_font_set_scale(font_, unitsPerEm_, unitsPerEm_);
    const QByteArray hhea = table("hhea");
    ascent_ = double(s16(hhea, 4)) / unitsPerEm_;
    descent_ = -double(s16(hhea, 6)) / unitsPerEm_;
}

FontFace::~FontFace()
{
    hb_font_destroy(font_);
    hb_face_destroy(face_);
    hb_blob_destroy(blob_);
}

std::uint32_t FontFace::glyph(char32_t character)
{
    if (character < latin_.size() && latin_[character] != 0)
        return latin_[character] - lookedUp;
    if (character >= latin_.size())
        if (auto found = others_.find(character); found != others_.end())
            return found->second;
    hb_codepoint_t g = 0;
    if (!hb_font_get_nominal_glyph(font_, character, &g))
        g = 0;
    if (character < latin_.size())
        latin_[character] = g + lookedUp;
    else
        others_.emplace(character, g);
    return g;
}

int FontFace::designAdvance(std::uint32_t glyph) const
{
    return hb_font_get_glyph_h_advance(font_, glyph);
}

QByteArray FontFace::table(const char* tag) const
{
    return bytesOf(hb_face_reference_table(face_, hb_tag_from_string(tag, 4)));
}

QString FontFace::name(unsigned int id) const
{
    char name[128] = {};
    unsigned int size = sizeof name;
    hb_ot_name_get_utf8(face_, id, HB_LANGUAGE_INVALID, &size, name);
    return QString::fromUtf8(name);
}

QString FontFace::postScriptName() const
{
    QString text = name(HB_OT_NAME_ID_POSTSCRIPT_NAME);
    text.remove(QLatin1Char(' '));
    return text.isEmpty() ? QStringLiteral("Font") : text;
}

QString FontFace::familyName() const
{
    return name(HB_OT_NAME_ID_FONT_FAMILY);
}

QByteArray FontFace::subset(const std::set<std::uint32_t>& glyphs) const
{
    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    if (!input)
        throw std::runtime_error("the font " + file_.path + " cannot be subset");
    hb_set_t* kept = hb_subset_input_glyph_set(input);
    hb_set_add(kept, 0);
    for (std::uint32_t g : glyphs)
        hb_set_add(kept, g);
    // The PDF names glyphs by number and shapes nothing: numbers stay, the missing-character box keeps its
    // outline, layout tables go.
    hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NOTDEF_OUTLINE);
    hb_set_t* dropped = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* tag : {"GSUB", "GPOS", "GDEF", "morx", "kerx", "kern"})
        hb_set_add(dropped, hb_tag_from_string(tag, 4));
    hb_face_t* result = hb_subset_or_fail(face_, input);
    hb_subset_input_destroy(input);
    if (!result)
        throw std::runtime_error("the font " + file_.path + " cannot be subset");
    QByteArray bytes = bytesOf(hb_face_reference_blob(result));
    hb_face_destroy(result);
    return bytes;
}

} // namespace report
