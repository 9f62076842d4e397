// The host programs that show a movement's source, opened on registrations of the demo company: each lists
// the lines the database holds for it and totals them to the cent; the reconciliation shows the difference
// of a line whose cost-accounting amount no longer matches its journal line; Esc closes a program once.

#include "HostTestSupport.h"

#include "db/SqliteConnection.h"
#include "hostfw/SourcePrograms.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

#include <sqlite3.h>

using hostfw::ProgramOpener;
using hostfw::SourceProgramArguments;
using hostfw::SourceProgramWindow;

namespace {

// An Italian amount ("-1.234,56") in cents.
qint64 centsOf(QString text)
{
    text.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? qRound64(value * 100) : std::numeric_limits<qint64>::min();
}

QString single(db::Connection& connection, const QString& statement)
{
    db::Recordset rows = connection.Open(statement.toStdString());
    return rows.EOF_() ? QString() : QString::fromStdString(rows.value(0).toText());
}

// The first registration of company 1 that has what the condition asks, with more than one line.
QString registration(db::Connection& connection, const QString& condition)
{
    return single(connection, "SELECT TOP 1 CI12_NUMREG_CO99 FROM CI12_MOVTESTATA WHERE CI12_DITTA_CG18 = 1 AND "
                                  + condition + " AND (SELECT COUNT(*) FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1"
                                  " AND CI13_NUMREG_CO99 = CI12_NUMREG_CO99) > 1 ORDER BY CI12_NUMREG_CO99");
}

SourceProgramArguments argumentsFor(db::Connection& connection, const QString& number)
{
    SourceProgramArguments a;
    a.company = 1;
    a.registrationNumber = number;
    a.filter = "CG41_DITTA_CG18 = 1 AND CG41_NUMREG = '" + number + "'";
    a.documentKey =
        single(connection, "SELECT DO11_DOCUM_MG36 FROM DO11_DOCTESTATA WHERE DO11_NUMREG_CO99 = '" + number + "'")
            .trimmed();
    return a;
}

ProgramOpener opener(const QString& name)
{
    if (name == QLatin1String("movements"))
        return &hostfw::openMovementsProgram;
    if (name == QLatin1String("journal entry"))
        return &hostfw::openJournalEntryProgram;
    if (name == QLatin1String("reconciliation"))
        return &hostfw::openReconciliationProgram;
    return &hostfw::openDocumentProgram;
}

} // namespace

class SourceProgramsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void eachProgramListsTheRegistrationsLinesAndTotalsThem_data();
    void eachProgramListsTheRegistrationsLinesAndTotalsThem();
    void theReconciliationShowsWhatWasNotAllocated();

private:
    std::unique_ptr<db::Connection> connection_;
};

void SourceProgramsTest::initTestCase()
{
    connection_ = db::Connection::open(hosttest::demoConnectionString().toStdString());
}

void SourceProgramsTest::eachProgramListsTheRegistrationsLinesAndTotalsThem_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("lines");          // their count, over the registration %1
    QTest::addColumn<QStringList>("totals");     // caption, then the sum that gives it, …
    QTest::newRow("movements") << "movements" << "CI12_INDPROVENIENZA = 0"
                               << "SELECT COUNT(*) FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1 AND CI13_NUMREG_CO99 = '%1'"
                               << QStringList{"Totale importo",
                                              "SELECT SUM(CI13_IMPORTO) FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1 "
                                              "AND CI13_NUMREG_CO99 = '%1'",
                                              "Totale quantità",
                                              "SELECT SUM(ISNULL(CI13_QTA, 0)) FROM CI13_MOVCORPO WHERE "
                                              "CI13_DITTA_CG18 = 1 AND CI13_NUMREG_CO99 = '%1'"};
    const QString ledgerLines = "FROM CG42_MOVCONT WHERE CG42_DITTA_CG18 = 1 AND CG42_NUMREG_CG41 = '%1'";
    const QString withEntry = "CI12_NUMREG_CO99 IN (SELECT CG41_NUMREG FROM CG41_PRIMANOTA WHERE CG41_DITTA_CG18 = 1)";
    QTest::newRow("journal entry") << "journal entry" << withEntry << "SELECT COUNT(*) " + ledgerLines
                                   << QStringList{"Totale dare", "SELECT SUM(CG42_IMPORTO) " + ledgerLines
                                                                     + " AND CG42_SEGNO = 'D'",
                                                  "Totale avere", "SELECT SUM(CG42_IMPORTO) " + ledgerLines
                                                                      + " AND CG42_SEGNO = 'A'"};
    const QString costLines = "FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1 AND CI13_NUMREG_CO99 = '%1'";
    QTest::newRow("reconciliation")
        << "reconciliation" << withEntry << "SELECT COUNT(*) " + ledgerLines
        << QStringList{"Totale CoAn", "SELECT SUM(CI13_IMPORTO) " + costLines, "Totale CoGe ripartito",
                       "SELECT SUM(CG42_IMPORTO) " + ledgerLines + " AND CG42_NUMRIGACONT IN (SELECT CI13_RIGACONT_CG42 "
                           + costLines + ")"};
    const QString documentLines = "FROM DO30_DOCCORPO WHERE DO30_DITTA_CG18 = 1 AND DO30_NUMREG_CO99 = '%1'";
    QTest::newRow("document")
        << "document" << "CI12_NUMREG_CO99 IN (SELECT DO11_NUMREG_CO99 FROM DO11_DOCTESTATA WHERE DO11_DITTA_CG18 = 1)"
        << "SELECT COUNT(*) " + documentLines
        << QStringList{"Totale quantità", "SELECT SUM(DO30_QTA) " + documentLines, "Totale documento",
                       "SELECT SUM(DO30_IMPORTO) " + documentLines};
}

