// What the window writes into the printed ledger's report: the formatted-account formulas cut by the chart's
// segments, the grouping levels numbered from 10 down, each level's grouping, texts, captions and page break,
// the ordering formulas and directions, the report file, the parameters, and a report file that asks for
// fewer names than the window offers.

#include "../../platform/hostfw/HostTestSupport.h"

#include "print/ReportDocumentWriter.h"
#include "print/ReportFiles.h"
#include "report/ReportEngine.h"
#include "report/ReportFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <map>

using quorvane::OrderingColumn;
using quorvane::print::FormulaText;
using quorvane::print::ReportFormulaPlan;

using Pieces = std::vector<std::pair<int, int>>;   // start and length of each segment
using Named = std::map<std::string, std::string>;

namespace {

std::string lines(std::initializer_list<std::string> all)
{
    std::string text;
    for (const std::string& line : all)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

OrderingColumn grouping(const char* caption, const char* column, int period = 8, bool pageBreak = false)
{
    return {caption, column, true, period != 8, "ASC", true, period, pageBreak};
}

OrderingColumn ordering(const char* caption, const char* column, const char* direction)
{
    return {caption, column, true, false, direction, false, 8, false};
}

// The plan for the rows over company 1 of the demo database (charts of segments 2, 2 and 3).
ReportFormulaPlan planOf(std::vector<OrderingColumn> rows, std::optional<std::string> fixed = std::nullopt)
{
    static const auto connection = db::Connection::open(hosttest::demoConnectionString().toStdString());
    quorvane::print::AccountFormulas accounts(*connection, 1, 2);
    return quorvane::print::buildFormulaPlan({std::move(rows), std::move(fixed), false, std::nullopt}, accounts);
}

std::map<std::string, std::string> byName(const std::vector<FormulaText>& formulas)
{
    std::map<std::string, std::string> named;
    for (const FormulaText& f : formulas)
        named[f.name] = f.text;
    return named;
}

std::string segmentLine(const std::string& code, int start, int size)
{
    return start == 1 ? "     pstrRisultato := Mid(" + code + ", 1, " + std::to_string(size) + ");"
                      : "     pstrRisultato := pstrRisultato & \"/\" & Mid(" + code + ", " + std::to_string(start) + ", "
                            + std::to_string(size) + ");";
}

} // namespace

class LedgerReportFormulasTest : public QObject {
    Q_OBJECT
private slots:
    void anAccountIsCutIntoItsChartsSegments_data();
    void anAccountIsCutIntoItsChartsSegments();
    void theWindowReadsTheSegmentsOfBothCharts();
    void groupingLevelsAreNumberedFromTenDown_data();
    void groupingLevelsAreNumberedFromTenDown();
    void aLevelGroupsCaptionsAndBreaksByItsRow_data();
    void aLevelGroupsCaptionsAndBreaksByItsRow();
    void orderingRowsSortTheRecords();
    void theFixedOrderingFieldSortsFirst_data();
    void theFixedOrderingFieldSortsFirst();
    void theReportFileFollowsTheLedgerLinkAndTheQuantities();
    void theCompetencePeriodBoundsTheParameters_data();
    void theCompetencePeriodBoundsTheParameters();
    void aReportWithFewerNamesTakesThoseItHas();
};

void LedgerReportFormulasTest::anAccountIsCutIntoItsChartsSegments_data()
{
    QTest::addColumn<std::vector<std::int16_t>>("sizes");
    QTest::addColumn<Pieces>("pieces");
    QTest::newRow("two rows of 2 and 3") << std::vector<std::int16_t>{2, 3}
                                         << Pieces{{1, 2}, {3, 3}};
    QTest::newRow("five rows") << std::vector<std::int16_t>{1, 2, 2, 2, 3}
                               << Pieces{{1, 1}, {2, 2}, {4, 2}, {6, 2}, {8, 3}};
    QTest::newRow("more than five rows") << std::vector<std::int16_t>{1, 1, 1, 1, 1, 4}
                                         << Pieces{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
    QTest::newRow("a row of size 0") << std::vector<std::int16_t>{2, 0} << Pieces{{1, 2}, {3, 0}};
}

void LedgerReportFormulasTest::anAccountIsCutIntoItsChartsSegments()
{
    QFETCH(std::vector<std::int16_t>, sizes);
    QFETCH(Pieces, pieces);
    const auto segments = quorvane::print::ChartSegments::fromSizes(sizes);
    for (const bool subAccount : {false, true}) {
        const std::string code = subAccount ? "pstrConto" : "{CI13_MOVCORPO.CI13_CONTO_PC03}";
        std::string expected = " (\r\n     StringVar pstrRisultato := \"\";\r\n";
        if (subAccount)
            expected += "     StringVar pstrConto := {@strConto};\r\n";
        expected += "     \r\n";
        for (const auto& [start, size] : pieces)
            expected += segmentLine(code, start, size) + "\r\n";
        expected += "     pstrRisultato\r\n )";
        QCOMPARE(quorvane::print::formattedAccountFormula(segments, code, subAccount), expected);
    }
}

void LedgerReportFormulasTest::theWindowReadsTheSegmentsOfBothCharts()
{
    QCOMPARE(quorvane::print::chartSegmentsStatement(4),
             std::string(" SELECT\r\n   PC02_PROG\r\n   , PC02_INDNATURA\r\n   , PC02_DIMENSIONE\r\n FROM\r\n   PC02_CONFIGPDC\r\n"
                         " WHERE\r\n   PC02_CODICE_PC01 = 4\r\n ORDER BY\r\n   PC02_PROG"));
    // Company 1's charts have three levels of 2, 2 and 3 characters.
    const std::map<std::string, std::string> formulas = byName(planOf({}).formulas);
    for (const auto& [name, code] : {std::pair{"STRCONTOFORMATTATO", "{CI13_MOVCORPO.CI13_CONTO_PC03}"},
                                     std::pair{"STRVDSFORMATTATA", "{CI13_MOVCORPO.CI13_VDS_PC03}"}})
        QCOMPARE(formulas.at(name), lines({" (", "     StringVar pstrRisultato := \"\";", "     ", segmentLine(code, 1, 2),
                                           segmentLine(code, 3, 2), segmentLine(code, 5, 3), "     pstrRisultato", " )"}));
}

void LedgerReportFormulasTest::groupingLevelsAreNumberedFromTenDown_data()
{
    QTest::addColumn<int>("groupingRows");
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
    QTest::newRow("ten") << 10;
    QTest::newRow("eleven: the first has no level") << 11;
}

void LedgerReportFormulasTest::groupingLevelsAreNumberedFromTenDown()
{
    QFETCH(int, groupingRows);
    std::vector<std::string> columns;
    std::vector<OrderingColumn> rows{ordering("Nr. doc.", "CI12_NUMDOC", "ASC")};
    for (int i = 1; i <= groupingRows; ++i)
        columns.push_back("CI13_ENTITA" + std::to_string(i));
    for (const std::string& column : columns)
        rows.push_back(grouping("Entità", column.c_str()));
    const ReportFormulaPlan plan = planOf(rows);
    const std::map<std::string, std::string> formulas = byName(plan.formulas);
    for (int level = 1; level <= 10; ++level) {
        const int row = groupingRows - (10 - level);   // from 1, in grid order
        const auto found = formulas.find("RAGGRUPPAMENTO" + std::to_string(level));
        if (row < 1) {
            QVERIFY(found == formulas.end());
            continue;
        }
        QCOMPARE(found->second, "( {CI13_MOVCORPO.CI13_ENTITA" + std::to_string(row) + "} )");
        QCOMPARE(formulas.at("OMETTI" + std::to_string(level)), std::string("False"));
    }
    QVERIFY(formulas.find("RAGGRUPPAMENTO0") == formulas.end());
    int hidden = 0;
    for (const auto& area : plan.areas)
        if (area.hideForDrillDown) {
            ++hidden;
            QCOMPARE(area.name, "GH" + std::to_string(11 - groupingRows));
        }
    QCOMPARE(hidden, groupingRows <= 10 ? 1 : 0);
}

void LedgerReportFormulasTest::aLevelGroupsCaptionsAndBreaksByItsRow_data()
{
    const std::string account = " {CI13_MOVCORPO.CI13_CONTO_PC03} ";
    const std::string date = " {CI12_MOVTESTATA.CI12_DATAREG} ";
    const std::string number = " {CI12_MOVTESTATA.CI12_NUMDOC} ";
    const std::string empty = "         ( \r\n             \"\"\r\n         ) \r\n     Else \r\n         ( \r\n";
    QTest::addColumn<OrderingColumn>("row");
    QTest::addColumn<Named>("expected");
    QTest::newRow("cost centre with a page break")
        << grouping("C.d.C.", "CI13_CONTO_PC03", 8, true)
        << Named{{"RAGGRUPPAMENTO10", "(" + account + ")"},
                 {"STRRAGGRUPPAMENTO10", " ( \r\n     If IsNull({CI13_MOVCORPO.CI13_CONTO_PC03}) Then \r\n" + empty
                                             + "             {@strContoFormattato} \r\n         ) \r\n ) "},
                 {"CAPTION10", lines({" ( ", "     \"Tot. per c.d.c.: \" & \"\"\"\" & {@Decodifica10} & \"\"\"\" ", " ) "})},
                 {"DECODIFICA10", " {CONTO.PC03_DESCR} "},
                 {"SALTOPAGINA10",
                  lines({"booleanVar Valore; ", "If Not(PreviousIsNull(" + account + ")) and  Not(IsNull(" + account + " ))   Then ",
                         "   Valore := previous(" + account + ")<>" + account + "; ",
                         "If (PreviousIsNull(" + account + ")) and Not(IsNull(" + account + " ))   Then ", "   Valore := true; ",
                         "If Not(PreviousIsNull(" + account + ")) and (IsNull(" + account + " ))   Then ", "   Valore := true; ",
                         "If (PreviousIsNull(" + account + ")) and  (IsNull(" + account + " ))   Then ",
                         "   Valore := false; ", "Valore "})}};
    QTest::newRow("month of registration with a page break")
        << grouping("Data reg.", "CI12_DATAREG", 3, true)
        << Named{{"RAGGRUPPAMENTO10", lines({" (", "     If IsNull(" + date + ") Then", "         (", "             -1",
                                             "          )", "     Else", "         (",
                                             "             DatePart(\"yyyy\", " + date + ") * 100 + DatePart(\"m\", " + date + ")",
                                             "          )", " )"})},
                 {"ISDATA10", "True"},
                 {"CAPTION10", lines({" ( ", "     \"Tot. per data reg.: \" & \"\" & DATE({CI12_MOVTESTATA.CI12_DATAREG}) & \"\" ",
                                      " ) "})},
                 {"SALTOPAGINA10", " previous({@RAGGRUPPAMENTO10})<>{@RAGGRUPPAMENTO10} "}};
    QTest::newRow("document number, a caption without description")
        << grouping("Nr. doc.", "CI12_NUMDOC")
        << Named{{"STRRAGGRUPPAMENTO10", " ( \r\n     If IsNull(" + number + ") Then \r\n" + empty + "             ToText(" + number
                                             + ", 0, \"\", \"\") \r\n         ) \r\n ) "},
                 {"CAPTION10", lines({" ( ", "     \"Tot. per nr. doc.\" ", " ) "})}};
    QTest::newRow("customer")
        << grouping("Codice cliente", "CLIENTE")
        << Named{{"RAGGRUPPAMENTO10", "( {@numCodiceCliente} )"},
                 {"DECODIFICA10", lines({" ( ", "     If ({@numCodiceCliente} <> -1) Then ", "         ( ",
                                         "             {ANAGCLIFOR.CG16_RAGSOANAG} ", "         ) ", "     Else ", "         ( ",
                                         "             \"\" ", "         ) ", " )"})}};
    QTest::newRow("entity 1") << grouping("E. 1 - Zona", "CI13_ENTITA1")
                              << Named{{"CAPTION10", lines({" ( ", "     \"Tot. per e. 1 - zona: \" & \"\"\"\" & {@Decodifica10} & \"\"\"\" ", " ) "})},
                                       {"DECODIFICA10", " {ENTITA1.CI02_DESCR} "}};
    QTest::newRow("entity 10") << grouping("E. 10 - Linea", "CI13_ENTITA10") << Named{{"DECODIFICA10", " {ENTITA10.CI02_DESCR} "}};
}

void LedgerReportFormulasTest::aLevelGroupsCaptionsAndBreaksByItsRow()
{
    QFETCH(OrderingColumn, row);
    QFETCH(Named, expected);
    const Named formulas = byName(planOf({row}).formulas);
    for (const auto& [name, text] : expected) {
        QVERIFY2(formulas.count(name), name.c_str());
        QCOMPARE(formulas.at(name), text);
    }
    for (const char* optional : {"ISDATA10", "SALTOPAGINA10", "DECODIFICA10"})
        QCOMPARE(formulas.count(optional), expected.count(optional));
}

void LedgerReportFormulasTest::orderingRowsSortTheRecords()
{
    OrderingColumn centres = grouping("C.d.C.", "CI13_CONTO_PC03");
    centres.direction = "";
    const ReportFormulaPlan plan = planOf({ordering("Nr. doc.", "CI12_NUMDOC", "desc"), centres,
                                           ordering("Codice cliente", "CLIENTE", ""), ordering("Natura costo", "NATURA", "ASC")});
    const std::map<std::string, std::string> formulas = byName(plan.formulas);
    QCOMPARE(formulas.at("ORDINAMENTO1"), std::string("({CI12_MOVTESTATA.CI12_NUMDOC})"));
    QCOMPARE(formulas.at("ORDINAMENTO2"), std::string("({@numCodiceCliente})"));
    QCOMPARE(formulas.at("ORDINAMENTO3"), std::string("({PC04_VDS.PC04_CODICE})"));
    QCOMPARE(plan.sortFields.size(), std::size_t(3));
    for (const auto& [index, direction] : {std::pair{1, 1}, std::pair{2, 0}, std::pair{3, 0}}) {
        QCOMPARE(plan.sortFields[std::size_t(index - 1)].index, index);
        QCOMPARE(plan.sortFields[std::size_t(index - 1)].direction, direction);
    }
    // An empty direction sorts a group level descending but an ordering row ascending.
    QCOMPARE(plan.areas.size(), std::size_t(1));
    QCOMPARE(plan.areas[0].name, std::string("GH10"));
    QCOMPARE(plan.areas[0].sortDirection, 1);
}

void LedgerReportFormulasTest::theFixedOrderingFieldSortsFirst_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("formula");
    QTest::newRow("a header field") << "CI12_NUMDOCORIG" << "({CI12_MOVTESTATA.CI12_NUMDOCORIG})";
    QTest::newRow("a line field") << "CI13_LOTTO" << "({CI13_MOVCORPO.CI13_LOTTO})";
    QTest::newRow("a computed field") << "DESCRTIPOMOV" << "({CGT0_TIPOMOV.CGT0_DESCRMEDIA})";
    QTest::newRow("an entity's description") << "DESCRENTITA10" << "({ENTITA10.CI02_DESCR})";
    QTest::newRow("a field it does not know") << "XYZ" << "({CI12_MOVTESTATA.CI12_DATAREG})";
}

void LedgerReportFormulasTest::theFixedOrderingFieldSortsFirst()
{
    QFETCH(QString, field);
    QFETCH(QString, formula);
    const auto formulas = byName(planOf({ordering("Nr. doc.", "CI12_NUMDOC", "ASC")}, field.toStdString()).formulas);
    QCOMPARE(QString::fromStdString(formulas.at("ORDINAMENTO1")), formula);
}

void LedgerReportFormulasTest::theReportFileFollowsTheLedgerLinkAndTheQuantities()
{
    using quorvane::print::reportFileName;
    QCOMPARE(reportFileName(true, true), QStringLiteral("CRCI_QUORVANEQTA.rpt"));
    QCOMPARE(reportFileName(true, false), QStringLiteral("CRCI_QUORVANE.rpt"));
    QCOMPARE(reportFileName(false, true), QStringLiteral("CRCI_QUORVANEQTA_XR.rpt"));
    QCOMPARE(reportFileName(false, false), QStringLiteral("CRCI_QUORVANE_XR.rpt"));
}

void LedgerReportFormulasTest::theCompetencePeriodBoundsTheParameters_data()
{
    QTest::addColumn<QStringList>("months");   // from month, year, to month, year; none: the filter is off
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("off: today twice") << QStringList{} << QDate::currentDate() << QDate::currentDate();
    QTest::newRow("to December: its last day") << QStringList{"11", "2023", "12", "2024"} << QDate(2023, 11, 1)
                                               << QDate(2024, 12, 31);
    QTest::newRow("February of a leap year") << QStringList{"2", "2024", "2", "2024"} << QDate(2024, 2, 1)
                                             << QDate(2024, 2, 29);
}

void LedgerReportFormulasTest::theCompetencePeriodBoundsTheParameters()
{
    QFETCH(QStringList, months);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    quorvane::SelectionParameters selection;
    if (!months.isEmpty()) {
        selection.CHK_PERIODOCOMP = "1";
        selection.CBO_MESELI = months[0].toStdString();
        selection.TXT_ANNOLI = months[1].toStdString();
        selection.CBO_MESELS = months[2].toStdString();
        selection.TXT_ANNOLS = months[3].toStdString();
    }
    quorvane::print::ParameterSources sources;
    sources.competencePeriod = quorvane::competencePeriodOf(selection);
    sources.today = QDate::currentDate();
    sources.ledgerMode = months.isEmpty() ? 0 : 1;
    sources.costCentreChart = 3;
    sources.connectionString = QStringLiteral("Driver={FreeTDS};Server=erp;UID=ann;PWD={s3c;ret}");
    std::map<QString, QVariant> values;
    for (const auto& p : quorvane::print::reportParameters(sources, report::ReportEngine()))
        values[p.name] = p.value;
    QCOMPARE(values.size(), std::size_t(27));
    QCOMPARE(values.at("DADATACOMP").toDate(), from);
    QCOMPARE(values.at("ADATACOMP").toDate(), to);
    QCOMPARE(values.at("FILTROCOMPETENZA").toBool(), !months.isEmpty());
    QCOMPARE(values.at("PARTVALORE").toBool(), months.isEmpty());
    QCOMPARE(values.at("PDCCONTI").metaType().id(), int(QMetaType::Short));
    QCOMPARE(values.at("DECIMALIEURO").metaType().id(), int(QMetaType::Int));
    QCOMPARE(values.at("GESTIONEVDS").toBool(), true);
    QCOMPARE(values.at("STRCONNESSIONE").toString(), QStringLiteral("Driver={FreeTDS};Server=erp;UID=ann;PWD=****"));
}

// A report file that declares only some of the names: those it has are written (formula names without regard
// to case, parameter names exactly), the others are passed over, and nothing fails.
void LedgerReportFormulasTest::aReportWithFewerNamesTakesThoseItHas()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("few.rpt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"parameters": [{"name": "NOTE", "type": "text"}, {"name": "Decimalieuro", "type": "number", "default": 5}],
                   "formulas": [{"name": "raggruppamento10", "text": "\"\""}, {"name": "OMETTI10", "text": "True"}],
                   "groups": [{"area": "GH10", "on": "{@raggruppamento10}"}]})");
    file.close();
    report::ReportDocument document(report::loadReportFile(file.fileName().toStdString()));
    const ReportFormulaPlan plan = planOf({grouping("C.d.C.", "CI13_CONTO_PC03"), ordering("Nr. doc.", "CI12_NUMDOC", "DESC")});
    quorvane::print::writeFormulas(document, plan, nullptr);
    quorvane::print::ParameterSources sources;
    sources.today = QDate::currentDate();
    report::ReportEngine engine;
    engine.setNotes(QStringLiteral("da controllare"));
    quorvane::print::writeParameters(document, quorvane::print::reportParameters(sources, engine));
    QVERIFY(document.problems().isEmpty());
    QCOMPARE(document.FormulaFields()[0].Text(), QStringLiteral("( {CI13_MOVCORPO.CI13_CONTO_PC03} )"));
    QCOMPARE(document.FormulaFields()[1].Text(), QStringLiteral("False"));
    QCOMPARE(document.Areas(QStringLiteral("GH10"))->HideForDrillDown(), true);
    QCOMPARE(document.ParameterFields()[0].currentValue().text(), std::string("da controllare"));
    QVERIFY(document.ParameterFields()[1].currentValue().number() == report::formula::Number(5));
}

QTEST_GUILESS_MAIN(LedgerReportFormulasTest)
#include "test_ledger_report_formulas.moc"
