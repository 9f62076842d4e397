// The allocation-trace viewer on the demo company: for a line, its origins or its destinations as the trace
// table records them, each with the listed line's account and amount.

#include "HostTestSupport.h"

#include "hostfw/AllocationTraceViewer.h"
#include "hostfw/ConnectionFactory.h"

#include <QLocale>
#include <QTreeWidget>
#include <QtTest>

using namespace hostfw;

class AllocationTraceViewerTest : public QObject {
    Q_OBJECT
private slots:
    void eachSideListsItsTraceRowsWithTheirAmounts_data();
    void eachSideListsItsTraceRowsWithTheirAmounts();
};

void AllocationTraceViewerTest::eachSideListsItsTraceRowsWithTheirAmounts_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("tracedSide");
    QTest::addColumn<QString>("listedSide");
    QTest::newRow("origins of a destination line") << 0 << "DES" << "ORI";
    QTest::newRow("destinations of an origin line") << 1 << "ORI" << "DES";
}

void AllocationTraceViewerTest::eachSideListsItsTraceRowsWithTheirAmounts()
{
    QFETCH(int, direction);
    QFETCH(QString, tracedSide);
    QFETCH(QString, listedSide);
    auto session = ClsGlobal::open(hosttest::demoLogin(1));
    std::shared_ptr<db::Connection> connection = ConnectionFactory().Open(session->ConnectionString());
    const std::string traced = tracedSide.toStdString(), listed = listedSide.toStdString();
    // The traced line with the most trace rows on its side.
    db::Recordset line = connection->Open("SELECT TOP 1 CI5C_NUMREG" + traced + "_CO99, CI5C_PROGRIGA" + traced
                                          + "_CI13, COUNT(*) AS N FROM CI5C_TRACCIARIB WHERE CI5C_DITTA_CG18 = 1"
                                            " GROUP BY CI5C_NUMREG" + traced + "_CO99, CI5C_PROGRIGA" + traced
                                          + "_CI13 ORDER BY N DESC");
    const QString number = QString::fromStdString(line.value(0).toText());
    const int progressive = static_cast<int>(line.value(1).toDouble());
    db::Recordset expected = connection->Open(
        "SELECT CI13_NUMREG_CO99, CI13_PROGRIGA, CI13_IMPORTO FROM CI5C_TRACCIARIB INNER JOIN CI13_MOVCORPO"
        " ON CI13_DITTA_CG18 = CI5C_DITTA_CG18 AND CI13_NUMREG_CO99 = CI5C_NUMREG" + listed + "_CO99"
        " AND CI13_PROGRIGA = CI5C_PROGRIGA" + listed + "_CI13 WHERE CI5C_DITTA_CG18 = 1 AND CI5C_NUMREG" + traced
        + "_CO99 = '" + number.toStdString() + "' AND CI5C_PROGRIGA" + traced + "_CI13 = " + std::to_string(progressive)
        + " ORDER BY CI13_NUMREG_CO99, CI13_PROGRIGA");

    AllocationTraceViewer viewer;
    viewer.setSession(session);
    viewer.setConnection(connection);
    viewer.setLine(number, progressive, TraceDirection(direction));
    viewer.Show();
    QTreeWidget* list = viewer.list();
    QCOMPARE(list->topLevelItemCount(), int(expected.RecordCount()));
    QVERIFY(list->topLevelItemCount() > 0);
    const int decimals = session->Company().amountDecimals;
    int row = 0;
    for (expected.MoveFirst(); !expected.EOF_(); expected.MoveNext(), ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        QCOMPARE(item->text(0), QString::fromStdString(expected.value(0).toText()));
        QCOMPARE(item->text(1), QString::fromStdString(expected.value(1).toText()));
        QCOMPARE(item->text(5), QLocale(QLocale::Italian).toString(expected.value(2).toDouble(), 'f', decimals));
    }
}

QTEST_MAIN(AllocationTraceViewerTest)
#include "test_allocation_trace_viewer.moc"
