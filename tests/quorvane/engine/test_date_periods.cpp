// Period captions of the group tree and the report's period formulas: which period a date falls in, how
// weeks are counted around the new year, and what a value that is no date gives.

#include "engine/DatePeriods.h"
#include "engine/ReportPeriodFormulas.h"

#include <QTest>

using CaptionFunction = std::string (*)(const db::Value&, hostfw::Language);
Q_DECLARE_METATYPE(CaptionFunction)
Q_DECLARE_METATYPE(db::Value)
Q_DECLARE_METATYPE(hostfw::Language)

class DatePeriodsTest : public QObject {
    Q_OBJECT

private slots:
    void periodCaptions_data();
    void periodCaptions();
    void valuesThatAreNoDateGiveEmptyCaptions_data();
    void valuesThatAreNoDateGiveEmptyCaptions();
    void periodNumberFormulaHasTheMissingDateBranchAndThePeriod();
    void captionFormulaWrapsTheExpressionInTheMissingDateTest();
    void codesWithoutFormulaGiveTheirEmptyResult_data();
    void codesWithoutFormulaGiveTheirEmptyResult();
};

namespace {

db::Value date(int y, int m, int d)
{
    return db::DateTime::fromCivil(y, m, d);
}

} // namespace

void DatePeriodsTest::periodCaptions_data()
{
    QTest::addColumn<CaptionFunction>("function");
    QTest::addColumn<db::Value>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<hostfw::Language>("language");
    const hostfw::Language italian = hostfw::Language::Italian;
    QTest::newRow("week in March") << CaptionFunction(quorvane::DateToSettimana) << date(2024, 3, 5) << "sett. 10/2024" << italian;
    QTest::newRow("Sunday 31 December 2023 is in week 53")
        << CaptionFunction(quorvane::DateToSettimana) << date(2023, 12, 31) << "sett. 53/2023" << italian;
    QTest::newRow("Monday 1 January 2024 is in week 1")
        << CaptionFunction(quorvane::DateToSettimana) << date(2024, 1, 1) << "sett. 1/2024" << italian;
    QTest::newRow("Sunday 7 January 2024 opens week 2")
        << CaptionFunction(quorvane::DateToSettimana) << date(2024, 1, 7) << "sett. 2/2024" << italian;
    QTest::newRow("day 15 in the first fortnight")
        << CaptionFunction(quorvane::DateToQuindicina) << date(2024, 3, 15) << "1 quind. mar 2024" << italian;
    QTest::newRow("day 16 in the second fortnight")
        << CaptionFunction(quorvane::DateToQuindicina) << date(2024, 3, 16) << "2 quind. mar 2024" << italian;
    QTest::newRow("month") << CaptionFunction(quorvane::DateToMese) << date(2024, 3, 5) << "mar 2024" << italian;
    QTest::newRow("August abbreviation") << CaptionFunction(quorvane::DateToMese) << date(2023, 8, 1) << "ago 2023" << italian;
    QTest::newRow("last quarter") << CaptionFunction(quorvane::DateToTrimestre) << date(2024, 10, 1) << "ott-dic 2024" << italian;
    QTest::newRow("four months end in April")
        << CaptionFunction(quorvane::DateToQuadrimestre) << date(2024, 4, 30) << "gen-apr 2024" << italian;
    QTest::newRow("half-year ends in June") << CaptionFunction(quorvane::DateToSemestre) << date(2024, 6, 30) << "gen-giu 2024" << italian;
    QTest::newRow("year") << CaptionFunction(quorvane::DateToAnno) << date(2024, 3, 5) << "anno 2024" << italian;
    QTest::newRow("a date given as the host's text")
        << CaptionFunction(quorvane::DateToMese) << db::Value("05/03/2024") << "mar 2024" << italian;
    QTest::newRow("month for an English user")
        << CaptionFunction(quorvane::DateToMese) << date(2024, 3, 5) << "Mar 2024" << hostfw::Language::English;
    QTest::newRow("fortnight for an English user")
        << CaptionFunction(quorvane::DateToQuindicina) << date(2023, 8, 16) << "2 fortn. Aug 2023" << hostfw::Language::English;
    QTest::newRow("quarter for an English user")
        << CaptionFunction(quorvane::DateToTrimestre) << date(2024, 5, 5) << "Apr-Jun 2024" << hostfw::Language::English;
    QTest::newRow("week for an English user")
        << CaptionFunction(quorvane::DateToSettimana) << date(2024, 3, 5) << "week 10/2024" << hostfw::Language::English;
    QTest::newRow("year for an English user")
        << CaptionFunction(quorvane::DateToAnno) << date(2024, 3, 5) << "year 2024" << hostfw::Language::English;
}

