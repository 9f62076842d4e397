// The allocation-trace commands of a movement line on the demo company: each is offered exactly when the
// trace table holds a row on that side of the line, never for a row without registration or line number,
// and opening one shows the viewer for that line and direction.

#include "DisplayFixture.h"

#include "display/AllocationTraceCommands.h"
#include "display/TraceButtons.h"
#include "hostfw/ClsGlobal.h"

#include <QTreeWidget>
#include <QtTest>

using namespace quorvane::display;

namespace {

db::Recordset currentLine(const db::Value& number, const db::Value& line)
{
    db::Recordset rows = db::Recordset::inMemory(
        {{"CI12_NUMREG_CO99", db::DataType::Text, 10}, {"CI13_PROGRIGA", db::DataType::Integer}});
    rows.AddNew();
    rows.setValue("CI12_NUMREG_CO99", number);
    rows.setValue("CI13_PROGRIGA", line);
    rows.Update();
    rows.MoveFirst();
    return rows;
}

long traceRows(db::Connection& connection, const char* side, const std::string& number, const std::string& line)
{
    const std::string s = side;
    db::Recordset count = connection.Open("SELECT COUNT(*) FROM CI5C_TRACCIARIB WHERE CI5C_DITTA_CG18 = 1 AND CI5C_NUMREG"
                                          + s + "_CO99 = '" + number + "' AND CI5C_PROGRIGA" + s + "_CI13 = " + line);
    return static_cast<long>(count.value(0).toDouble());
}

} // namespace

class TraceCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void eachCommandIsOfferedWhenItsSideHasTraceRows();
    void aRowWithoutLineOffersNoCommand_data();
    void aRowWithoutLineOffersNoCommand();
    void openingShowsTheViewerForTheLineAndDirection();

private:
    std::unique_ptr<db::Connection> connection_;
};

void TraceCommandsTest::initTestCase()
{
    connection_ = displaytest::openDemo();
}

void TraceCommandsTest::eachCommandIsOfferedWhenItsSideHasTraceRows()
{
    db::Recordset lines = connection_->Open(
        "SELECT TOP 300 CI13_NUMREG_CO99, CI13_PROGRIGA FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1"
        " ORDER BY CI13_NUMREG_CO99 DESC, CI13_PROGRIGA");
    int withOrigins = 0, withDestinations = 0, without = 0;
    for (lines.MoveFirst(); !lines.EOF_(); lines.MoveNext()) {
        const std::string number = lines.value(0).toText(), line = lines.value(1).toText();
        const db::Recordset row = currentLine(number, lines.value(1));
        const TraceButtons offered = AbilitaBottoniTracciaRib(*connection_, 1, &row);
        const bool origins = traceRows(*connection_, "DES", number, line) > 0;
        const bool destinations = traceRows(*connection_, "ORI", number, line) > 0;
        QCOMPARE(offered, (TraceButtons{origins, destinations}));
        withOrigins += origins;
        withDestinations += destinations;
        without += !origins && !destinations;
    }
    QVERIFY(withOrigins > 0 && withDestinations > 0 && without > 0);
}

void TraceCommandsTest::aRowWithoutLineOffersNoCommand_data()
{
    QTest::addColumn<QVariant>("number");
    QTest::addColumn<QVariant>("line");
    QTest::newRow("no registration number") << QVariant(QString()) << QVariant(1);
    QTest::newRow("null registration number") << QVariant() << QVariant(1);
    QTest::newRow("null line") << QVariant(QStringLiteral("2023000001")) << QVariant();
}

void TraceCommandsTest::aRowWithoutLineOffersNoCommand()
{
    QFETCH(QVariant, number);
    QFETCH(QVariant, line);
    const db::Recordset row = currentLine(number.isNull() ? db::Value() : db::Value(number.toString().toStdString()),
                                          line.isNull() ? db::Value() : db::Value(line.toInt()));
    QCOMPARE(AbilitaBottoniTracciaRib(*connection_, 1, &row), TraceButtons{});
    QVERIFY(!traceLineOf(&row));
    AllocationTraceCommands commands(nullptr, nullptr, nullptr);
    QVERIFY(!commands.open(&row, hostfw::TraceDirection::Origins));
    QVERIFY(commands.viewer() == nullptr);
    QCOMPARE(AbilitaBottoniTracciaRib(*connection_, 1, nullptr), TraceButtons{});
}

void TraceCommandsTest::openingShowsTheViewerForTheLineAndDirection()
{
    db::Recordset trace = connection_->Open(
        "SELECT TOP 1 CI5C_NUMREGDES_CO99, CI5C_PROGRIGADES_CI13 FROM CI5C_TRACCIARIB WHERE CI5C_DITTA_CG18 = 1"
        " ORDER BY CI5C_NUMREGDES_CO99, CI5C_PROGRIGADES_CI13");
    const std::string number = trace.value(0).toText(), line = trace.value(1).toText();
    const db::Recordset row = currentLine(number, trace.value(1));
    auto session = hostfw::ClsGlobal::open({QString::fromStdString("Provider=SQLite;Data Source="
                                                                   + displaytest::demoDatabase() + ";Mode=ReadOnly"),
                                            1, QStringLiteral("TEST"), QStringLiteral("ITA ")});
    std::shared_ptr<db::Connection> connection = displaytest::openDemo();
    AllocationTraceCommands commands(nullptr, session, connection);
    QVERIFY(commands.open(&row, hostfw::TraceDirection::Origins));
    hostfw::AllocationTraceViewer* viewer = commands.viewer();
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->list()->topLevelItemCount(), int(traceRows(*connection_, "DES", number, line)));
    QVERIFY(viewer->windowTitle().contains(QString::fromStdString(number)));
    QVERIFY(commands.open(&row, hostfw::TraceDirection::Destinations));
    QCOMPARE(commands.viewer(), viewer);   // one viewer for the window's life
    QCOMPARE(viewer->list()->topLevelItemCount(), int(traceRows(*connection_, "ORI", number, line)));
}

QTEST_MAIN(TraceCommandsTest)
#include "test_trace_commands.moc"
