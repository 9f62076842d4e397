// The formula language over ledger records: every shape of formula the ledger window writes (period
// grouping and captions, formatted accounts, group texts and captions, the null-aware page break), the
// language's operators and functions, and errors that name the formula, the line and the column.

#include "FormulaFixture.h"

#include "report/formula/TextFormat.h"

#include <QtTest>

using namespace report::formula;

namespace {

const char* const crlf = "\r\n";
const std::string dateField = "{CI12_MOVTESTATA.CI12_DATAREG}";

std::string joined(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : crlf) + line;
    return text;
}

// The window's period grouping formula: −1 for a missing date, else the period expression.
std::string periodGrouping(const std::vector<std::string>& declarations, const std::vector<std::string>& expression)
{
    std::string text;
    for (const std::string& d : declarations)
        text += "     " + d + crlf;
    text += joined({" (", "     If IsNull(" + dateField + ") Then", "         (", "             -1", "          )",
                    "     Else", "         ("});
    for (const std::string& line : expression)
        text += crlf + ("             " + line);
    return text + crlf + joined({"          )", " )"});
}

// The window's period caption formula: empty text for a missing date, else the caption expression.
std::string periodCaption(const std::string& expression)
{
    return joined({" (", "     If not IsNull(" + dateField + ") Then", "         (", "             " + expression,
                   "          )", "     Else", "         (", "             \"\"", "          )", "  )"});
}

// The account formatted by segments of 2, 2 and 3 characters.
const std::string formattedAccount = joined(
    {" (", "     StringVar pstrRisultato := \"\";", "     ",
     "     pstrRisultato := Mid({CI13_MOVCORPO.CI13_CONTO_PC03}, 1, 2);",
     "     pstrRisultato := pstrRisultato & \"/\" & Mid({CI13_MOVCORPO.CI13_CONTO_PC03}, 3, 2);",
     "     pstrRisultato := pstrRisultato & \"/\" & Mid({CI13_MOVCORPO.CI13_CONTO_PC03}, 5, 3);",
     "     pstrRisultato", " )"});

std::string nullAwarePageBreak(const std::string& r)
{
    return joined({"booleanVar Valore; ", "If Not(PreviousIsNull(" + r + ")) and  Not(IsNull(" + r + " ))   Then ",
                   "   Valore := previous(" + r + ")<>" + r + "; ",
                   "If (PreviousIsNull(" + r + ")) and Not(IsNull(" + r + " ))   Then ", "   Valore := true; ",
                   "If Not(PreviousIsNull(" + r + ")) and (IsNull(" + r + " ))   Then ", "   Valore := true; ",
                   "If (PreviousIsNull(" + r + ")) and  (IsNull(" + r + " ))   Then ", "   Valore := false; ",
                   "Valore "});
}

QString shown(const Value& v)
{
    if (v.isNull())
        return QStringLiteral("<null>");
    if (v.type() == ValueType::Number)
        return QString::fromStdString(v.number().toString());
    return QString::fromStdString(displayText(v));
}

struct Print {
    std::shared_ptr<report::Records> records = formulatest::ledgerRecords();
    std::unique_ptr<FormulaSet> set = formulatest::formulaSet(*records);
    std::unique_ptr<Evaluator> evaluator;

    // The formula under test is "F"; the window's account formula is there to be referred to.
    int bind(const std::string& text)
    {
        set->add("strContoFormattato", formattedAccount);
        const int f = set->add("F", text);
        set->bind();
        evaluator = std::make_unique<Evaluator>(*set, *records);
        return f;
    }
    Value at(int formula, long record)
    {
        evaluator->setRecord(record);
        return evaluator->value(formula);
    }
};

} // namespace

