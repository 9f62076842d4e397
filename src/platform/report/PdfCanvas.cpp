#include "report/PageCanvas.h"

#include "report/PdfWriter.h"
#include "report/TextLayout.h"

namespace report {
namespace {

constexpr double a4Short = 210, a4Long = 297;

class PdfCanvas final : public PageCanvas {
public:
    PdfCanvas(const QString& path, const PageSetup& page, const QString& title)
        : writer_(path, pageWidth(page), pageHeight(page), title), layout_(page.left), left_(page.left)
    {
    }

    void drawText(const ReportObject& object, const QString& text, double top) override
    {
        if (!text.isEmpty())
            writer_.text(layout_.place(object, text, top));
    }
    void drawLine(const ReportObject& o, double top) override
    {
        writer_.line(left_ + o.x, top + o.y, left_ + o.x + o.width, top + o.y + o.height, o.lineWidth);
    }
    void drawBox(const ReportObject& o, double top) override
    {
        writer_.box(left_ + o.x, top + o.y, o.width, o.height, o.lineWidth);
    }
    void newPage() override { writer_.newPage(); }
    bool finish() override { return writer_.finish(); }

private:
    PdfWriter writer_;
    TextLayout layout_;
    double left_;
};

} // namespace

double pageWidth(const PageSetup& page)
{
    return page.landscape ? a4Long : a4Short;
}

double pageHeight(const PageSetup& page)
{
    return page.landscape ? a4Short : a4Long;
}

std::unique_ptr<PageCanvas> pdfCanvas(const QString& path, const PageSetup& page, const QString& title)
{
    return std::make_unique<PdfCanvas>(path, page, title);
}

} // namespace report
