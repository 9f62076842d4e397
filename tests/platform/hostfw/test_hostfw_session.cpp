// The session over a company database: what it reads of the company and its charts, and the refusal of a
// company the database does not hold.

#include "HostTestSupport.h"

#include "db/Error.h"

#include <QtTest>

using namespace hostfw;

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void theSessionReadsTheCompanyAndItsCharts_data();
    void theSessionReadsTheCompanyAndItsCharts();
    void aCompanyTheDatabaseDoesNotHoldIsRefused();
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

QTEST_MAIN(SessionTest)
#include "test_hostfw_session.moc"