class ReportFormulasTest : public QObject {
    Q_OBJECT

private slots:
    void evaluatesOnARecord_data();
    void evaluatesOnARecord();
    void pageBreakFollowsTheValueAcrossNulls_data();
    void pageBreakFollowsTheValueAcrossNulls();
    void errorsNameTheFormulaLineAndColumn_data();
    void errorsNameTheFormulaLineAndColumn();
    void circularReferencesAreRefusedWithTheirChain();
    void fieldOfATableTheStatementLacksReadsNullWithAWarning();
};

void ReportFormulasTest::evaluatesOnARecord_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const std::string& formula, int record, const char* expected) {
        QTest::newRow(name) << QString::fromStdString(formula) << record << QString::fromUtf8(expected);
    };
    const std::string f = dateField, yt = "ToText(Year(" + f + "),0,\"\",\"\")";
    const std::string weekNumber = "DatePart(\"yyyy\", " + f + ") * 100 + DatePart(\"ww\", " + f + ")";
    row("week of a Sunday closing a year", periodGrouping({}, {weekNumber}), 0, "202353");
    row("week of the Monday after", periodGrouping({}, {weekNumber}), 1, "202401");
    row("missing date groups as -1", periodGrouping({}, {weekNumber}), 5, "-1");
    const std::vector<std::string> quarter{"pnumMese := DatePart(\"m\", " + f + ");",
                                           "If pnumMese <= 3 Then pnumTrimestre := 1",
                                           "Else If pnumMese <= 6 Then pnumTrimestre := 2",
                                           "Else If pnumMese <= 9 Then pnumTrimestre := 3",
                                           "Else pnumTrimestre := 4;",
                                           "DatePart(\"yyyy\", " + f + ") * 10 + pnumTrimestre"};
    const std::vector<std::string> quarterVariables{"NumberVar pnumMese := 1;", "NumberVar pnumTrimestre := 1;"};
    row("quarter of 31 December", periodGrouping(quarterVariables, quarter), 4, "20244");
    row("quarter of a leap day", periodGrouping(quarterVariables, quarter), 6, "20241");
    const std::vector<std::string> fortnight{
        "pnumGiorno := DatePart(\"d\", " + f + ");",
        "If pnumGiorno <= 15 Then DatePart(\"yyyy\", " + f + ") * 1000 + DatePart(\"m\", " + f + ") * 10 + 1",
        "Else DatePart(\"yyyy\", " + f + ") * 1000 + DatePart(\"m\", " + f + ") * 10 + 2"};
    row("day 15 is in the first fortnight", periodGrouping({"NumberVar pnumGiorno := 1;"}, fortnight), 2, "2024031");
    row("day 16 is in the second", periodGrouping({"NumberVar pnumGiorno := 1;"}, fortnight), 3, "2024032");

    const std::string fortnightCaption = "StringVar Quindicina := \"\"; Select day(" + f
                                         + ") Case 1 To 15: Quindicina := \"1^ quindicina \" Case Is > 15: Quindicina "
                                           ":= \"2^ quindicina \"; Quindicina + MonthName(month("
                                         + f + ")) + \" \" + " + yt;
    row("long fortnight caption, day 15", periodCaption(fortnightCaption), 2, "1^ quindicina marzo 2024");
    row("long fortnight caption, day 16", periodCaption(fortnightCaption), 3, "2^ quindicina marzo 2024");
    row("caption of a missing date is empty", periodCaption(fortnightCaption), 5, "");
    const std::string shortWeek = "\"sett. \" + ToText(DatePart(\"ww\", " + f + ", 0),0,\"\",\"\") + \"/\" + " + yt;
    row("short week caption closing a year", periodCaption(shortWeek), 0, "sett. 53/2023");
    row("short week caption opening a year", periodCaption(shortWeek), 1, "sett. 1/2024");
    const std::string longQuarter = "Select month(" + f + ") Case 1 To 3: \"I trimestre \" + " + yt
                                    + " Case 4 To 6: \"II trimestre \" + " + yt + " Case 7 To 9: \"III trimestre \" + "
                                    + yt + " Case 10 To 12: \"IV trimestre \" + " + yt;
    row("long quarter caption", periodCaption(longQuarter), 4, "IV trimestre 2024");
    row("long day caption of a leap day",
        periodCaption("ToText(day(" + f + "),0) + \" \" + MonthName(month(" + f + ")) + \" \" + " + yt), 6,
        "29 febbraio 2024");
    row("short month caption", periodCaption("Left(MonthName(month(" + f + ")),3) + \". \" + " + yt), 2, "mar. 2024");

    row("account cut into its segments", formattedAccount, 0, "01/01/001");
    row("short account leaves its last segment empty", formattedAccount, 4, "03/03/");
    row("group text of a cost centre",
        joined({" ( ", "     If IsNull({CI13_MOVCORPO.CI13_CONTO_PC03}) Then ", "         ( ", "             \"\"",
                "         ) ", "     Else ", "         ( ", "             {@strContoFormattato} ", "         ) ", " ) "}),
        2, "02/01/004");
    row("caption of a date level",
        joined({" ( ", "     \"Tot. per data reg.: \" & \"\" & DATE({CI12_MOVTESTATA.CI12_DATAREG}) & \"\" ", " ) "}), 2,
        "Tot. per data reg.: 15/03/2024");
    row("caption quoting the description",
        joined({" ( ", "     \"Tot. per c.d.c.: \" & \"\"\"\" & {@strContoFormattato} & \"\"\"\" ", " ) "}), 0,
        "Tot. per c.d.c.: \"01/01/001\"");
    row("page break of a level on its first record", " previous({@strContoFormattato})<>{@strContoFormattato} ", 0,
        "<null>");
    row("page break of a level where it changes", " previous({@strContoFormattato})<>{@strContoFormattato} ", 2,
        "True");

    row("strings in both quotes", "'It''s' & \" \"\"ok\"\"\"", 0, "It's \"ok\"");
    row("& writes numbers and dates the Italian way", "\"n. \" & 1234.5 & \" del \" & " + f, 2,
        "n. 1.234,50 del 15/03/2024");
    row("& takes a null as empty text", "\"x\" & {CI13_MOVCORPO.CI13_DESCRAGG}", 1, "x");
    row("ToText with decimals and both separators", "ToText({CI13_MOVCORPO.CI13_IMPORTO}, 3, \"\", \".\")", 0, "1234.500");
    row("ToText with thousands only", "ToText(1234567.891, 1, \"'\")", 0, "1'234'567,9");
    row("ToText never writes minus zero", "ToText(-0.004, 2)", 0, "0,00");
    row("Round half away from zero, positive", "Round({CI13_MOVCORPO.CI13_IMPORTO}, 2)", 3, "100.01");
    row("Round half away from zero, negative", "Round({CI13_MOVCORPO.CI13_IMPORTO}, 2)", 1, "-0.01");
    row("decimals by a parameter", "Round(2.675, {?DECIMALIEURO})", 0, "2.68");
    row("exact decimals", "0.1 + 0.2 = 0.3", 0, "True");
    row("pro-rated amount to the cent", "Round(310 * 14 / 31, 2)", 0, "140.00");
    row("arithmetic on a null is null", "{CI13_MOVCORPO.CI13_IMPORTO} * 2", 4, "<null>");
    row("IsNull sees it", "IsNull({CI13_MOVCORPO.CI13_IMPORTO} + 1)", 4, "True");
    row("characters, not bytes", "Length({CI13_MOVCORPO.CI13_DESCRAGG})", 0, "9");
    row("UpperCase and Right of accented text", "UpperCase(Right({CI13_MOVCORPO.CI13_DESCRAGG}, 2))", 0, "SÌ");
    row("Mid to the end and Trim", "Mid('abcdef', 3) & Trim('  a b  ')", 0, "cdefa b");
    row("DateAdd keeps to the month's end", "DateAdd(\"m\", 1, Date(2024, 1, 31))", 0, "29/02/2024");
    row("DateDiff in days", "DateDiff(\"d\", Date(2024, 1, 15), Date(2024, 2, 14)) + 1", 0, "31");
    row("DateDiff in months", "DateDiff(\"m\", Date(2023, 11, 30), Date(2024, 2, 1))", 0, "3");
    row("weeks start on Sunday", "DatePart(\"ww\", Date(2024, 1, 7))", 0, "2");
    row("unless told Monday", "DatePart(\"ww\", Date(2024, 1, 7), 2)", 0, "1");
    row("quarter and abbreviated month", "ToText(DatePart(\"q\", " + f + "), 0) & MonthName(8, True)", 4, "4ago");
    row("DATE reads a text", "Year(DATE('2024-05-06')) + Day(DATE('06/05/2024'))", 0, "2030");
    row("Boolean operators", "Not (1 > 2) And (\"a\" < \"b\") Or False", 0, "True");
    row("Select with a list, a range and a default", "Select 7 Case 1, 2: \"a\" Case 3 To 5: \"b\" Default: \"c\"", 0, "c");
    row("keywords in any case", "booleanVar b := TRUE; if b then 1 else 2", 0, "1");
    row("comments", "// the sum\r\n1 + 1", 0, "2");
    row("previous before the first record", "previous({CI13_MOVCORPO.CI13_CONTO_PC03})", 0, "<null>");
    row("previous record's field", "previous({CI13_MOVCORPO.CI13_CONTO_PC03})", 2, "0101001");
    row("next record's formula", "next({@strContoFormattato})", 4, "03/03/");
    row("next record's null", "NextIsNull({CI13_MOVCORPO.CI13_IMPORTO})", 3, "True");
    row("no record after the last", "NextIsNull({CI13_MOVCORPO.CI13_CONTO_PC03})", 6, "True");
}

