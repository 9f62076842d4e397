#include "report/Printing.h"

#include "report/PageCanvas.h"

#include <QPrintDialog>
#include <QPrinter>

#include <stdexcept>

namespace report {

int printToPdf(const PreparedReport& report, const PrintContext& context, const QString& path)
{
    auto canvas = pdfCanvas(path, report.definition().page, QString::fromStdString(context.title));
    const int pages = renderReport(report, context, *canvas);
    if (!canvas->finish())
        throw std::runtime_error("the PDF file " + path.toStdString() + " could not be completed");
    return pages;
}

int printWithDialog(const PreparedReport& report, const PrintContext& context, int copies, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(std::max(copies, 1));
    printer.setDocName(QString::fromStdString(context.title));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    // The printer cannot leave the count of pages to be filled in: a first pass counts them.
    const int pageCount = renderReport(report, context, *countingCanvas());
    auto canvas = printerCanvas(printer, report.definition().page, pageCount);
    const int pages = renderReport(report, context, *canvas);
    if (!canvas->finish())
        throw std::runtime_error("the printer reported an error");
    return pages;
}

} // namespace report
