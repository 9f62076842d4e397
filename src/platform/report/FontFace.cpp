#include "report/FontFace.h"

#include <QFont>

#include <algorithm>

#include <stdexcept>

namespace report {
namespace {

int u16(const QByteArray& table, int offset)
{
    if (offset + 2 > table.size())
        return 0;
    return (static_cast<unsigned char>(table[offset]) << 8) | static_cast<unsigned char>(table[offset + 1]);
}

int s16(const QByteArray& table, int offset)
{
    const int value = u16(table, offset);
    return value >= 0x8000 ? value - 0x10000 : value;
}

// Marks a Latin glyph as looked up: the glyph plus one, so that 0 means "not yet".
constexpr std::uint32_t lookedUp = 1;

} // namespace

FontFace::FontFace(const FontSpec& style) : italic_(style.italic)
{
    QFont font(QString::fromStdString(style.family));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setPixelSize(100);
    raw_ = QRawFont::fromFont(font);
    const QByteArray head = raw_.fontTable("head"), hhea = raw_.fontTable("hhea"), maxp = raw_.fontTable("maxp");
    hmtx_ = raw_.fontTable("hmtx");
    if (!raw_.isValid() || head.size() < 54 || hhea.size() < 36 || maxp.size() < 6 || hmtx_.isEmpty())
        throw std::runtime_error("the font \"" + style.family + "\" cannot be read for printing");
    unitsPerEm_ = u16(head, 18) > 0 ? u16(head, 18) : 1000;
    glyphCount_ = static_cast<std::uint32_t>(u16(maxp, 4));
    longMetrics_ = u16(hhea, 34);
    ascent_ = double(s16(hhea, 4)) / unitsPerEm_;
    descent_ = -double(s16(hhea, 6)) / unitsPerEm_;
}

std::uint32_t FontFace::glyph(char32_t character)
{
    if (character < latin_.size() && latin_[character] != 0)
        return latin_[character] - lookedUp;
    if (character >= latin_.size())
        if (auto found = others_.find(character); found != others_.end())
            return found->second;
    const QString text = QString::fromUcs4(&character, 1);
    const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
    const std::uint32_t g = glyphs.size() == 1 ? glyphs.front() : 0;
    if (character < latin_.size())
        latin_[character] = g + lookedUp;
    else
        others_.emplace(character, g);
    return g;
}

int FontFace::designAdvance(std::uint32_t glyph) const
{
    if (longMetrics_ <= 0)
        return 0;
    const int metric = static_cast<int>(std::min<std::uint32_t>(glyph, static_cast<std::uint32_t>(longMetrics_ - 1)));
    return u16(hmtx_, 4 * metric);
}

double FontFace::advance(std::uint32_t glyph) const
{
    return double(designAdvance(glyph)) / unitsPerEm_;
}

QByteArray FontFace::table(const char* tag) const
{
    return raw_.fontTable(tag);
}

QString FontFace::postScriptName() const
{
    QString name = raw_.familyName() + QLatin1Char('-') + raw_.styleName();
    return name.remove(QLatin1Char(' '));
}

} // namespace report
