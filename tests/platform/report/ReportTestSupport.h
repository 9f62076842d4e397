#pragma once
// What the report service's tests share: a small demo company database made once per test program, a
// print of a report file through the report object into a PDF, and the text of that PDF read back page by
// page with poppler, as a reader of the printed ledger would see it.

#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "report/ReportEngine.h"

#include <poppler-qt6.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <map>

namespace reporttest {

inline QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

inline const std::string& demoDatabase()
{
    static const std::string path = [] {
        const std::string file = workDir().filePath(QStringLiteral("demo.db")).toStdString();
        company::DemoOptions options;
        options.linesPerCompany = 1500;
        company::createDemoDatabase(file, options);
        return file;
    }();
    return path;
}

inline std::shared_ptr<db::Connection> demoConnection()
{
    return db::Connection::open("Provider=SQLite;Data Source=" + demoDatabase() + ";Mode=ReadOnly");
}

inline QStringList pdfPages(const QString& path)
{
    QStringList pages;
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    for (int i = 0; document && i < document->numPages(); ++i)
        pages.append(document->page(i)->text(QRectF()));
    return pages;
}

// An amount as the report prints it ("-1.234,56") in hundredths.
inline qint64 cents(QString printed)
{
    printed.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return qRound64(printed.toDouble() * 100);
}

// The printed lines of the pages that match `pattern`, its first group as the key and the last as the
// amount in hundredths; keys seen twice are summed.
inline std::map<QString, qint64> printedAmounts(const QStringList& pages, const QString& pattern)
{
    std::map<QString, qint64> found;
    const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
    for (const QString& page : pages)
        for (auto it = re.globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            found[m.captured(1)] += cents(m.captured(m.lastCapturedIndex()));
        }
    return found;
}

// The amounts of a statement's rows, its first column as the key and its last in hundredths.
inline std::map<QString, qint64> databaseAmounts(db::Connection& connection, const std::string& statement)
{
    std::map<QString, qint64> found;
    db::Recordset rows = connection.Open(statement);
    for (; !rows.EOF_(); rows.MoveNext())
        found[QString::fromStdString(rows.value(0).toText())] = qRound64(rows.value(rows.fieldCount() - 1).toDouble() * 100);
    return found;
}

struct PrintResult {
    QString pdf;
    bool failed = false;
    QString error;
    QStringList warnings;
    QStringList pages;
};

// Prints `reportFile` over `statement` into a PDF, letting `fill` change the document before printing.
inline PrintResult printReport(const QString& reportFile, const std::string& statement,
                               const std::function<void(report::ReportDocument&)>& fill = {})
{
    static int printed = 0;
    const QString pdf = workDir().filePath(QStringLiteral("print%1.pdf").arg(++printed));
    report::ReportEngine engine;
    engine.setConnection(demoConnection());
    engine.setCompanyName(QStringLiteral("Meccanica Brianzola S.r.l."));
    PrintResult result;
    result.pdf = pdf;
    if (engine.OpenReport(QStringLiteral("Partitario"), reportFile, {}, report::ReportEngine::PdfFile, 1)) {
        engine.setSql(QString::fromStdString(statement));
        engine.setPdfFile(pdf);
        if (fill)
            QObject::connect(&engine, &report::ReportEngine::BeforePrintReport,
                             [&fill](report::ReportDocument* document) { fill(*document); });
        engine.Print();
    }
    result.failed = engine.failed();
    result.error = engine.errorText();
    result.warnings = engine.warnings();
    if (!result.failed)
        result.pages = pdfPages(pdf);
    return result;
}

inline QString writeFile(const QString& name, const QByteArray& content)
{
    const QString path = workDir().filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

} // namespace reporttest
