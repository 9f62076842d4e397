#include "report/PageSink.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

#include <stdexcept>

namespace report {

namespace {

constexpr int pdfResolution = 720;   // ten dots a point: positions to a fortieth of a millimetre

QPageLayout layoutOf(const PageSetup& page)
{
    return QPageLayout(QPageSize(QPageSize::A4), page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

std::unique_ptr<PageSink> PageSink::pdf(const QString& path, const PageSetup& page, const QString& title)
{
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(pdfResolution);
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("Quorvane"));
    writer->setPageLayout(layoutOf(page));
    QPdfWriter& device = *writer;
    std::unique_ptr<PageSink> sink(new PageSink(std::move(writer), device));
    if (!sink->painter_.isActive())
        throw std::runtime_error("the PDF file " + path.toStdString() + " cannot be written");
    return sink;
}

std::unique_ptr<PageSink> PageSink::printer(QPrinter& printer, const PageSetup& page)
{
    printer.setFullPage(true);
    printer.setPageLayout(layoutOf(page));
    std::unique_ptr<PageSink> sink(new PageSink(nullptr, printer));
    if (!sink->painter_.isActive())
        throw std::runtime_error("the printer cannot be started");
    return sink;
}

PageSink::PageSink(std::unique_ptr<QPdfWriter> writer, QPagedPaintDevice& device)
    : writer_(std::move(writer)), device_(device)
{
    painter_.begin(&device_);
    dotsPerMillimetre_ = device_.logicalDpiX() / 25.4;
}

PageSink::~PageSink()
{
    if (painter_.isActive())
        painter_.end();
}

QPaintDevice& PageSink::device() { return device_; }

void PageSink::newPage() { device_.newPage(); }

bool PageSink::finish() { return painter_.end(); }

} // namespace report
