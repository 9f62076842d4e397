#pragma once
// The report object of the host's report service: a caller sets it up, opens a report file, gives it
// the statement, and prints; just before printing it raises BeforePrintReport with the report document,
// in which the caller writes formula texts, sort directions and parameter values. Afterwards the failure
// flag tells whether the print was made; errorText() says why not.
//
//   report::ReportEngine report;
//   report.setConnection(connection);
//   report.setSession(&session);
//   report.setCaller("QUORVANE.CLSCI_QUORVANE");
//   report.setReportFolder(folder);
//   report.OpenReport("Partitario", "CRCI_QUORVANE.rpt", folder, report::ReportEngine::Preview, 1);
//   report.setCompanyName(…); report.setCompanyAddress(…); report.setCompanyTown(…);
//   report.setCompanyVatNumber(…); report.setUserName(…);
//   report.setSql(statement);
//   QObject::connect(&report, &report::ReportEngine::BeforePrintReport, window, &Window::fillReport);
//   report.Print();
//   if (report.failed()) …
//
// Where the print goes is the caller's choice, given when the report is opened: a preview window (with
// print and save-as-PDF; it outlives the report object), the printer chosen in the print dialog, or a
// PDF file (setPdfFile).

#include "report/ReportDocument.h"

#include "db/Connection.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace hostfw {
class ClsGlobal;
}

namespace report {

class PreparedReport;
struct PrintContext;

class ReportEngine : public QObject {
    Q_OBJECT
public:
    enum Destination { Preview = 0, Printer = 1, PdfFile = 2 };

    explicit ReportEngine(QObject* parent = nullptr);
    ~ReportEngine() override;

    void setConnection(std::shared_ptr<db::Connection> connection);
    // The host session: its user is printed when no user name is given, its application title names
    // the preview window.
    void setSession(hostfw::ClsGlobal* session);
    void setCaller(const QString& caller);
    void setReportFolder(const QString& folder);
    const QString& reportFolder() const { return folder_; }

    // Reads the report file `fileName` from `folder` (the report folder when empty). `destination` is
    // one of Destination; `copies` the printer's copies. A file that does not load sets the failure flag
    // and answers false; its error names the file, the place in it and the problem.
    bool OpenReport(const QString& title, const QString& fileName, const QString& folder, int destination, int copies);

    // The values of the session that the report files print in their heading.
    void setCompanyName(const QString& value) { companyName_ = value; }
    void setCompanyAddress(const QString& value) { companyAddress_ = value; }
    void setCompanyTown(const QString& value) { companyTown_ = value; }
    void setCompanyVatNumber(const QString& value) { companyVatNumber_ = value; }
    void setUserName(const QString& value) { userName_ = value; }
    void setCurrency(const QString& value) { currency_ = value; }

    void setSql(const QString& statement) { sql_ = statement; }

    // What the caller passes on to the report's parameters: who printed, for whom, notes, and whether
    // the report prints its first page, its notes and its selection limits.
    const QString& executedBy() const { return executedBy_; }
    void setExecutedBy(const QString& text) { executedBy_ = text; }
    const QString& addressee() const { return addressee_; }
    void setAddressee(const QString& text) { addressee_ = text; }
    const QString& notes() const { return notes_; }
    void setNotes(const QString& text) { notes_ = text; }
    bool firstPage() const { return firstPage_; }
    void setFirstPage(bool on) { firstPage_ = on; }
    bool printNotes() const { return printNotes_; }
    void setPrintNotes(bool on) { printNotes_ = on; }
    bool printLimits() const { return printLimits_; }
    void setPrintLimits(bool on) { printLimits_ = on; }

    void setDestination(Destination destination) { destination_ = destination; }
    void setPdfFile(const QString& path) { pdfFile_ = path; }
    // The date printed as the print date; today when not set.
    void setPrintDate(const QDate& date) { printDate_ = date; }

    // Raises BeforePrintReport, runs the statement, lays the pages out and sends them to the destination.
    // Answers false (and sets the failure flag) when anything fails; never throws.
    bool Print();

    bool failed() const { return failed_; }
    const QString& errorText() const { return errorText_; }
    // Fields the report reads that the statement does not return (they print as empty), and the like.
    const QStringList& warnings() const { return warnings_; }
    int pageCount() const { return pageCount_; }

signals:
    void BeforePrintReport(report::ReportDocument* document);

private:
    void fail(const QString& message);
    PrintContext printContext() const;
    void printTo(const std::shared_ptr<const PreparedReport>& prepared);

    std::shared_ptr<db::Connection> connection_;
    hostfw::ClsGlobal* session_ = nullptr;
    QString caller_;
    QString folder_;
    QString title_;
    std::optional<ReportDefinition> definition_;
    Destination destination_ = Preview;
    int copies_ = 1;
    QString companyName_, companyAddress_, companyTown_, companyVatNumber_, userName_, currency_;
    QString sql_;
    QString executedBy_, addressee_, notes_;
    bool firstPage_ = false, printNotes_ = false, printLimits_ = true;
    QString pdfFile_;
    QDate printDate_;
    bool failed_ = false;
    QString errorText_;
    QStringList warnings_;
    int pageCount_ = 0;
};

} // namespace report
