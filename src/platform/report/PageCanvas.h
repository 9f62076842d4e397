#pragma once
// Where the renderer draws a page's objects: a PDF file written as the pages fill, or the printer the user
// chose. Both set text the same way (TextLayout), so a page reads the same on paper and on screen.
// Positions are millimetres: an object's box from the top left corner of its section, whose top is given.

#include "report/ReportDefinition.h"
#include "report/TextLayout.h"

#include <QString>

#include <memory>

class QPrinter;

namespace report {

class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    virtual void drawText(const ReportObject& object, const QString& text, double top, TextFit fit) = 0;
    virtual void drawLine(const ReportObject& object, double top) = 0;
    virtual void drawBox(const ReportObject& object, double top) = 0;
    // A text whose end is the document's count of pages ("Pagina 3 di " and the count): a PDF fills it in
    // when its last page is done, without holding the pages; a printer is told the count beforehand.
    virtual void drawTextEndingInPageCount(const ReportObject& object, const QString& start, double top) = 0;
    virtual void newPage() = 0;
    // Ends the document; false when the file or the printer reported a failure.
    virtual bool finish() = 0;
};

// Throws std::runtime_error when the file cannot be written.
std::unique_ptr<PageCanvas> pdfCanvas(const QString& path, const PageSetup& page, const QString& title);
// Throws std::runtime_error when the printer cannot be started.
std::unique_ptr<PageCanvas> printerCanvas(QPrinter& printer, const PageSetup& page, int pageCount);
// A canvas that draws nothing, to count a document's pages before printing it.
std::unique_ptr<PageCanvas> countingCanvas();

// The page's width and height in millimetres (A4).
double pageWidth(const PageSetup& page);
double pageHeight(const PageSetup& page);

} // namespace report
