#include "report/PdfWriter.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <tuple>

namespace report {
namespace {

constexpr double pointsPerMillimetre = 72 / 25.4;
constexpr int catalogObject = 1, pagesObject = 2, infoObject = 3;
constexpr int objectsPerFont = 5;   // the font, its glyph font, its descriptor, its file and its characters
// Pages are many and compressed as they fill: a fast level, which makes a long ledger's file about a fifth
// larger than the default level would, in half the time.
constexpr int pageCompression = 3;
constexpr int fontCompression = Z_DEFAULT_COMPRESSION;
// Every page starts with lines that end square, a half width past their ends, as on the printer.
constexpr const char* pageStart = "2 J\n";
constexpr std::size_t pageContentCapacity = 64 * 1024;

// A number with at most two decimals, as PDF writes numbers.
void appendNumber(std::string& out, double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    out.append(buffer, end);
}

std::string number(double value)
{
    std::string text;
    appendNumber(text, value);
    return text;
}

void appendHex4(std::string& out, std::uint32_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4)
        out.push_back(digits[(value >> shift) & 0xF]);
}

// A character as the UTF-16 hex of a PDF string.
std::string utf16Hex(char32_t c)
{
    std::string hex;
    if (c > 0xFFFF) {
        c -= 0x10000;
        appendHex4(hex, 0xD800 + (c >> 10));
        appendHex4(hex, 0xDC00 + (c & 0x3FF));
    } else {
        appendHex4(hex, c);
    }
    return hex;
}

std::string textString(const QString& text)
{
    std::string hex = "<FEFF";
    for (const QChar c : text)
        appendHex4(hex, c.unicode());
    return hex + ">";
}

QByteArray compressed(std::string_view data, int level)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), level) != Z_OK)
        throw std::runtime_error("a page of the PDF could not be compressed");
    out.resize(static_cast<qsizetype>(size));
    return out;
}

std::int16_t signedAt(const QByteArray& table, int at)
{
    return static_cast<std::int16_t>((static_cast<unsigned char>(table[at]) << 8) | static_cast<unsigned char>(table[at + 1]));
}

// "AAAAAA+" for the first embedded subset, "AAAAAB+" for the second: the prefix of a subset's name.
std::string subsetTag(int index)
{
    std::string tag(6, 'A');
    for (int i = 5; i >= 0 && index > 0; --i, index /= 26)
        tag[static_cast<std::size_t>(i)] = char('A' + index % 26);
    return tag + "+";
}

} // namespace

