// The cost-accounting utilities as the window uses them: the error report's three answers, messages,
// and movement-type and currency texts from the company database.

#include "../../platform/hostfw/HostTestSupport.h"

#include "host/CLSCI_QUORVANE.h"

#include "hostfw/Catalogue.h"
#include "hostfw/ConnectionFactory.h"
#include "hostfw/CostUtilities.h"

#include <QtTest>

#include <stdexcept>

using namespace hostfw;
using quorvane::host::CLSCI_QUORVANE;

namespace {

// Utilities initialised as the window does it, over a session of the demo company.
struct Initialised {
    explicit Initialised(int company, const QString& language = QStringLiteral("ITA "))
        : session(ClsGlobal::open(hosttest::demoLogin(company, language))),
          answerer(hosttest::answerDialogs(*session)),
          connection(ConnectionFactory().Open(session->ConnectionString()))
    {
        program.setClsGlobal(session);
        utilities.start();
        utilities.initialise(&program, connection, QStringLiteral("Partitario contabilità analitica"),
                             QStringLiteral("FRMCI_QUORVANE"), QStringLiteral("Partitario"));
    }
    std::shared_ptr<ClsGlobal> session;
    std::shared_ptr<hosttest::ScriptedAnswerer> answerer;
    std::shared_ptr<db::Connection> connection;
    CLSCI_QUORVANE program;
    CostUtilities utilities;
};

} // namespace

class CostUtilitiesTest : public QObject {
    Q_OBJECT
private slots:
    void theErrorReportAnswersFromTheDialog_data();
    void theErrorReportAnswersFromTheDialog();
    void theErrorReportNeverThrows();
    void messagesInTheUsersLanguage();
    void movementTypesAndCurrenciesFromTheDatabase();
    void afterTerminateNothingIsShown();
};

void CostUtilitiesTest::theErrorReportAnswersFromTheDialog_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("abort leaves") << int(DialogAnswer::Abort) << 3;
    QTest::newRow("retry runs the statement again") << int(DialogAnswer::Retry) << 4;
    QTest::newRow("ignore continues") << int(DialogAnswer::Ignore) << 5;
}

void CostUtilitiesTest::theErrorReportAnswersFromTheDialog()
{
    QFETCH(int, button);
    QFETCH(int, answer);
    Initialised u(1);
    u.answerer->answers.push_back(DialogAnswer(button));
    QCOMPARE(u.utilities.reportError(QStringLiteral("CMD_ELABORA_ButtonClick"), QStringLiteral("disk full")), answer);
    const DialogRequest& shown = u.answerer->requests.back();
    QCOMPARE(shown.buttons, DialogButtons::AbortRetryIgnore);
    QCOMPARE(shown.icon, DialogIcon::Critical);
    QCOMPARE(shown.title, QStringLiteral("Partitario contabilità analitica"));
    QVERIFY(shown.text.contains(QStringLiteral("FRMCI_QUORVANE.CMD_ELABORA_ButtonClick")));
    QVERIFY(shown.text.contains(QStringLiteral("disk full")));
}

void CostUtilitiesTest::theErrorReportNeverThrows()
{
    CostUtilities uninitialised;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("SelezioneMovimenti.*lost")));
    QCOMPARE(uninitialised.reportError(QStringLiteral("SelezioneMovimenti"), QStringLiteral("lost")), 3);
}

void CostUtilitiesTest::messagesInTheUsersLanguage()
{
    Initialised u(1, QStringLiteral("ENG "));
    u.utilities.showMessage(2, 7984);
    QCOMPARE(u.answerer->texts(), QStringList{Catalogue::text(7984, Language::English)});
    QCOMPARE(u.answerer->requests.back().icon, DialogIcon::Warning);
}

void CostUtilitiesTest::movementTypesAndCurrenciesFromTheDatabase()
{
    Initialised u(3);
    db::Recordset type = u.connection->Open("SELECT TOP 1 CGT0_CODICE, CGT0_DESCRMEDIA FROM CGT0_TIPOMOV");
    QVERIFY(!type.EOF_());
    QCOMPARE(u.utilities.describeMovementType(int(type.value(0).toDouble())),
             QString::fromStdString(type.value(1).toText()).trimmed());
    QCOMPARE(u.utilities.describeMovementType(-5), QStringLiteral("-5"));
    QCOMPARE(u.utilities.currencyText(QStringLiteral("EURO")), QStringLiteral("EUR"));
    QCOMPARE(u.utilities.currencyText(QStringLiteral("XYZ")), QStringLiteral("XYZ"));
}

void CostUtilitiesTest::afterTerminateNothingIsShown()
{
    Initialised u(1);
    u.utilities.terminate();
    QVERIFY_THROWS_EXCEPTION(std::logic_error, u.utilities.showMessage(3, 39037));
    QVERIFY(u.answerer->requests.empty());
}

QTEST_MAIN(CostUtilitiesTest)
#include "test_host_cost_utilities.moc"
