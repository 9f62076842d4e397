#include "report/Printing.h"

#include "report/PageCanvas.h"

#include "files/OutputFile.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>

#include <stdexcept>

namespace report {

std::optional<int> drawPdf(const PreparedReport& report, const PrintContext& context, const QString& path)
{
    auto canvas = pdfCanvas(path, report.definition().page, QString::fromStdString(context.title));
    const int pages = renderReport(report, context, *canvas);
    if (!canvas->finish())
        return std::nullopt;
    return pages;
}

int printToPdf(const PreparedReport& report, const PrintContext& context, const QString& path)
{
    files::OutputFile target(QFile::encodeName(path).toStdString(), "the PDF file");
    const std::optional<int> pages = drawPdf(report, context, QFile::decodeName(target.temporaryPath().c_str()));
    if (!pages)
        target.fail("it could not be completed (the disk is full, or the file may not grow)");
    target.commit();
    return *pages;
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
