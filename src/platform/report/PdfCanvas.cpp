#include "report/PageCanvas.h"

#include "report/PdfWriter.h"
#include "report/TextLayout.h"

#include <vector>

namespace report {
namespace {

constexpr double a4Short = 210, a4Long = 297;

class PdfCanvas final : public PageCanvas {
public:
    PdfCanvas(const QString& path, const PageSetup& page, const QString& title)
        : writer_(path, pageWidth(page), pageHeight(page), title), layout_(page.left), left_(page.left)
    {
    }

    void drawText(const ReportObject& object, const QString& text, double top, TextFit fit) override
    {
        if (!text.isEmpty())
            writer_.text(layout_.place(object, text, top, fit));
    }
    void drawLine(const ReportObject& o, double top) override
    {
        writer_.line(left_ + o.x, top + o.y, left_ + o.x + o.width, top + o.y + o.height, o.lineWidth);
    }
    void drawBox(const ReportObject& o, double top) override
    {
        writer_.box(left_ + o.x, top + o.y, o.width, o.height, o.lineWidth);
    }
    void drawTextEndingInPageCount(const ReportObject& object, const QString& start, double top) override
    {
        counts_.push_back({&object, start, top, writer_.placeLater()});
    }
    void newPage() override { writer_.newPage(); }
    bool finish() override
    {
        const QString pages = QString::number(writer_.closePages());
        for (const Deferred& count : counts_)
            writer_.fill(count.place, layout_.place(*count.object, count.start + pages, count.top, TextFit::Shorten));
        return writer_.finish();
    }

private:
    struct Deferred {
        const ReportObject* object;
        QString start;
        double top;
        int place;
    };
    std::vector<Deferred> counts_;
    PdfWriter writer_;
    TextLayout layout_;
    double left_;
};

// Draws nothing: a pass that only counts the pages.
class CountingCanvas final : public PageCanvas {
public:
    void drawText(const ReportObject&, const QString&, double, TextFit) override {}
    void drawLine(const ReportObject&, double) override {}
    void drawBox(const ReportObject&, double) override {}
    void drawTextEndingInPageCount(const ReportObject&, const QString&, double) override {}
    void newPage() override {}
    bool finish() override { return true; }
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

std::unique_ptr<PageCanvas> countingCanvas()
{
    return std::make_unique<CountingCanvas>();
}

} // namespace report
