// quorvane report-render (--db PATH | --connect ODBC-STRING) --report FILE --sql-file Q.sql --pdf OUT
//                        [--company N] [--param NAME=VALUE]… [--formula NAME=TEXT]… [--formula-file NAME=PATH]…
//                        [--sort K=0|1]… [--area GHn=0|1]…
// Prints a report file over a statement to a PDF, for checking a report file by hand: the values given
// are written into the report document just before printing, as a caller of the report service does.

#include "CommandLine.h"
#include "Commands.h"
#include "LedgerSession.h"
#include "OffscreenGui.h"

#include "db/Connection.h"
#include "report/InputFile.h"
#include "report/ReportEngine.h"

#include <QDate>
#include <QFileInfo>

#include <iostream>
#include <map>

namespace {

constexpr const char* usageText =
    "usage: quorvane report-render (--db PATH | --connect ODBC-STRING) --report FILE --sql-file Q.sql --pdf OUT\n"
    "         [--company N] [--param NAME=VALUE]... [--formula NAME=TEXT]... [--formula-file NAME=PATH]...\n"
    "         [--sort K=0|1]... [--area GHn=0|1]...";

using Assignments = std::vector<std::pair<QString, QString>>;

// Every "NAME=VALUE" given to a repeated option, in order.
Assignments assignments(const std::vector<std::string>& args, const std::string& option)
{
    Assignments found;
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option) {
            const QString text = QString::fromStdString(args[++i]);
            const qsizetype equals = text.indexOf(QLatin1Char('='));
            if (equals <= 0)
                throw CommandFailure(1, option + " takes NAME=VALUE, not \"" + args[i] + "\"");
            found.emplace_back(text.left(equals), text.mid(equals + 1));
        }
    return found;
}

QString fileText(const QString& path, const std::string& what)
{
    try {
        return QString::fromUtf8(report::readInputFile(path.toStdString(), what));
    } catch (const std::runtime_error& e) {
        throw CommandFailure(1, e.what());
    }
}

// A parameter's text as the value of its declared type; a text that is no such value stays a text, which
// the parameter refuses, naming itself.
QVariant parameterValue(const report::ParameterFieldDefinition& p, const QString& text)
{
    using report::formula::ValueType;
    bool ok = false;
    switch (p.type()) {
    case ValueType::Boolean:
        if (text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (text == QLatin1String("0") || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return QVariant(text);
    case ValueType::Number: {
        const int number = text.toInt(&ok);
        return ok ? QVariant(number) : QVariant(text);
    }
    case ValueType::Date: {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? QVariant(date) : QVariant(text);
    }
    default: return QVariant(text);
    }
}

struct DocumentChanges {
    Assignments parameters, formulas, sorts, areas;
};

void applyChanges(report::ReportDocument& document, const DocumentChanges& changes)
{
    for (const auto& [name, text] : changes.formulas) {
        bool found = false;
        for (report::FormulaFieldDefinition& f : document.FormulaFields())
            if (f.FormulaFieldName().compare(name, Qt::CaseInsensitive) == 0) {
                f.setText(text);
                found = true;
            }
        if (!found)
            std::cerr << "quorvane report-render: the report has no formula " << name.toStdString() << '\n';
    }
    for (const auto& [name, text] : changes.parameters) {
        bool found = false;
        for (report::ParameterFieldDefinition& p : document.ParameterFields())
            if (p.ParameterFieldName() == name) {
                p.AddCurrentValue(parameterValue(p, text));
                found = true;
            }
        if (!found)
            std::cerr << "quorvane report-render: the report has no parameter " << name.toStdString() << '\n';
    }
    for (const auto& [k, direction] : changes.sorts)
        if (auto* field = document.RecordSortFields().Item(k.toInt()))
            field->setSortDirection(direction.toInt());
    for (const auto& [area, direction] : changes.areas)
        if (auto* a = document.Areas(area))
            a->setSortDirection(direction.toInt());
}

// The heading's company values, from the company's registry.
void setHeading(report::ReportEngine& report, db::Connection& connection, int company)
{
    const company::CompanySettings settings = company::readCompanySettings(connection, company);
    report.setCompanyName(QString::fromStdString(settings.name));
    report.setCompanyAddress(QString::fromStdString(settings.address));
    report.setCompanyTown(QString::fromStdString(settings.town));
    report.setCompanyVatNumber(QString::fromStdString(settings.vatNumber));
    report.setCurrency(QString::fromStdString(settings.currency));
}

int render(const CommandLine& line, const DatabaseOption& database, const DocumentChanges& changes)
{
    checkOutputFile(*line.option("--pdf"), "the PDF file", database);
    std::shared_ptr<db::Connection> connection = db::Connection::open(connectionString(database));
    report::ReportEngine report;
    report.setConnection(connection);
    report.setCaller(QStringLiteral("quorvane report-render"));
    const QFileInfo file(QString::fromStdString(*line.option("--report")));
    if (!report.OpenReport({}, file.fileName(), file.absolutePath(), report::ReportEngine::PdfFile, 1)) {
        std::cerr << "quorvane report-render: " << report.errorText().toStdString() << '\n';
        return 2;
    }
    if (auto company = companyOption(line.option("--company")))
        setHeading(report, *connection, *company);
    report.setUserName(QString::fromLocal8Bit(qgetenv("USER")));
    report.setSql(fileText(QString::fromStdString(*line.option("--sql-file")), "statement file"));
    report.setPdfFile(QString::fromStdString(*line.option("--pdf")));
    QObject::connect(&report, &report::ReportEngine::BeforePrintReport,
                     [&changes](report::ReportDocument* document) { applyChanges(*document, changes); });
    report.Print();
    for (const QString& warning : report.warnings())
        std::cerr << "warning: " << warning.toStdString() << '\n';
    if (report.failed()) {
        std::cerr << "quorvane report-render: " << report.errorText().toStdString() << '\n';
        return 2;
    }
    std::cout << report.pageCount() << " pages written to " << *line.option("--pdf") << '\n';
    return 0;
}

} // namespace

int runReportRenderCommand(const std::vector<std::string>& args)
{
    CommandLine line(args,
                     {"--db", "--connect", "--report", "--sql-file", "--pdf", "--company", "--param", "--formula",
                      "--formula-file", "--sort", "--area"},
                     {});
    const std::optional<DatabaseOption> database = databaseOption(line);
    if (!line.error().empty() || !database || !line.option("--report") || !line.option("--sql-file")
        || !line.option("--pdf") || !line.positional().empty()) {
        std::cerr << usageText << (line.error().empty() ? "" : "\n  (" + line.error() + ")") << '\n';
        return 1;
    }
    return runWithOffscreenGui([&] {
        return runLedgerCommand("report-render", [&] {
            DocumentChanges changes{assignments(args, "--param"), assignments(args, "--formula"),
                                    assignments(args, "--sort"), assignments(args, "--area")};
            for (const auto& [name, path] : assignments(args, "--formula-file"))
                changes.formulas.emplace_back(name, fileText(path, "formula file"));
            return render(line, *database, changes);
        });
    });
}
