// The printed ledger against the processing it prints: `quorvane print` and `quorvane run` of the same
// selection, a ledger of about 100,000 lines grouped on three levels (cost centre, expense item, month of
// registration) of a company linked to the general ledger, each command a process of its own. Prints both
// times, the pages and the ratio (the target is at most 3x). Asserts nothing.
//
//   bench_print [DB]   an existing demo database; without it, a temporary one is created

#include "company/DemoDatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Company 1 keeps about 62 of every 100 lines it is given in this selection (actual movements of sign 0 of
// cost and revenue natures).
constexpr long linesPerCompany = 162'000;

constexpr const char* selection = R"({
  "company": 1,
  "CBO_SELCONTOVDS": "2",
  "CHK_QUANTITA": "1",
  "ADVO_ORDINAMENTI": [
    { "caption": "C.d.C.", "group": true },
    { "caption": "V.d.S.", "group": true },
    { "caption": "Data reg.", "group": true, "period": 3 }
  ]
})";

struct Run {
    double seconds = 0;
    QString output;
};

Run quorvane(const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(QUORVANE_EXECUTABLE), arguments);
    process.waitForFinished(-1);
    Run run{timer.elapsed() / 1000.0, QString::fromUtf8(process.readAllStandardOutput())};
    if (process.exitCode() != 0)
        std::printf("quorvane %s failed: %s\n", qPrintable(arguments.first()),
                    qPrintable(QString::fromUtf8(process.readAllStandardError())));
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    std::string database = argc > 1 ? argv[1] : "";
    if (database.empty()) {
        database = dir.filePath(QStringLiteral("demo.db")).toStdString();
        std::printf("creating a demo database of %ld lines per company in %s\n", linesPerCompany, database.c_str());
        company::DemoOptions options;
        options.linesPerCompany = linesPerCompany;
        company::createDemoDatabase(database, options);
    }
    const QString file = dir.filePath(QStringLiteral("selection.json"));
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(selection);
    out.close();
    const QString db = QString::fromStdString(database);
    const Run run = quorvane({QStringLiteral("run"), QStringLiteral("--db"), db, QStringLiteral("--selection"), file});
    const Run print = quorvane({QStringLiteral("print"), QStringLiteral("--db"), db, QStringLiteral("--selection"), file,
                                QStringLiteral("--pdf"), dir.filePath(QStringLiteral("ledger.pdf"))});
    const QString rows = run.output.section(QLatin1Char('\n'), 1, 1).simplified();
    std::printf("company 1, grouped by cost centre, expense item and month: %s\n", qPrintable(rows));
    std::printf("quorvane run:   %6.2f s\n", run.seconds);
    std::printf("quorvane print: %6.2f s (%s)\n", print.seconds, qPrintable(print.output.trimmed()));
    std::printf("ratio print / run: %.2fx (target <= 3x)\n", print.seconds / run.seconds);
    return 0;
}
