// quorvane report-render as a user checks a report file by hand: a ledger file printed over the ledger's
// statement with parameters and formulas given on the command line, and a formula that does not parse or
// fails while the pages are drawn refused with its place and exit status 2, the PDF printed before untouched.

#include "QuorvaneProcess.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class ReportRenderCommandTest : public QObject {
    Q_OBJECT

private slots:
    void printsALedgerAndRefusesABrokenFormula()
    {
        QTemporaryDir dir;
        const QString demo = dir.filePath(QStringLiteral("demo.db")), pdf = dir.filePath(QStringLiteral("ledger.pdf"));
        QCOMPARE(quorvane({QStringLiteral("demo-db"), demo, QStringLiteral("--lines"), QStringLiteral("300")}).status, 0);
        const QStringList print{QStringLiteral("report-render"), QStringLiteral("--db"), demo, QStringLiteral("--report"),
                                QStringLiteral(LEDGER_REPORTS "/CRCI_QUORVANEQTA.rpt"), QStringLiteral("--sql-file"),
                                QStringLiteral(LEDGER_STATEMENT), QStringLiteral("--pdf"), pdf, QStringLiteral("--company"),
                                QStringLiteral("1"), QStringLiteral("--param"), QStringLiteral("FILTROCOMPETENZA=1"),
                                QStringLiteral("--param"), QStringLiteral("DADATACOMP=2024-02-01"), QStringLiteral("--param"),
                                QStringLiteral("ADATACOMP=2024-03-31")};
        const Outcome printed = quorvane(print + QStringList{QStringLiteral("--formula"), QStringLiteral("OMETTI10=False")});
        QVERIFY2(printed.status == 0 && printed.out.contains(QStringLiteral("pages written to")), qPrintable(printed.err));
        QVERIFY(QFile(pdf).size() > 10000);

        QFile printedFile(pdf);
        QVERIFY(printedFile.open(QIODevice::ReadOnly));
        const QByteArray before = printedFile.readAll();
        printedFile.close();
        const std::pair<const char*, const char*> broken[] = {{"numDare=1 +", "formula 'numDare' 1:4: expected a value"},
                                                              {"numDare=1 / 0", "division by zero"}};
        for (const auto& [formula, reason] : broken) {
            const Outcome refused = quorvane(print + QStringList{QStringLiteral("--formula"), QString::fromUtf8(formula)});
            QCOMPARE(refused.status, 2);
            QVERIFY2(refused.err.contains(QString::fromUtf8(reason)), qPrintable(refused.err));
            QVERIFY(printedFile.open(QIODevice::ReadOnly));
            QCOMPARE(printedFile.readAll(), before);
            printedFile.close();
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"demo.db", "ledger.pdf"}));
    }
};

QTEST_APPLESS_MAIN(ReportRenderCommandTest)
#include "test_report_render_command.moc"