void ReportFormulasTest::evaluatesOnARecord()
{
    QFETCH(QString, formula);
    QFETCH(int, record);
    QFETCH(QString, expected);
    Print print;
    const int f = print.bind(formula.toStdString());
    QCOMPARE(shown(print.at(f, record)), expected);
}

void ReportFormulasTest::pageBreakFollowsTheValueAcrossNulls_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QList<bool>>("breaks");
    // The counter-account over the records: none, none, 6040010, 6040010, 7010020, none, none.
    QTest::newRow("a field") << "{CG42_MOVCONT.CG42_CONTOPAR_CG24}"
                             << QList<bool>{false, false, true, false, true, true, false};
    // The accounts 0101001, 0101001, 0201004, 0201004, 0303, 0303, 0303: never null, so the first record,
    // where a value appears after none, breaks too.
    QTest::newRow("a formula") << "{@strContoFormattato}" << QList<bool>{true, false, true, false, true, false, false};
}

void ReportFormulasTest::pageBreakFollowsTheValueAcrossNulls()
{
    QFETCH(QString, reference);
    QFETCH(QList<bool>, breaks);
    Print print;
    const int f = print.bind(nullAwarePageBreak(reference.toStdString()));
    QList<bool> found;
    for (long record = 0; record < print.records->recordCount(); ++record)
        found.append(print.at(f, record).boolean());
    QCOMPARE(found, breaks);
}

