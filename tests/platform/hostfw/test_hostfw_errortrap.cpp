// The error trap that every window procedure runs under: the three answers of the error report,
// the early leave of a step, and a procedure without a reporter.

#include "hostfw/ErrorTrap.h"

#include <QtTest>

#include <stdexcept>
#include <vector>

using namespace hostfw;

namespace {

// Answers the error report from a list, and remembers what it was told.
class ScriptedReporter : public ErrorReporter {
public:
    explicit ScriptedReporter(std::vector<int> answers) : answers_(std::move(answers)) {}
    int reportError(const QString& procedure, const QString& error) override
    {
        reports.append(procedure + QLatin1Char(':') + error);
        const int answer = answers_.at(next_++);
        return answer;
    }
    QStringList reports;

private:
    std::vector<int> answers_;
    std::size_t next_ = 0;
};

} // namespace

class ErrorTrapTest : public QObject {
    Q_OBJECT
private slots:
    void answersOfTheErrorReport_data();
    void answersOfTheErrorReport();
    void retryRunsTheFailingStepAgainUntilItPasses();
    void aStepMayLeaveTheProcedureWithoutAnError();
    void theReportNamesTheProcedureAndTheError();
    void withoutAReporterTheProcedureIsLeft();
};

void ErrorTrapTest::answersOfTheErrorReport_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("ran");
    QTest::addColumn<bool>("completed");
    QTest::newRow("3 leaves") << 3 << "a" << false;
    QTest::newRow("5 continues with the next step") << 5 << "ac" << true;
    QTest::newRow("any other answer leaves") << 1 << "a" << false;
}

void ErrorTrapTest::answersOfTheErrorReport()
{
    QFETCH(int, answer);
    QFETCH(QString, ran);
    QFETCH(bool, completed);
    ScriptedReporter reporter({answer});
    QString trace;
    const bool result = runUnderTrap(
        reportTo([&] { return &reporter; }, QStringLiteral("Procedura")), [&] { trace += 'a'; },
        [&] { throw std::runtime_error("failed"); trace += 'b'; }, [&] { trace += 'c'; });
    QCOMPARE(trace, ran);
    QCOMPARE(result, completed);
    QCOMPARE(reporter.reports.size(), 1);
}

void ErrorTrapTest::retryRunsTheFailingStepAgainUntilItPasses()
{
    ScriptedReporter reporter({4, 4});
    int attempts = 0;
    QString trace;
    QVERIFY(runUnderTrap(reportTo([&] { return &reporter; }, QStringLiteral("P")), [&] { trace += 'a'; },
                         [&] {
                             if (++attempts < 3)
                                 throw std::runtime_error("busy");
                             trace += 'b';
                         },
                         [&] { trace += 'c'; }));
    QCOMPARE(attempts, 3);
    QCOMPARE(trace, QStringLiteral("abc")); // the steps before the failing one ran once
}

void ErrorTrapTest::aStepMayLeaveTheProcedureWithoutAnError()
{
    ScriptedReporter reporter({});
    QString trace;
    QVERIFY(!runUnderTrap(reportTo([&] { return &reporter; }, QStringLiteral("P")), [&] { trace += 'a'; },
                          [&] { return StepFlow::Leave; }, [&] { trace += 'c'; }));
    QCOMPARE(trace, QStringLiteral("a"));
    QVERIFY(reporter.reports.isEmpty());
}

void ErrorTrapTest::theReportNamesTheProcedureAndTheError()
{
    ScriptedReporter reporter({5, 3});
    runUnderTrap(reportTo([&] { return &reporter; }, QStringLiteral("CMD_ELABORA_ButtonClick")),
                 [] { throw std::runtime_error("disk full"); },
                 [] { throw std::runtime_error("cannot open Driver={FreeTDS};UID=ann;PWD={s3c;ret};Server=erp"); });
    // A connection string the error quotes keeps its password hidden.
    QCOMPARE(reporter.reports, (QStringList{QStringLiteral("CMD_ELABORA_ButtonClick:disk full"),
                                            QStringLiteral("CMD_ELABORA_ButtonClick:cannot open Driver={FreeTDS};UID=ann;"
                                                           "PWD=****;Server=erp")}));
}

void ErrorTrapTest::withoutAReporterTheProcedureIsLeft()
{
    QString trace;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Form_Activate.*no connection"));
    QVERIFY(!runUnderTrap(reportTo([] { return nullptr; }, QStringLiteral("Form_Activate")),
                          [] { throw std::runtime_error("no connection"); }, [&] { trace += 'b'; }));
    QVERIFY(trace.isEmpty());
}

QTEST_GUILESS_MAIN(ErrorTrapTest)
#include "test_hostfw_errortrap.moc"
