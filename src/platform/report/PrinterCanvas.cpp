#include "report/PageCanvas.h"

#include "report/TextLayout.h"

#include <QGlyphRun>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <map>
#include <stdexcept>
#include <utility>

namespace report {
namespace {

// Draws on the printer the glyphs the layout placed, at the printer's resolution.
class PrinterCanvas final : public PageCanvas {
public:
    PrinterCanvas(QPrinter& printer, const PageSetup& page) : printer_(printer), layout_(page.left), left_(page.left)
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

    void drawText(const ReportObject& object, const QString& text, double top) override
    {
        if (text.isEmpty())
            return;
        const PlacedText placed = layout_.place(object, text, top);
        QList<quint32> glyphs(placed.glyphs.begin(), placed.glyphs.end());
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        for (double offset : placed.offsets)
            positions.append(QPointF(dots(offset), 0));
        QGlyphRun run;
        run.setRawFont(rawFont(*placed.face, placed.size));
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter_.setPen(Qt::black);
        painter_.drawGlyphRun(QPointF(dots(placed.x), dots(placed.baseline)), run);
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
    void newPage() override { printer_.newPage(); }
    bool finish() override { return painter_.end(); }

private:
    double dots(double millimetres) const { return millimetres * dotsPerMillimetre_; }

    const QRawFont& rawFont(const FontFace& face, double points)
    {
        auto [it, added] = rawFonts_.try_emplace(std::make_pair(&face, points), face.rawFont());
        if (added)
            it->second.setPixelSize(points * printer_.logicalDpiY() / 72.0);
        return it->second;
    }

    QPrinter& printer_;
    QPainter painter_;
    TextLayout layout_;
    double left_;
    double dotsPerMillimetre_ = 1;
    std::map<std::pair<const FontFace*, double>, QRawFont> rawFonts_;
};

} // namespace

std::unique_ptr<PageCanvas> printerCanvas(QPrinter& printer, const PageSetup& page)
{
    return std::make_unique<PrinterCanvas>(printer, page);
}

} // namespace report
