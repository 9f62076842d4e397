#include "report/TrueTypeSubset.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace report {
namespace {

std::uint32_t readU16(const QByteArray& data, qsizetype at)
{
    if (at + 2 > data.size())
        throw std::runtime_error("a font table is shorter than its contents say");
    return (std::uint32_t(static_cast<unsigned char>(data[at])) << 8) | static_cast<unsigned char>(data[at + 1]);
}

std::uint32_t readU32(const QByteArray& data, qsizetype at)
{
    return (readU16(data, at) << 16) | readU16(data, at + 2);
}

void writeU16(QByteArray& data, std::uint32_t value)
{
    data.append(char(value >> 8)).append(char(value));
}

void writeU32(QByteArray& data, std::uint32_t value)
{
    writeU16(data, value >> 16);
    writeU16(data, value & 0xFFFF);
}

void setU16(QByteArray& data, qsizetype at, std::uint32_t value)
{
    data[at] = char(value >> 8);
    data[at + 1] = char(value);
}

// Where each glyph's outline starts in 'glyf', and where the last ends.
std::vector<std::uint32_t> glyphOffsets(const QByteArray& loca, bool longOffsets, std::uint32_t glyphs)
{
    std::vector<std::uint32_t> offsets(glyphs + 1);
    for (std::uint32_t g = 0; g <= glyphs; ++g)
        offsets[g] = longOffsets ? readU32(loca, 4 * g) : 2 * readU16(loca, 2 * g);
    return offsets;
}

// Adds to `glyphs` the components of the composite outline, and theirs.
void addComponents(const QByteArray& glyf, const std::vector<std::uint32_t>& offsets, std::uint32_t glyph,
                   std::set<std::uint32_t>& glyphs)
{
    constexpr std::uint32_t wordArguments = 0x1, scale = 0x8, moreComponents = 0x20, xyScale = 0x40, twoByTwo = 0x80;
    const qsizetype start = offsets[glyph];
    if (offsets[glyph + 1] <= offsets[glyph] || static_cast<std::int16_t>(readU16(glyf, start)) >= 0)
        return;   // empty, or a simple outline
    qsizetype at = start + 10;
    for (std::uint32_t flags = moreComponents; flags & moreComponents;) {
        flags = readU16(glyf, at);
        const std::uint32_t component = readU16(glyf, at + 2);
        at += 4 + ((flags & wordArguments) ? 4 : 2);
        at += (flags & scale) ? 2 : (flags & xyScale) ? 4 : (flags & twoByTwo) ? 8 : 0;
        if (component < offsets.size() - 1 && glyphs.insert(component).second)
            addComponents(glyf, offsets, component, glyphs);
    }
}

std::uint32_t checksum(const QByteArray& table)
{
    std::uint32_t sum = 0;
    QByteArray padded = table;
    while (padded.size() % 4)
        padded.append('\0');
    for (qsizetype at = 0; at < padded.size(); at += 4)
        sum += readU32(padded, at);
    return sum;
}

QByteArray fontFile(const std::map<std::string, QByteArray>& tables)
{
    const std::uint32_t count = static_cast<std::uint32_t>(tables.size());
    std::uint32_t power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray file;
    writeU32(file, 0x00010000);
    writeU16(file, count);
    writeU16(file, power * 16);
    writeU16(file, log2);
    writeU16(file, count * 16 - power * 16);
    std::uint32_t offset = 12 + 16 * count;
    QByteArray body;
    for (const auto& [tag, table] : tables) {   // the directory is sorted by tag
        file.append(tag.data(), 4);
        writeU32(file, checksum(table));
        writeU32(file, offset + static_cast<std::uint32_t>(body.size()));
        writeU32(file, static_cast<std::uint32_t>(table.size()));
        body.append(table);
        while (body.size() % 4)
            body.append('\0');
    }
    return file + body;
}

} // namespace

QByteArray trueTypeSubset(const FontTables& tables, const std::set<std::uint32_t>& used)
{
    QByteArray head = tables("head");
    const QByteArray maxp = tables("maxp"), loca = tables("loca"), glyf = tables("glyf");
    if (head.size() < 54 || maxp.size() < 6 || loca.isEmpty() || glyf.isEmpty())
        throw std::runtime_error("the font has no TrueType outlines to embed");
    const std::uint32_t glyphCount = readU16(maxp, 4);
    const std::vector<std::uint32_t> offsets = glyphOffsets(loca, readU16(head, 50) != 0, glyphCount);
    std::set<std::uint32_t> kept{0};
    for (std::uint32_t g : used)
        if (g < glyphCount)
            kept.insert(g);
    for (std::uint32_t g : std::set<std::uint32_t>(kept))
        addComponents(glyf, offsets, g, kept);

    QByteArray newGlyf, newLoca;
    for (std::uint32_t g = 0; g < glyphCount; ++g) {
        writeU32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
        if (kept.count(g)) {
            newGlyf.append(glyf.mid(offsets[g], offsets[g + 1] - offsets[g]));
            while (newGlyf.size() % 4)
                newGlyf.append('\0');
        }
    }
    writeU32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
    setU16(head, 50, 1);                 // long offsets in 'loca'
    for (int at = 8; at < 12; ++at)      // checkSumAdjustment, set once the file is whole
        head[at] = '\0';

    std::map<std::string, QByteArray> subset{{"head", head}, {"maxp", maxp}, {"loca", newLoca}, {"glyf", newGlyf}};
    for (const char* tag : {"hhea", "hmtx", "cvt ", "fpgm", "prep"})
        if (QByteArray table = tables(tag); !table.isEmpty())
            subset[tag] = table;
    QByteArray file = fontFile(subset);
    const std::uint32_t adjustment = 0xB1B0AFBA - checksum(file);
    for (qsizetype entry = 12; entry < 12 + 16 * qsizetype(subset.size()); entry += 16)
        if (file.mid(entry, 4) == "head") {
            const qsizetype at = readU32(file, entry + 8) + 8;
            for (int i = 0; i < 4; ++i)
                file[at + i] = char(adjustment >> (24 - 8 * i));
        }
    return file;
}

} // namespace report
