#include "report/Printing.h"

#include "report/PageSink.h"

#include <QPrintDialog>
#include <QPrinter>

#include <stdexcept>

namespace report {

int printToPdf(const PreparedReport& report, const PrintContext& context, const QString& path)
{
    auto sink = PageSink::pdf(path, report.definition().page, QString::fromStdString(context.title));
    const int pages = renderReport(report, context, *sink);
    if (!sink->finish())
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
    auto sink = PageSink::printer(printer, report.definition().page);
    const int pages = renderReport(report, context, *sink);
    if (!sink->finish())
        throw std::runtime_error("the printer reported an error");
    return pages;
}

} // namespace report
