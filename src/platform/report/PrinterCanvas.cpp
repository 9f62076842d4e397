#include "report/PageCanvas.h"

#include "report/TextLayout.h"

#include <QFont>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QRawFont>

#include <map>
#include <stdexcept>
#include <utility>

namespace report {
namespace {

// The face as Qt knows it, so that a PDF printer embeds it as a font rather than painting outlines; read
// from its file when Qt's face of that name is another file (its glyph numbers would differ).
QRawFont printerFont(const FontFace& face, double pixels)
{
    QFont font(face.familyName());
    font.setBold(face.bold());
    font.setItalic(face.italic());
    font.setPixelSize(100);
    QRawFont known = QRawFont::fromFont(font);
    if (known.isValid() && known.fontTable("head") == face.table("head")) {
        known.setPixelSize(pixels);
        return known;
    }
    return QRawFont(QString::fromStdString(face.file().path), pixels);
}

// Draws on the printer the glyphs the layout placed, at the printer's resolution.
class PrinterCanvas final : public PageCanvas {
public:
    PrinterCanvas(QPrinter& printer, const PageSetup& page, int pageCount)
        : printer_(printer), layout_(page.left), left_(page.left), pageCount_(pageCount)
    {
        printer.setFullPage(true);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                          page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0)));
        if (!painter_.begin(&printer))
            throw std::runtime_error("the printer cannot be started");
        dotsPerMillimetre_ = printer.logicalDpiX() / 25.4;
    }
    ~PrinterCanvas() override
    {
        if (painter_.isActive())
            painter_.end();
    }

    void drawText(const ReportObject& object, const QString& text, double top, TextFit fit) override
    {
        if (text.isEmpty())
            return;
        const PlacedText placed = layout_.place(object, text, top, fit);
        painter_.setPen(Qt::black);
        for (const GlyphRun& glyphs : placed.shaped.runs) {
            QList<QPointF> positions;
            positions.reserve(static_cast<qsizetype>(glyphs.glyphs.size()));
            for (std::size_t i = 0; i < glyphs.glyphs.size(); ++i)
                positions.append(QPointF(dots(glyphs.offsets[i]), -dots(glyphs.rises.empty() ? 0 : glyphs.rises[i])));
            QGlyphRun run;
            run.setRawFont(rawFont(*glyphs.face, placed.size));
            run.setGlyphIndexes(QList<quint32>(glyphs.glyphs.begin(), glyphs.glyphs.end()));
            run.setPositions(positions);
            painter_.drawGlyphRun(QPointF(dots(placed.x), dots(placed.baseline)), run);
        }
    }
    void drawLine(const ReportObject& o, double top) override
    {
        painter_.setPen(QPen(Qt::black, dots(o.lineWidth)));
        painter_.drawLine(QPointF(dots(left_ + o.x), dots(top + o.y)),
                          QPointF(dots(left_ + o.x + o.width), dots(top + o.y + o.height)));
    }
    void drawBox(const ReportObject& o, double top) override
    {
        painter_.setPen(QPen(Qt::black, dots(o.lineWidth)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(dots(left_ + o.x), dots(top + o.y), dots(o.width), dots(o.height)));
    }
    void drawTextEndingInPageCount(const ReportObject& object, const QString& start, double top) override
    {
        drawText(object, start + QString::number(pageCount_), top, TextFit::Shorten);
    }
    void newPage() override { printer_.newPage(); }
    bool finish() override { return painter_.end(); }

private:
    double dots(double millimetres) const { return millimetres * dotsPerMillimetre_; }

    const QRawFont& rawFont(const FontFace& face, double points)
    {
        auto [it, added] = rawFonts_.try_emplace(std::make_pair(&face, points));
        if (added)
            it->second = printerFont(face, points * printer_.logicalDpiY() / 72.0);
        return it->second;
    }

    QPrinter& printer_;
    QPainter painter_;
    TextLayout layout_;
    double left_;
    int pageCount_;
    double dotsPerMillimetre_ = 1;
    std::map<std::pair<const FontFace*, double>, QRawFont> rawFonts_;
};

} // namespace

std::unique_ptr<PageCanvas> printerCanvas(QPrinter& printer, const PageSetup& page, int pageCount)
{
    return std::make_unique<PrinterCanvas>(printer, page, pageCount);
}

} // namespace report
