// quorvane report-render as a user checks a report file by hand: a ledger file printed over the ledger's
// statement with parameters and formulas given on the command line, and bad input (a formula that does not
// parse or fails while the pages are drawn, a parameter value of the wrong type, a statement file that is a
// device) refused with its place and exit status 2 or 1, the PDF printed before untouched.

#include "QuorvaneProcess.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class ReportRenderCommandTest : public QObject {
    Q_OBJECT

private slots:
    void printsALedgerAndRefusesBadInput()
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
        const struct {
            QStringList args;
            int status;
            QString message;
        } refusals[] = {
            {{QStringLiteral("--formula"), QStringLiteral("numDare=1 +")}, 2, QStringLiteral("formula 'numDare' 1:4: expected a value")},
            {{QStringLiteral("--formula"), QStringLiteral("numDare=1 / 0")}, 2, QStringLiteral("division by zero")},
            {{QStringLiteral("--param"), QStringLiteral("DECIMALIEURO=abc")}, 2,
             QStringLiteral("the parameter DECIMALIEURO is a number and cannot take the value \"abc\"")},
            {{QStringLiteral("--formula-file"), QStringLiteral("numDare=/dev/zero")}, 1,
             QStringLiteral("/dev/zero: the formula file is not a regular file")},
        };
        for (const auto& refusal : refusals) {
            const Outcome refused = quorvane(print + refusal.args);
            QCOMPARE(refused.status, refusal.status);
            QVERIFY2(refused.err.contains(refusal.message), qPrintable(refused.err));
            QVERIFY(printedFile.open(QIODevice::ReadOnly));
            QCOMPARE(printedFile.readAll(), before);
            printedFile.close();
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"demo.db", "ledger.pdf"}));
    }
};

QTEST_APPLESS_MAIN(ReportRenderCommandTest)
#include "test_report_render_command.moc"
