#pragma once
// The print routine's talk with the report service (Partitario): a new report object given the connection,
// the session, the caller and the report folder, the report file opened, the heading's company values and
// user, the statement, the print (during which the report object asks for the document's formulas and
// parameters), and its failure flag read afterwards.

#include "db/Connection.h"
#include "report/ReportEngine.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace hostfw {
class ClsGlobal;
}

namespace quorvane::print {

inline constexpr const char* callerIdentifier = "QUORVANE.CLSCI_QUORVANE";

// The report service's failure, as the window reports it: a fixed description with its number and the service
// as its source, then the service's own reason.
class ReportServiceError : public std::runtime_error {
public:
    static constexpr int number = -2147221404;   // the component's error base plus 100
    static constexpr const char* source = "ReportEngine";
    static constexpr const char* description =
        "Errore generato internamente alla classe report (invocazione metodo OpenReport)";

    explicit ReportServiceError(const QString& reason);
};

struct ReportHeading {
    QString companyName, companyAddress, companyTown, companyVatNumber;
    QString userName;
};

struct LedgerPrintJob {
    std::shared_ptr<db::Connection> connection;
    hostfw::ClsGlobal* session = nullptr;
    QString folder;                     // where the report files are
    QString fileName;                   // the report file
    int destination = report::ReportEngine::Preview;
    QString pdfFile;                    // for a PDF destination
    ReportHeading heading;
    std::string statement;
};

using BeforePrint = std::function<void(report::ReportDocument& document)>;

struct PrintOutcome {
    int pages = 0;
    QStringList warnings;     // fields the formulas read that the statement does not return, and the like
};

// Lets go of the report object held in `report` and prints through a new one kept there, so that its
// before-print event reaches `beforePrint`. A report object that failed is left holding no connection and
// no statement, and ReportServiceError is thrown; one that printed is let go.
PrintOutcome printLedger(std::unique_ptr<report::ReportEngine>& report, const LedgerPrintJob& job,
                         const BeforePrint& beforePrint);

} // namespace quorvane::print