PdfWriter::PdfWriter(const QString& path, double pageWidth, double pageHeight, const QString& title)
    : file_(path), widthPt_(pageWidth * pointsPerMillimetre), heightPt_(pageHeight * pointsPerMillimetre), title_(title)
{
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("the PDF file " + path.toStdString() + " cannot be written");
    objectOffsets_.resize(infoObject);
    content_.reserve(pageContentCapacity);
    content_.assign(pageStart);
    write("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
}

void PdfWriter::write(std::string_view text)
{
    ok_ = ok_ && file_.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
    offset_ += text.size();
}

int PdfWriter::newObject()
{
    objectOffsets_.push_back(0);
    return static_cast<int>(objectOffsets_.size());
}

void PdfWriter::beginObject(int number)
{
    objectOffsets_[static_cast<std::size_t>(number - 1)] = offset_;
    write(std::to_string(number) + " 0 obj\n");
}

void PdfWriter::writeStream(const std::string& dictionary, std::string_view data, int compression)
{
    const QByteArray body = compressed(data, compression);
    write("<< /Length " + std::to_string(body.size()) + " /Filter /FlateDecode" + dictionary + " >>\nstream\n");
    write(std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
    write("\nendstream\nendobj\n");
}

PdfWriter::EmbeddedFont& PdfWriter::font(FontFace& face)
{
    auto [it, added] = fonts_.try_emplace(&face);
    if (added) {
        it->second.resource = static_cast<int>(fonts_.size());
        it->second.face = &face;
        it->second.firstObject = newObject();
        for (int i = 1; i < objectsPerFont; ++i)
            newObject();
    }
    return it->second;
}

void PdfWriter::endText()
{
    if (inText_)
        content_ += "ET\n";
    inText_ = false;
}

void PdfWriter::beginText()
{
    if (!inText_) {
        content_ += "BT\n";
        inText_ = true;
        currentFont_ = 0;
    }
}

void PdfWriter::selectFont(int resource, double size)
{
    if (currentFont_ == resource && currentSize_ == size)
        return;
    content_ += "/F" + std::to_string(resource) + ' ';
    appendNumber(content_, size);
    content_ += " Tf\n";
    currentFont_ = resource;
    currentSize_ = size;
}

void PdfWriter::text(const PlacedText& placed)
{
    beginText();
    if (!placed.actualText.isEmpty())
        content_ += "/Span << /ActualText " + textString(placed.actualText) + " >> BDC\n";
    for (const GlyphRun& run : placed.shaped.runs)
        if (!run.glyphs.empty())
            glyphs(run, placed);
    if (!placed.actualText.isEmpty())
        content_ += "EMC\n";
}

// A run at the font's advances is shown in one string; a shaped run glyph by glyph, where HarfBuzz put it.
void PdfWriter::glyphs(const GlyphRun& run, const PlacedText& placed)
{
    EmbeddedFont& embedded = font(*run.face);
    for (std::size_t i = 0; i < run.glyphs.size(); ++i)
        if (!embedded.glyphs.contains(run.glyphs[i]))
            embedded.glyphs.emplace(run.glyphs[i], run.glyphs[i] == 0 ? std::u32string() : run.charactersOf(i, placed.shaped.text));
    pageFonts_.emplace(embedded.resource, embedded.firstObject);
    selectFont(embedded.resource, placed.size);
    const std::size_t strings = run.rises.empty() ? 1 : run.glyphs.size();
    for (std::size_t s = 0; s < strings; ++s) {
        content_ += "1 0 0 1 ";
        appendNumber(content_, (placed.x + run.offsets[s]) * pointsPerMillimetre);
        content_ += ' ';
        appendNumber(content_, heightPt_ - (placed.baseline - (run.rises.empty() ? 0 : run.rises[s])) * pointsPerMillimetre);
        content_ += " Tm <";
        if (run.rises.empty())
            for (std::uint32_t g : run.glyphs)
                appendHex4(content_, g);
        else
            appendHex4(content_, run.glyphs[s]);
        content_ += "> Tj\n";
    }
}

void PdfWriter::line(double x1, double y1, double x2, double y2, double width)
{
    endText();
    if (width != currentLineWidth_) {
        appendNumber(content_, width * pointsPerMillimetre);
        content_ += " w\n";
        currentLineWidth_ = width;
    }
    for (const auto& [x, y, op] : {std::tuple{x1, y1, " m "}, std::tuple{x2, y2, " l S\n"}}) {
        appendNumber(content_, x * pointsPerMillimetre);
        content_ += ' ';
        appendNumber(content_, heightPt_ - y * pointsPerMillimetre);
        content_ += op;
    }
}

void PdfWriter::box(double x, double y, double width, double height, double lineWidth)
{
    endText();
    content_ += number(lineWidth * pointsPerMillimetre) + " w " + number(x * pointsPerMillimetre) + ' '
              + number(heightPt_ - (y + height) * pointsPerMillimetre) + ' ' + number(width * pointsPerMillimetre) + ' '
              + number(height * pointsPerMillimetre) + " re S\n";
    currentLineWidth_ = lineWidth;
}

void PdfWriter::endPage()
{
    endText();
    const int contents = newObject();
    beginObject(contents);
    writeStream("", content_, pageCompression);
    content_.assign(pageStart);
    currentLineWidth_ = -1;
    const int page = newObject();
    beginObject(page);
    std::string forms;
    for (int form : pageForms_)
        forms += "/Fm" + std::to_string(form) + ' ' + std::to_string(form) + " 0 R ";
    write("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(widthPt_) + ' ' + number(heightPt_)
          + "] /Resources << /Font << " + fontResources() + ">> /XObject << " + forms + ">> >> /Contents "
          + std::to_string(contents) + " 0 R >>\nendobj\n");
    pages_.push_back(page);
    pageFonts_.clear();
    pageForms_.clear();
}

std::string PdfWriter::fontResources() const
{
    std::string fonts;
    for (const auto& [resource, object] : pageFonts_)
        fonts += "/F" + std::to_string(resource) + ' ' + std::to_string(object) + " 0 R ";
    return fonts;
}

void PdfWriter::newPage()
{
    endPage();
}

// A form every page could share; each place is its own, drawn where the page left it.
int PdfWriter::placeLater()
{
    endText();
    const int form = newObject();
    content_ += "/Fm" + std::to_string(form) + " Do\n";
    pageForms_.push_back(form);
    return form;
}

int PdfWriter::closePages()
{
    if (!pagesClosed_)
        endPage();
    pagesClosed_ = true;
    return static_cast<int>(pages_.size());
}

void PdfWriter::fill(int place, const PlacedText& placed)
{
    content_.clear();
    pageFonts_.clear();
    text(placed);
    endText();
    beginObject(place);
    writeStream(" /Type /XObject /Subtype /Form /BBox [0 0 " + number(widthPt_) + ' ' + number(heightPt_)
                    + "] /Resources << /Font << " + fontResources() + ">> >>",
                content_, pageCompression);
    pageFonts_.clear();
}

void PdfWriter::writeFont(const EmbeddedFont& embedded)
{
    FontFace& face = *embedded.face;
    const int first = embedded.firstObject;
    const std::string name = "/" + subsetTag(embedded.resource - 1) + face.postScriptName().toStdString();
    const double perMille = 1000.0 / face.unitsPerEm();
    beginObject(first);
    write("<< /Type /Font /Subtype /Type0 /BaseFont " + name + " /Encoding /Identity-H /DescendantFonts ["
          + std::to_string(first + 1) + " 0 R] /ToUnicode " + std::to_string(first + 4) + " 0 R >>\nendobj\n");
    std::string widths;
    for (const auto& [glyph, character] : embedded.glyphs)
        widths += std::to_string(glyph) + " [" + number(face.designAdvance(glyph) * perMille) + "] ";
    // TrueType outlines are a CIDFontType2 whose glyphs are its CIDs; CFF outlines travel in their
    // OpenType file, a CIDFontType0.
    beginObject(first + 1);
    write("<< /Type /Font /Subtype " + std::string(face.cff() ? "/CIDFontType0" : "/CIDFontType2") + " /BaseFont " + name
          + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor "
          + std::to_string(first + 2) + " 0 R /W [" + widths + "]" + (face.cff() ? "" : " /CIDToGIDMap /Identity")
          + " >>\nendobj\n");
    const QByteArray head = face.table("head");
    beginObject(first + 2);
    write("<< /Type /FontDescriptor /FontName " + name + " /Flags " + std::to_string(face.italic() ? 96 : 32)
          + " /FontBBox [" + number(signedAt(head, 36) * perMille) + ' ' + number(signedAt(head, 38) * perMille) + ' '
          + number(signedAt(head, 40) * perMille) + ' ' + number(signedAt(head, 42) * perMille) + "] /ItalicAngle "
          + (face.italic() ? "-11" : "0") + " /Ascent " + number(face.ascent() * 1000) + " /Descent "
          + number(-face.descent() * 1000) + " /CapHeight " + number(face.ascent() * 1000) + " /StemV 80 "
          + (face.cff() ? "/FontFile3 " : "/FontFile2 ")
          + std::to_string(first + 3) + " 0 R >>\nendobj\n");
    std::set<std::uint32_t> used;
    for (const auto& [glyph, characters] : embedded.glyphs)
        used.insert(glyph);
    const QByteArray subset = face.subset(used);
    beginObject(first + 3);
    writeStream(face.cff() ? std::string(" /Subtype /OpenType") : " /Length1 " + std::to_string(subset.size()),
                std::string_view(subset.constData(), static_cast<std::size_t>(subset.size())), fontCompression);
    std::string cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                       "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                       "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                       "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // Glyph 0, the missing-character box, shows no character: it has no entry.
    std::vector<std::pair<std::uint32_t, const std::u32string*>> mapped;
    for (const auto& [glyph, characters] : embedded.glyphs)
        if (!characters.empty())
            mapped.emplace_back(glyph, &characters);
    for (std::size_t from = 0; from < mapped.size(); from += 100) {
        const std::size_t to = std::min(mapped.size(), from + 100);
        cmap += std::to_string(to - from) + " beginbfchar\n";
        for (std::size_t i = from; i < to; ++i) {
            cmap += "<";
            appendHex4(cmap, mapped[i].first);
            cmap += "> <";
            for (char32_t c : *mapped[i].second)
                cmap += utf16Hex(c);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    beginObject(first + 4);
    writeStream("", cmap, fontCompression);
}

bool PdfWriter::finish()
{
    closePages();
    for (const auto& [face, embedded] : fonts_)
        writeFont(embedded);
    std::string kids;
    for (int page : pages_)
        kids += std::to_string(page) + " 0 R ";
    beginObject(pagesObject);
    write("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) + " >>\nendobj\n");
    beginObject(catalogObject);
    write("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    beginObject(infoObject);
    write("<< /Title " + textString(title_) + " /Creator (Quorvane) /Producer (Quorvane) >>\nendobj\n");
    const std::uint64_t xref = offset_;
    std::string table = "xref\n0 " + std::to_string(objectOffsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (std::uint64_t at : objectOffsets_) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010llu 00000 n \n", static_cast<unsigned long long>(at));
        table += entry;
    }
    write(table + "trailer\n<< /Size " + std::to_string(objectOffsets_.size() + 1)
          + " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n");
    file_.close();
    return ok_ && file_.error() == QFileDevice::NoError;
}

} // namespace report
