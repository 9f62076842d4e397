// Where a comparison looks: the period it extracts for a selection, worked out by hand (a year back, the
// months or days just before), the selections it refuses, and how a group's period keys move so that a
// month of this year meets the same month of the year before.

#include "engine/ComparisonSelection.h"

#include <QTest>

#include <stdexcept>

using quorvane::ComparisonKind;
using quorvane::PeriodShift;

Q_DECLARE_METATYPE(ComparisonKind)
Q_DECLARE_METATYPE(quorvane::ExtractionRequest)

namespace {

quorvane::ExtractionRequest registeredBetween(std::optional<QDate> from, std::optional<QDate> to)
{
    quorvane::ExtractionRequest request;
    request.selection.TXT_DATAREGDA = from;
    request.selection.TXT_DATAREGA = to;
    request.movementTypeCondition = "CGT0_CODICE IN (1,2)";
    return request;
}

quorvane::ExtractionRequest competenceMonths(const char* fromMonth, const char* fromYear, const char* toMonth,
                                             const char* toYear)
{
    quorvane::ExtractionRequest request = registeredBetween(std::nullopt, std::nullopt);
    request.selection.CHK_PERIODOCOMP = "1";
    request.selection.CBO_MESELI = fromMonth;
    request.selection.TXT_ANNOLI = fromYear;
    request.selection.CBO_MESELS = toMonth;
    request.selection.TXT_ANNOLS = toYear;
    return request;
}

QString periodOf(const quorvane::SelectionParameters& s)
{
    if (s.CHK_PERIODOCOMP == "1")
        return QString::fromStdString(s.CBO_MESELI + "/" + s.TXT_ANNOLI + "-" + s.CBO_MESELS + "/" + s.TXT_ANNOLS);
    const auto date = [](const std::optional<QDate>& d) { return d ? d->toString(Qt::ISODate) : QString(); };
    return date(s.TXT_DATAREGDA) + ".." + date(s.TXT_DATAREGA);
}

} // namespace

class ComparisonPeriodsTest : public QObject {
    Q_OBJECT
private slots:
    void theComparisonExtractsTheMovedPeriod_data();
    void theComparisonExtractsTheMovedPeriod();
    void aGroupsPeriodKeysMoveWithTheComparison_data();
    void aGroupsPeriodKeysMoveWithTheComparison();
};

void ComparisonPeriodsTest::theComparisonExtractsTheMovedPeriod_data()
{
    QTest::addColumn<quorvane::ExtractionRequest>("request");
    QTest::addColumn<ComparisonKind>("kind");
    QTest::addColumn<QString>("period");    // "" when the comparison refuses the selection
    const auto dates = registeredBetween;
    QTest::newRow("a quarter a year back") << dates(QDate(2024, 1, 1), QDate(2024, 3, 31))
                                           << ComparisonKind::PreviousYear << "2023-01-01..2023-03-31";
    QTest::newRow("February's end in a leap year") << dates(QDate(2024, 2, 1), QDate(2024, 2, 29))
                                                   << ComparisonKind::PreviousYear << "2023-02-01..2023-02-28";
    QTest::newRow("one open end") << dates(QDate(2024, 5, 10), std::nullopt) << ComparisonKind::PreviousYear
                                  << "2023-05-10..";
    QTest::newRow("the quarter before") << dates(QDate(2024, 1, 1), QDate(2024, 3, 31))
                                        << ComparisonKind::PreviousPeriod << "2023-10-01..2023-12-31";
    QTest::newRow("the month before, to its last day") << dates(QDate(2024, 3, 1), QDate(2024, 3, 31))
                                                       << ComparisonKind::PreviousPeriod << "2024-02-01..2024-02-29";
    QTest::newRow("ten days before") << dates(QDate(2024, 1, 5), QDate(2024, 1, 14)) << ComparisonKind::PreviousPeriod
                                     << "2023-12-26..2024-01-04";
    QTest::newRow("competence months before") << competenceMonths("11", "2023", "2", "2024")
                                              << ComparisonKind::PreviousPeriod << "7/2023-10/2023";
    QTest::newRow("competence a year back") << competenceMonths("1", "2024", "6", "2024")
                                            << ComparisonKind::PreviousYear << "1/2023-6/2023";
    QTest::newRow("budget of the same period") << dates(QDate(2024, 1, 1), QDate(2024, 6, 30))
                                               << ComparisonKind::Budget << "2024-01-01..2024-06-30";
    QTest::newRow("no period to move") << dates(std::nullopt, std::nullopt) << ComparisonKind::PreviousYear << "";
    QTest::newRow("the previous period of an open one") << dates(QDate(2024, 1, 1), std::nullopt)
                                                        << ComparisonKind::PreviousPeriod << "";
}