void SourceProgramsTest::eachProgramListsTheRegistrationsLinesAndTotalsThem()
{
    QFETCH(QString, program);
    QFETCH(QString, condition);
    QFETCH(QString, lines);
    QFETCH(QStringList, totals);
    const QString number = registration(*connection_, condition);
    QVERIFY(!number.isEmpty());
    QPointer<SourceProgramWindow> window =
        opener(program)({*connection_, 2, 2, nullptr}, argumentsFor(*connection_, number));
    QCOMPARE(window->lines()->topLevelItemCount(), single(*connection_, lines.arg(number)).toInt());
    for (int i = 0; i < totals.size(); i += 2)
        QCOMPARE(centsOf(window->totalValue(totals[i])),
                 qRound64(single(*connection_, totals[i + 1].arg(number)).toDouble() * 100));
    QVERIFY(window->windowTitle().endsWith(QStringLiteral("(sola lettura)")));

    QSignalSpy closed(window.data(), &SourceProgramWindow::closed);
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(closed.count(), 1);
}

// A journal line whose cost-accounting line grew by 10,00 is 10,00 short: on its line and in total.
void SourceProgramsTest::theReconciliationShowsWhatWasNotAllocated()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.db"));
    QVERIFY(QFile::copy(hosttest::demoDatabase(), copy));
    const auto connection = db::Connection::open("Provider=SQLite;Data Source=" + copy.toStdString());
    const QString number = registration(
        *connection, "CI12_NUMREG_CO99 IN (SELECT CG41_NUMREG FROM CG41_PRIMANOTA WHERE CG41_DITTA_CG18 = 1)");
    const std::string change = "UPDATE CI13_MOVCORPO SET CI13_IMPORTO = CI13_IMPORTO + 10 WHERE CI13_DITTA_CG18 = 1"
                               " AND CI13_PROGRIGA = 1 AND CI13_NUMREG_CO99 = '" + number.toStdString() + "'";
    QCOMPARE(sqlite3_exec(dynamic_cast<db::SqliteConnection&>(*connection).handle(), change.c_str(), nullptr, nullptr,
                          nullptr),
             SQLITE_OK);

    SourceProgramArguments arguments;
    arguments.company = 1;
    arguments.registrationNumber = number;
    std::unique_ptr<SourceProgramWindow> window(hostfw::openReconciliationProgram({*connection, 2, 2, nullptr}, arguments));
    QCOMPARE(window->totalValue(QStringLiteral("Differenza totale")), QStringLiteral("-10,00"));
    const QTreeWidgetItem* first = window->lines()->topLevelItem(0);
    QCOMPARE(first->text(0), QStringLiteral("1"));
    QCOMPARE(first->text(8), QStringLiteral("-10,00"));
    QCOMPARE(first->childCount(), 1);
    QCOMPARE(first->child(0)->text(4), QStringLiteral("1"));
}

QTEST_MAIN(SourceProgramsTest)
#include "test_source_programs.moc"
