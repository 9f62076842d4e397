#pragma once
// Where drawn pages go: a PDF file written page by page as the pages fill (QPdfWriter compresses and
// writes each page when the next one starts, so a long ledger never sits in memory), or a printer. Both
// are paged paint devices; the sink sets the page up, hands out the painter and turns the pages.

#include "report/ReportDefinition.h"

#include <QPainter>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace report {

class PageSink {
public:
    // Throws std::runtime_error when the file cannot be written.
    static std::unique_ptr<PageSink> pdf(const QString& path, const PageSetup& page, const QString& title);
    static std::unique_ptr<PageSink> printer(QPrinter& printer, const PageSetup& page);
    ~PageSink();

    QPainter& painter() { return painter_; }
    QPaintDevice& device();
    double dotsPerMillimetre() const { return dotsPerMillimetre_; }
    void newPage();
    // Ends the document; false when the device reported a failure.
    bool finish();

private:
    PageSink(std::unique_ptr<QPdfWriter> writer, QPagedPaintDevice& device);

    std::unique_ptr<QPdfWriter> writer_;
    QPagedPaintDevice& device_;
    QPainter painter_;
    double dotsPerMillimetre_ = 1;
};

} // namespace report
