#include "print/LedgerPrint.h"

#include "print/ReportFiles.h"

namespace quorvane::print {

ReportServiceError::ReportServiceError(const QString& reason)
    : std::runtime_error(std::string(description) + " (" + std::to_string(number) + ", " + source + ")"
                         + (reason.isEmpty() ? "" : ":\n" + reason.toStdString()))
{
}

PrintOutcome printLedger(std::unique_ptr<report::ReportEngine>& report, const LedgerPrintJob& job,
                         const BeforePrint& beforePrint)
{
    report.reset();
    report = std::make_unique<report::ReportEngine>();
    QObject::connect(report.get(), &report::ReportEngine::BeforePrintReport,
                     [beforePrint](report::ReportDocument* document) { beforePrint(*document); });
    report->setConnection(job.connection);
    report->setSession(job.session);
    report->setCaller(QString::fromLatin1(callerIdentifier));
    report->setReportFolder(job.folder);
    report->OpenReport(QString::fromLatin1(ledgerReportTitle), job.fileName, job.folder, job.destination, 1);
    report->setCompanyName(job.heading.companyName);
    report->setCompanyAddress(job.heading.companyAddress);
    report->setCompanyTown(job.heading.companyTown);
    report->setCompanyVatNumber(job.heading.companyVatNumber);
    report->setUserName(job.heading.userName);
    report->setPdfFile(job.pdfFile);
    report->setSql(QString::fromStdString(job.statement));
    report->Print();
    if (report && report->failed()) {
        report->setConnection(nullptr);
        report->setSql({});
        throw ReportServiceError(report->errorText());
    }
    const PrintOutcome outcome{report->pageCount(), report->warnings()};
    report.reset();
    return outcome;
}

} // namespace quorvane::print