void ComparisonPeriodsTest::theComparisonExtractsTheMovedPeriod()
{
    QFETCH(quorvane::ExtractionRequest, request);
    QFETCH(ComparisonKind, kind);
    QFETCH(QString, period);
    const std::string budget = "CGT0_CODICE IN (3,4)";
    if (period.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, quorvane::comparisonSelection(request, kind, budget));
        return;
    }
    const quorvane::ComparisonSelection comparison = quorvane::comparisonSelection(request, kind, budget);
    QCOMPARE(periodOf(comparison.request.selection), period);
    const bool toBudget = kind == ComparisonKind::Budget;
    QCOMPARE(comparison.request.selection.CBO_INDOPERAZIONE, std::string(toBudget ? "1" : "0"));
    QCOMPARE(comparison.request.movementTypeCondition, toBudget ? budget : request.movementTypeCondition);
    QCOMPARE(comparison.shift.none(), toBudget);
}

void ComparisonPeriodsTest::aGroupsPeriodKeysMoveWithTheComparison_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("comparison");
    const QString account = "CI13_CONTO_PC03='01 AND DATAREGMESE=202403' AND ";
    QTest::newRow("a month a year back") << account + "DATAREGMESE=202403" << 12 << 0
                                         << account + "DATAREGMESE=202303";
    QTest::newRow("a month a quarter back") << "DATADOCMESE=202402" << 3 << 0 << "DATADOCMESE=202311";
    QTest::newRow("a fortnight") << "DATAREGQUIND=2024012" << 1 << 0 << "DATAREGQUIND=2023122";
    QTest::newRow("a quarter") << "DATAREGTRIM=20241 AND X=NULL" << 3 << 0 << "DATAREGTRIM=20234 AND X=NULL";
    QTest::newRow("four months") << "DATAREGQUAD=20241" << 8 << 0 << "DATAREGQUAD=20232";
    QTest::newRow("a half year") << "DATAREGSEM=20242" << 6 << 0 << "DATAREGSEM=20241";
    QTest::newRow("a year") << "DATAREGANNO=2024" << 24 << 0 << "DATAREGANNO=2022";
    QTest::newRow("a week a year back") << "DATAREGSETT=202415" << 12 << 0 << "DATAREGSETT=202315";
    QTest::newRow("a quarter moved by a month") << "DATAREGTRIM=20241" << 1 << 0 << "DATAREGTRIM=20241";
    QTest::newRow("a week moved by a month") << "DATAREGSETT=202415" << 1 << 0 << "DATAREGSETT=202415";
    QTest::newRow("a month moved by days") << "DATAREGMESE=202403" << 0 << 10 << "DATAREGMESE=202403";
    QTest::newRow("no period key") << "CI12_NUMDOC=202403" << 12 << 0 << "CI12_NUMDOC=202403";
}

void ComparisonPeriodsTest::aGroupsPeriodKeysMoveWithTheComparison()
{
    QFETCH(QString, filter);
    QFETCH(int, months);
    QFETCH(int, days);
    QFETCH(QString, comparison);
    const PeriodShift shift{months, days};
    const std::string moved = quorvane::shiftedPeriodFilter(filter.toStdString(), shift, -1);
    QCOMPARE(QString::fromStdString(moved), comparison);
    QCOMPARE(QString::fromStdString(quorvane::shiftedPeriodFilter(moved, shift, 1)), filter);
}

QTEST_GUILESS_MAIN(ComparisonPeriodsTest)
#include "test_comparison_periods.moc"