void DatePeriodsTest::periodCaptions()
{
    QFETCH(CaptionFunction, function);
    QFETCH(db::Value, value);
    QFETCH(QString, caption);
    QFETCH(hostfw::Language, language);
    QCOMPARE(QString::fromStdString(function(value, language)), caption);
}

void DatePeriodsTest::valuesThatAreNoDateGiveEmptyCaptions_data()
{
    QTest::addColumn<db::Value>("value");
    QTest::newRow("NULL") << db::Value();
    QTest::newRow("a period number") << db::Value(std::int64_t(202403));
    QTest::newRow("an impossible date") << db::Value("31/02/2024");
}

void DatePeriodsTest::valuesThatAreNoDateGiveEmptyCaptions()
{
    QFETCH(db::Value, value);
    for (CaptionFunction f : {quorvane::DateToSettimana, quorvane::DateToQuindicina, quorvane::DateToMese,
                              quorvane::DateToTrimestre, quorvane::DateToQuadrimestre, quorvane::DateToSemestre,
                              quorvane::DateToAnno})
        QCOMPARE(QString::fromStdString(f(value, hostfw::Language::Italian)), QString());
}

void DatePeriodsTest::periodNumberFormulaHasTheMissingDateBranchAndThePeriod()
{
    const std::string f = "{MOVIMENTI.CI12_DATAREG}";
    QCOMPARE(QString::fromStdString(quorvane::RaggruppamentoPerData(f, 3)),
             QString(" (\r\n"
                     "     If IsNull({MOVIMENTI.CI12_DATAREG}) Then\r\n"
                     "         (\r\n"
                     "             -1\r\n"
                     "          )\r\n"
                     "     Else\r\n"
                     "         (\r\n"
                     "             DatePart(\"yyyy\", {MOVIMENTI.CI12_DATAREG}) * 100 + "
                     "DatePart(\"m\", {MOVIMENTI.CI12_DATAREG})\r\n"
                     "          )\r\n"
                     " )"));
    const QString fortnight = QString::fromStdString(quorvane::RaggruppamentoPerData("F", 9));
    QVERIFY(fortnight.contains("If pnumGiorno <= 15 Then DatePart(\"yyyy\", F) * 1000 + DatePart(\"m\", F) * 10 + 1\r\n"));
    QVERIFY(fortnight.contains("Else DatePart(\"yyyy\", F) * 1000 + DatePart(\"m\", F) * 10 + 2\r\n"));
}

void DatePeriodsTest::captionFormulaWrapsTheExpressionInTheMissingDateTest()
{
    QCOMPARE(QString::fromStdString(quorvane::CaptionPerData("F", 7, 1)),
             QString(" (\r\n"
                     "     If not IsNull(F) Then\r\n"
                     "         (\r\n"
                     "             \"anno \" + ToText(Year(F),0,\"\",\"\")\r\n"
                     "          )\r\n"
                     "     Else\r\n"
                     "         (\r\n"
                     "             \"\"\r\n"
                     "          )\r\n"
                     "  )"));
    const QString shortFortnight = QString::fromStdString(quorvane::CaptionPerData("F", 9, 0));
    QVERIFY(shortFortnight.contains("Case 1 To 15: Quindicina := \"1 quind. /\" Case Is > 15: Quindicina := \"2 quind. /\""));
    QVERIFY(QString::fromStdString(quorvane::CaptionPerData("F", 4, 1)).contains("Case 10 To 12: \"IV trimestre \""));
}

void DatePeriodsTest::codesWithoutFormulaGiveTheirEmptyResult_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("grouping");
    QTest::newRow("code 8") << 8 << 0 << QString();
    QTest::newRow("code 0") << 0 << 1 << QString();
    QTest::newRow("code 10") << 10 << 0 << QString();
    QTest::newRow("style 2 of a period code") << 3 << 2 << "has a formula";
}

void DatePeriodsTest::codesWithoutFormulaGiveTheirEmptyResult()
{
    QFETCH(int, code);
    QFETCH(int, style);
    QFETCH(QString, grouping);
    QCOMPARE(QString::fromStdString(quorvane::CaptionPerData("F", code, style)), QString("\"\""));
    QCOMPARE(QString::fromStdString(quorvane::RaggruppamentoPerData("F", code)).isEmpty(), grouping.isEmpty());
}

QTEST_GUILESS_MAIN(DatePeriodsTest)
#include "test_date_periods.moc"
