// The printed ledger at scale: the ledger file CRCI_QUORVANE.rpt grouped by cost centre and month, as
// the window prints it, over the whole ledger of a company of 100,000 and of 1,000,000 movement lines.
// Each print runs in a process of its own, so that its peak memory is its own. Prints the times, the
// pages, the peak memory, the ratio of the two sizes (linear: about 10x), and beside the 100,000-line print
// the window's extraction of the same selection. Asserts nothing.
//
//   bench_report [DB_100K DB_1M]   existing demo databases; without them, temporary ones are created
//   bench_report --print DB        (internal) one print, answering "seconds pages records peak-KB"

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/ExtractionStatements.h"
#include "engine/MovementExtraction.h"
#include "report/PreparedReport.h"
#include "report/Printing.h"
#include "report/ReportDocument.h"
#include "report/ReportFile.h"
#include "selection/MovementTypeCondition.h"

#include <sys/resource.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int benchCompany = 1;

double secondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::unique_ptr<db::Connection> openDemo(const std::string& path)
{
    return db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
}

// The whole ledger of the company, as the window's processing selects it.
quorvane::ExtractionRequest everyLineOf(db::Connection& connection)
{
    quorvane::ExtractionRequest request;
    request.settings = quorvane::engineSettingsOf(company::readCompanySettings(connection, benchCompany),
                                                  hostfw::Language::Italian);
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    return request;
}

// The ledger's report statement with the extraction's own condition.
std::string reportStatement(const quorvane::ExtractionRequest& request)
{
    QFile file(QStringLiteral(LEDGER_STATEMENT));
    file.open(QIODevice::ReadOnly);
    const std::string example = file.readAll().toStdString();
    return example.substr(0, example.find(" WHERE")) + " " + quorvane::buildExtractionStatements(request).condition;
}

void groupByCostCentreAndMonth(report::ReportDocument& document)
{
    const QString date = QStringLiteral("{CI12_MOVTESTATA.CI12_DATAREG}");
    const std::pair<QString, QString> texts[] = {
        {QStringLiteral("RAGGRUPPAMENTO9"), QStringLiteral("( {CI13_MOVCORPO.CI13_CONTO_PC03} )")},
        {QStringLiteral("DECODIFICA9"), QStringLiteral(" {CONTO.PC03_DESCR} ")},
        {QStringLiteral("RAGGRUPPAMENTO10"),
         QStringLiteral("If IsNull(%1) Then -1 Else DatePart(\"yyyy\", %1) * 100 + DatePart(\"m\", %1)").arg(date)},
        {QStringLiteral("OMETTI9"), QStringLiteral("False")},
        {QStringLiteral("OMETTI10"), QStringLiteral("False")}};
    for (report::FormulaFieldDefinition& f : document.FormulaFields())
        for (const auto& [name, text] : texts)
            if (f.FormulaFieldName().compare(name, Qt::CaseInsensitive) == 0)
                f.setText(text);
}

int printOnce(const std::string& database, int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");   // pages are drawn into the PDF, never on a screen
    QGuiApplication application(argc, argv);
    QTemporaryDir dir;
    auto connection = openDemo(database);
    const std::string statement = reportStatement(everyLineOf(*connection));
    report::ReportDocument document(report::loadReportFile(QUORVANE_PLUGIN_DIR "/CRCI_QUORVANE.rpt"));
    groupByCostCentreAndMonth(document);
    std::unique_ptr<report::PreparedReport> prepared;
    int pages = 0;
    const double seconds = secondsOf([&] {
        prepared = std::make_unique<report::PreparedReport>(document.definition(), *connection, statement,
                                                            std::map<std::string, db::Connection*>{});
        pages = report::printToPdf(*prepared, report::PrintContext{"Partitario", {}, {}, {}, {}, {}, {}, {}},
                                   dir.filePath(QStringLiteral("ledger.pdf")));
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%f %d %ld %ld\n", seconds, pages, prepared->records().recordCount(), usage.ru_maxrss);
    return 0;
}

struct PrintFigures {
    double seconds = 0;
    int pages = 0;
    long records = 0;
    long peakKilobytes = 0;
};

PrintFigures printInChild(const char* self, const std::string& database)
{
    PrintFigures f;
    const std::string command = std::string(self) + " --print '" + database + "'";
    if (FILE* child = popen(command.c_str(), "r")) {
        if (std::fscanf(child, "%lf %d %ld %ld", &f.seconds, &f.pages, &f.records, &f.peakKilobytes) != 4)
            std::printf("the print of %s gave no figures\n", database.c_str());
        pclose(child);
    }
    std::printf("%8ld lines, %6d pages: %8.2f s (%.2f ms a page), peak memory %.0f MB\n", f.records, f.pages, f.seconds,
                f.pages ? 1000 * f.seconds / f.pages : 0.0, f.peakKilobytes / 1024.0);
    return f;
}

double extractionSeconds(const std::string& database)
{
    auto connection = openDemo(database);
    const quorvane::ExtractionRequest request = everyLineOf(*connection);
    quorvane::MovementExtraction extraction(*connection);
    quorvane::NoProgress progress;
    return secondsOf([&] { extraction.run(request, progress); });
}

std::string demoDatabase(QTemporaryDir& dir, const char* name, long lines)
{
    const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
    std::printf("creating a demo database of %ld lines per company in %s\n", lines, path.c_str());
    company::DemoOptions options;
    options.linesPerCompany = lines;
    company::createDemoDatabase(path, options);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--print")
        return printOnce(argv[2], argc, argv);
    QTemporaryDir dir;
    const std::string small = argc > 2 ? argv[1] : demoDatabase(dir, "demo100k.db", 100'000);
    const std::string large = argc > 2 ? argv[2] : demoDatabase(dir, "demo1m.db", 1'000'000);
    std::printf("company %d, ledger grouped by cost centre and month, to PDF:\n", benchCompany);
    const PrintFigures hundredThousand = printInChild(argv[0], small);
    const PrintFigures million = printInChild(argv[0], large);
    std::printf("ratio 1,000,000 / 100,000 lines: %.2fx (linear: <= 11x)\n", million.seconds / hundredThousand.seconds);
    const double extraction = extractionSeconds(small);
    std::printf("the window's extraction of the same 100,000-line selection: %.2f s, its print %.2f s (%.1fx)\n",
                extraction, hundredThousand.seconds, hundredThousand.seconds / extraction);
    return 0;
}
