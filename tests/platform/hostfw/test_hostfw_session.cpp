// The session over a company database: what it reads of the company and its charts, how account codes
// are written with the chart's segments, and how numbered messages reach the user.

#include "HostTestSupport.h"

#include "db/Error.h"
#include "hostfw/Catalogue.h"
#include "hostfw/ChartDefinitions.h"
#include "hostfw/MessageService.h"

#include <QtTest>

using namespace hostfw;

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void theSessionReadsTheCompanyAndItsCharts_data();
    void theSessionReadsTheCompanyAndItsCharts();
    void aCompanyTheDatabaseDoesNotHoldIsRefused();
    void accountCodesWrittenWithTheChartsSegments_data();
    void accountCodesWrittenWithTheChartsSegments();
    void messagesByKind_data();
    void messagesByKind();
};

void SessionTest::theSessionReadsTheCompanyAndItsCharts_data()
{
    QTest::addColumn<int>("company");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("financial");
    QTest::addColumn<int>("costCentreChart");
    QTest::addColumn<QList<int>>("segments");
    QTest::newRow("plain, Italian") << 1 << "ITA " << false << 1 << QList<int>{2, 2, 3};
    QTest::newRow("financial, English") << 2 << "ENG " << true << 3 << QList<int>{1, 2, 2, 2, 3};
    QTest::newRow("single level") << 3 << "ITA " << false << 5 << QList<int>{6};
}

void SessionTest::theSessionReadsTheCompanyAndItsCharts()
{
    QFETCH(int, company);
    QFETCH(QString, language);
    QFETCH(bool, financial);
    QFETCH(int, costCentreChart);
    QFETCH(QList<int>, segments);
    const std::shared_ptr<ClsGlobal> session = ClsGlobal::open(hosttest::demoLogin(company, language));
    QCOMPARE(session->Company().company, company);
    QCOMPARE(session->Company().financialType(), financial);
    QCOMPARE(session->Company().costCentreChart, costCentreChart);
    const std::vector<int>& sizes = session->Charts().segmentSizes(costCentreChart);
    QCOMPARE(QList<int>(sizes.begin(), sizes.end()), segments);
    QCOMPARE(session->UserLanguage().toString(), language);
    QCOMPARE(session->translator().language(), languageFromCode(language));
    QCOMPARE(session->ConnectionString(), hosttest::demoConnectionString());
    QVERIFY(session->classes().contains(QString::fromLatin1("QevGlobal.Global")));
}

void SessionTest::aCompanyTheDatabaseDoesNotHoldIsRefused()
{
    QVERIFY_THROWS_EXCEPTION(db::Error, ClsGlobal::open(hosttest::demoLogin(99)));
}

void SessionTest::accountCodesWrittenWithTheChartsSegments_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("written");
    QTest::newRow("every level") << "0102003" << 1 << "01.02.003";
    QTest::newRow("a ledger code") << "01" << 1 << "01";
    QTest::newRow("an intermediate code") << "0102" << 1 << "01.02";
    QTest::newRow("a longer code keeps its tail last") << "01020030" << 1 << "01.02.0030";
    QTest::newRow("trailing blanks go") << "0102003   " << 1 << "01.02.003";
    QTest::newRow("already written") << "01.02.003" << 1 << "01.02.003";
    QTest::newRow("single segment") << "123456" << 5 << "123456";
    QTest::newRow("unknown chart") << "0102003" << 99 << "0102003";
    QTest::newRow("empty") << "" << 1 << "";
}

void SessionTest::accountCodesWrittenWithTheChartsSegments()
{
    QFETCH(QString, code);
    QFETCH(int, chart);
    QFETCH(QString, written);
    const ChartDefinitions charts({{1, {2, 2, 3}}, {5, {6}}});
    QCOMPARE(charts.format(code, chart), written);
}

namespace {

class Recorder : public DialogAnswerer {
public:
    DialogAnswer answer(const DialogRequest& r) override
    {
        last = r;
        return DialogAnswer::Ok;
    }
    DialogRequest last;
};

} // namespace

void SessionTest::messagesByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    const QString refusal = Catalogue::text(9638, Language::English);
    QTest::newRow("2 is a refusal") << 2 << "" << int(DialogIcon::Warning) << refusal;
    QTest::newRow("3 is a notice") << 3 << "" << int(DialogIcon::Information) << refusal;
    QTest::newRow("extra text on its own line") << 3 << "TXT_CONTO" << int(DialogIcon::Information)
                                                 << refusal + "\nTXT_CONTO";
}

void SessionTest::messagesByKind()
{
    QFETCH(int, kind);
    QFETCH(QString, extra);
    QFETCH(int, icon);
    QFETCH(QString, text);
    Recorder recorder;
    const Translator english(Language::English);
    MessageService(english, recorder).show(kind, 9638, extra, QStringLiteral("Partitario"));
    QCOMPARE(int(recorder.last.icon), icon);
    QCOMPARE(recorder.last.buttons, DialogButtons::Ok);
    QCOMPARE(recorder.last.text, text);
    QCOMPARE(recorder.last.title, QStringLiteral("Partitario"));
}

QTEST_MAIN(SessionTest)
#include "test_hostfw_session.moc"
