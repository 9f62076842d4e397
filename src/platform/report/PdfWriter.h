#pragma once
// A PDF file written page by page as the report fills them: each page's drawing is compressed and written
// when the next page starts, so a long ledger never sits in memory. A text set at the font's own advances
// is one run of glyphs, positioned once (the font's widths place the rest), which keeps a page of a ledger
// to a few kilobytes; a shaped text places each glyph. The faces are embedded at the end with only the
// glyphs the pages used, and carry the characters of their glyphs so the text can be searched and copied;
// a text whose glyphs do not read as it (reordered, joined, cut) carries its own characters as well.

#include "report/FontFace.h"
#include "report/TextLayout.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace report {

class PdfWriter {
public:
    // Pages of the given size in millimetres. Throws std::runtime_error when the file cannot be written.
    PdfWriter(const QString& path, double pageWidth, double pageHeight, const QString& title);

    // Positions and widths in millimetres from the page's top left corner.
    void text(const PlacedText& text);
    void line(double x1, double y1, double x2, double y2, double width);
    void box(double x, double y, double width, double height, double lineWidth);
    void newPage();
    // Draws on the current page what is filled in only at the end (the count of pages): answers the place
    // to fill.
    int placeLater();
    // Ends the last page; answers the number of pages.
    int closePages();
    // Fills a place with its text, once the pages are closed.
    void fill(int place, const PlacedText& text);
    // Ends the last page and the file; false when it could not be written whole.
    bool finish();

private:
    struct EmbeddedFont {
        int resource = 0;                            // /F1, /F2, …
        int firstObject = 0;                         // the font and its four companions follow
        FontFace* face = nullptr;
        std::map<std::uint32_t, std::u32string> glyphs;   // used, with the characters each shows
    };

    int newObject();
    void beginObject(int number);
    void write(std::string_view text);
    void writeStream(const std::string& dictionary, std::string_view data, int compression);
    EmbeddedFont& font(FontFace& face);
    void beginText();
    void selectFont(int resource, double size);
    void glyphs(const GlyphRun& run, const PlacedText& placed);
    void endText();
    void endPage();
    std::string fontResources() const;
    void writeFont(const EmbeddedFont& font);

    QFile file_;
    double widthPt_, heightPt_;
    QString title_;
    std::uint64_t offset_ = 0;
    std::vector<std::uint64_t> objectOffsets_;       // by object number − 1
    std::vector<int> pages_;                         // page object numbers
    std::map<const FontFace*, EmbeddedFont> fonts_;
    std::map<int, int> pageFonts_;                   // the page's fonts: resource number, font object
    std::vector<int> pageForms_;                     // the page's places filled at the end
    bool pagesClosed_ = false;
    std::string content_;
    bool inText_ = false;
    int currentFont_ = 0;
    double currentSize_ = 0;
    double currentLineWidth_ = -1;
    bool ok_ = true;
};

} // namespace report