void ReportFormulasTest::errorsNameTheFormulaLineAndColumn_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::newRow("misspelt keyword") << "If 1 > 0 Than 2" << "expected Then" << 1 << 10;
    QTest::newRow("missing operand on the next line") << "1 +\r\n  * 2" << "expected a value" << 2 << 3;
    QTest::newRow("unknown function") << "Foo(1)" << "unknown function 'Foo'" << 1 << 1;
    QTest::newRow("string not closed") << "1 & \"abc" << "is not closed" << 1 << 5;
    QTest::newRow("text added to a number") << "{CI13_MOVCORPO.CI13_IMPORTO} + \"a\"" << "a number is required" << 1 << 32;
    QTest::newRow("variable of another type") << "NumberVar x := \"a\"" << "a number is required for x" << 1 << 16;
    QTest::newRow("undeclared variable") << "y := 1" << "'y' is assigned but not declared" << 1 << 1;
    QTest::newRow("unknown formula") << "1 + {@nessuna}" << "there is no formula {@nessuna}" << 1 << 5;
    QTest::newRow("unknown parameter") << "{?NESSUNO}" << "there is no parameter {?NESSUNO}" << 1 << 1;
    QTest::newRow("previous of an expression") << "previous(1 + 1)" << "previous reads a field or a formula" << 1 << 10;
    QTest::newRow("branches of different types") << "If True Then 1 Else \"a\"" << "the Else part gives a string" << 1 << 21;
    QTest::newRow("division by zero while running")
        << "1 +\r\n 10 / ({CI13_MOVCORPO.CI13_IMPORTO} - {CI13_MOVCORPO.CI13_IMPORTO})" << "division by zero" << 2 << 2;
    QTest::newRow("Mid before the first character while running") << "Mid('abc', 0)" << "Mid starts at character 1" << 1 << 1;
    QTest::newRow("number of 39 digits") << "1 + " + QString(39, QLatin1Char('9')) << "more digits than a number holds" << 1 << 5;
    // Each parenthesis opens an expression and its operand: the 101st is the 201st level.
    QTest::newRow("1,000 nested parentheses") << QString(1000, QLatin1Char('(')) + "1" + QString(1000, QLatin1Char(')'))
                                               << "nested more than 200 levels deep" << 1 << 101;
    QTest::newRow("20,000-term sum") << QStringLiteral("1+").repeated(19999) + "1" << "longer than 4000 names" << 1 << 4001;
    QTest::newRow("a number less a date") << "5 - Date(2024, 1, 31)" << "a date is required before a date's minus sign" << 1 << 1;
}

