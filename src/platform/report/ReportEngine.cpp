#include "report/ReportEngine.h"

#include "report/PreparedReport.h"
#include "report/Printing.h"
#include "report/ReportFile.h"
#include "report/ReportPreview.h"

#include "hostfw/ClsGlobal.h"

#include <QDir>
#include <QLoggingCategory>
#include <QPointer>

#include <map>

namespace report {

// Failures and warnings of prints also go to the debug output, where the host's trace is read.
Q_LOGGING_CATEGORY(reportLog, "quorvane.report")

ReportEngine::ReportEngine(QObject* parent) : QObject(parent) {}

ReportEngine::~ReportEngine() = default;

void ReportEngine::setConnection(std::shared_ptr<db::Connection> connection) { connection_ = std::move(connection); }

void ReportEngine::setSession(hostfw::ClsGlobal* session) { session_ = session; }

void ReportEngine::setCaller(const QString& caller) { caller_ = caller; }

void ReportEngine::setReportFolder(const QString& folder) { folder_ = folder; }

void ReportEngine::fail(const QString& message)
{
    failed_ = true;
    errorText_ = message;
    qCWarning(reportLog).noquote() << (caller_.isEmpty() ? QString() : caller_ + QStringLiteral(": ")) + message;
}

bool ReportEngine::OpenReport(const QString& title, const QString& fileName, const QString& folder, int destination,
                              int copies)
{
    failed_ = false;
    errorText_.clear();
    definition_.reset();
    title_ = title;
    destination_ = destination == Printer ? Printer : destination == PdfFile ? PdfFile : Preview;
    copies_ = std::max(copies, 1);
    const QString path = QDir(folder.isEmpty() ? folder_ : folder).filePath(fileName);
    try {
        definition_ = loadReportFile(path.toStdString());
    } catch (const std::exception& e) {
        fail(QString::fromStdString(e.what()));
    }
    return definition_.has_value();
}

PrintContext ReportEngine::printContext() const
{
    PrintContext context;
    context.title = (title_.isEmpty() ? QString::fromStdString(definition_->title) : title_).toStdString();
    context.companyName = companyName_.toStdString();
    context.companyAddress = companyAddress_.toStdString();
    context.companyTown = companyTown_.toStdString();
    context.companyVatNumber = companyVatNumber_.toStdString();
    context.currency = currency_.toStdString();
    context.userName = (userName_.isEmpty() && session_ ? session_->UserCode() : userName_).toStdString();
    const QDate date = printDate_.isValid() ? printDate_ : QDate::currentDate();
    context.printDate = formula::Date::of(date.year(), date.month(), date.day());
    return context;
}

bool ReportEngine::Print()
{
    if (!definition_) {
        if (!failed_)
            fail(QStringLiteral("no report is open"));
        return false;
    }
    if (!connection_) {
        fail(QStringLiteral("the report has no connection to read its data from"));
        return false;
    }
    failed_ = false;
    errorText_.clear();
    warnings_.clear();
    try {
        ReportDocument document(*definition_);
        emit BeforePrintReport(&document);
        if (!document.problems().isEmpty()) {
            fail(document.problems().join(QStringLiteral("; ")));
            return false;
        }
        auto prepared = std::make_shared<const PreparedReport>(document.definition(), *connection_, sql_.toStdString(),
                                                               document.subreportConnections());
        for (const std::string& warning : prepared->warnings()) {
            warnings_.append(QString::fromStdString(warning));
            qCWarning(reportLog).noquote() << QString::fromStdString(definition_->fileName + ": " + warning);
        }
        printTo(prepared);
    } catch (const std::exception& e) {
        fail(QString::fromStdString(e.what()));
    }
    return !failed_;
}

void ReportEngine::printTo(const std::shared_ptr<const PreparedReport>& prepared)
{
    switch (destination_) {
    case PdfFile:
        if (pdfFile_.isEmpty())
            throw std::runtime_error("no PDF file is named for the print");
        pageCount_ = printToPdf(*prepared, printContext(), pdfFile_);
        return;
    case Printer: pageCount_ = printWithDialog(*prepared, printContext(), copies_, nullptr); return;
    case Preview: {
        // A print asked again replaces the caller's preview rather than opening a second one beside it.
        static std::map<QString, QPointer<ReportPreview>> shown;
        if (QPointer<ReportPreview>& previous = shown[caller_])
            previous->close();
        auto* preview = new ReportPreview(prepared, printContext(), copies_);
        shown[caller_] = preview;
        if (session_ && !session_->ApplicationTitle().isEmpty())
            preview->setWindowTitle(session_->ApplicationTitle() + QStringLiteral(" - ") + preview->windowTitle());
        pageCount_ = preview->pageCount();
        preview->show();
        return;
    }
    }
}

} // namespace report