void ReportFormulasTest::errorsNameTheFormulaLineAndColumn()
{
    QFETCH(QString, formula);
    QFETCH(QString, problem);
    QFETCH(int, line);
    QFETCH(int, column);
    Print print;
    try {
        print.at(print.bind(formula.toStdString()), 0);
        QFAIL("the formula was accepted");
    } catch (const FormulaError& e) {
        QVERIFY2(QString::fromStdString(e.what()).startsWith(QStringLiteral("formula 'F' %1:%2: ").arg(line).arg(column)), e.what());
        QVERIFY2(QString::fromStdString(e.problem()).contains(problem), e.what());
    }
}

void ReportFormulasTest::circularReferencesAreRefusedWithTheirChain()
{
    Print print;
    print.set->add("numDare", "{@numSaldo} + 1");
    print.set->add("numSaldo", "{@numAvere} - {@numDare}");
    print.set->add("numAvere", "2");
    try {
        print.set->bind();
        QFAIL("the circle was accepted");
    } catch (const FormulaError& e) {
        QCOMPARE(QString::fromStdString(e.problem()),
                 QStringLiteral("the formulas refer to each other in a circle: numDare → numSaldo → numDare"));
        QCOMPARE(e.column(), 15);
    }
}

void ReportFormulasTest::fieldOfATableTheStatementLacksReadsNullWithAWarning()
{
    Print print;
    const int f = print.bind("If IsNull({MG01_OPERATORI.MG01_DESCR}) Then {PD69_SPROGETTI.PD69_DESCRSOTPROG} Else \"?\"");
    QCOMPARE(shown(print.at(f, 0)), QStringLiteral("<null>"));
    QCOMPARE(print.set->warnings().size(), std::size_t(2));
    QVERIFY(QString::fromStdString(print.set->warnings()[0]).startsWith(QStringLiteral("{MG01_OPERATORI.MG01_DESCR} is not")));
}

QTEST_APPLESS_MAIN(ReportFormulasTest)
#include "test_report_formulas.moc"
