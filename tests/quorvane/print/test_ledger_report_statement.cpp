// The printed ledger's statement on the demo companies: it reads exactly the lines the extraction extracted,
// with the attribute tables joined only for the company's attribute lists; and the current group's
// condition, which turns the working table's columns of a group node's filter into the base tables'.

#include "../../platform/hostfw/HostTestSupport.h"

#include "engine/AttributeColumns.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/MovementExtraction.h"
#include "hostfw/AttributeDefinitions.h"
#include "print/GroupCondition.h"
#include "print/ReportStatement.h"

#include <QtTest>

namespace {

// Every line of the company the extraction selects with the panel's initial values.
quorvane::ExtractionRequest everyLine(db::Connection& connection, int company)
{
    quorvane::ExtractionRequest request;
    request.settings = quorvane::engineSettingsOf(company::readCompanySettings(connection, company),
                                                  hostfw::Language::Italian);
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    const hostfw::AttributeDefinitions attributes = hostfw::AttributeDefinitions::read(connection, company);
    request.headerAttributes = attributes.names(quorvane::headerAttributeEntity);
    request.lineAttributes = attributes.names(quorvane::lineAttributeEntity);
    return request;
}

int occurrences(const std::string& text, const std::string& what)
{
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

} // namespace

class LedgerReportStatementTest : public QObject {
    Q_OBJECT
private slots:
    void theStatementReadsTheExtractedLines_data();
    void theStatementReadsTheExtractedLines();
    void aGroupsFilterBecomesAConditionOnTheBaseTables_data();
    void aGroupsFilterBecomesAConditionOnTheBaseTables();
    void theCurrentGroupIsAddedToTheExtractionsCondition();
};

void LedgerReportStatementTest::theStatementReadsTheExtractedLines_data()
{
    QTest::addColumn<int>("company");
    QTest::addColumn<bool>("attributes");
    QTest::newRow("a company without attributes") << 1 << false;
    QTest::newRow("a company with header and line attributes") << 2 << true;
}

void LedgerReportStatementTest::theStatementReadsTheExtractedLines()
{
    QFETCH(int, company);
    QFETCH(bool, attributes);
    const auto connection = db::Connection::open(hosttest::demoConnectionString().toStdString());
    const quorvane::ExtractionRequest request = everyLine(*connection, company);
    QCOMPARE(request.headerAttributes.empty() && request.lineAttributes.empty(), !attributes);
    quorvane::MovementExtraction extraction(*connection);
    quorvane::NoProgress progress;
    QVERIFY(extraction.run(request, progress));

    const std::string statement = quorvane::print::ledgerReportStatement(
        extraction.extractionCondition(), request.headerAttributes, request.lineAttributes);
    QVERIFY(statement.starts_with(" SELECT \r\n   CI12_MOVTESTATA.CI12_DATAREG\r\n   , CI12_MOVTESTATA.CI12_SEZDOC\r\n"));
    QVERIFY(statement.ends_with(" " + extraction.extractionCondition()));
    QCOMPARE(statement.find("ORDER BY"), std::string::npos);
    // 36 joins and applies, and one attribute join for each list, which alone ends with a carriage return.
    QCOMPARE(occurrences(statement, " JOIN ") + occurrences(statement, " APPLY "), attributes ? 38 : 36);
    QCOMPARE(occurrences(statement, "= CI12_GUID\r "), attributes ? 1 : 0);
    QCOMPARE(occurrences(statement, "= CI13_GUID\r "), attributes ? 1 : 0);
    QCOMPARE(occurrences(statement, "CO5L_CI12") > 0, attributes);
    QCOMPARE(occurrences(statement, "CO5L_CI13") > 0, attributes);

    db::Recordset printed = connection->Open(statement);
    QCOMPARE(printed.RecordCount(), extraction.movements().RecordCount());
    QCOMPARE(printed.fieldCount(), 68 + int(request.headerAttributes.size() + request.lineAttributes.size()));

    // The fields the formulas read beyond the list come back once each; one of a table it lacks is refused.
    const auto withFields = [&](const std::vector<std::string>& fields) {
        return quorvane::print::ledgerReportStatement(extraction.extractionCondition(), request.headerAttributes,
                                                      request.lineAttributes, fields);
    };
    db::Recordset read = connection->Open(withFields(
        {"PD68_PROGETTI.PD68_TIPO_PD1D", "commessa.PD25_DESCR", "CONTO.PC03_DESCR", "COMMESSA.PD25_DESCR"}));
    QCOMPARE(read.RecordCount(), printed.RecordCount());
    QCOMPARE(read.fieldCount(), printed.fieldCount() + 2);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, withFields({"MG01_OPERATORI.MG01_DESCR"}));
}

void LedgerReportStatementTest::aGroupsFilterBecomesAConditionOnTheBaseTables_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("condition");
    QTest::newRow("no supplier") << "FORNITORE=NULL" << "(CI12_TIPOCF_CG44 <> 1 OR CI12_TIPOCF_CG44 IS NULL)";
    QTest::newRow("no customer, then a supplier")
        << "CLIENTE=NULL AND FORNITORE=20024"
        << "(CI12_TIPOCF_CG44 <> 0 OR CI12_TIPOCF_CG44 IS NULL) AND CI12_CLIFOR_CG44=20024";
    QTest::newRow("a customer, in any case") << "cliente=10010" << "CI12_CLIFOR_CG44=10010";
    QTest::newRow("a nature") << "CI13_CONTO_PC03='0101001' AND NATURA=3"
                              << "CI13_CONTO_PC03='0101001' AND PC04_CODICE=3";
    QTest::newRow("no value: missing or an empty text")
        << "CI13_COMMESSA_PD25=NULL" << "(CI13_COMMESSA_PD25 IS NULL OR LEN(CI13_COMMESSA_PD25) = 0)";
    QTest::newRow("the line's site") << "CI12_SEDE_CG31='S1' AND CI12_SEDE_CG31=NULL"
                                     << "CI13_MOVCORPO.CI13_SEDE_CG31='S1' AND (CI13_MOVCORPO.CI13_SEDE_CG31 IS NULL OR "
                                        "LEN(CI13_MOVCORPO.CI13_SEDE_CG31) = 0)";
    QTest::newRow("attributes of the header and of the line")
        << "RIFCONTRATTO='R AND 1' AND NOTATECNICA='x'" << "CO5L_CI12.RIFCONTRATTO='R AND 1' AND CO5L_CI13.NOTATECNICA='x'";

    QTest::newRow("a month of registration") << "DATAREGMESE=202401" << "(YEAR(CI12_DATAREG) * 100 + MONTH(CI12_DATAREG))=202401";
    QTest::newRow("no document date's year")
        << "DATADOCANNO=NULL" << "((YEAR(CI12_DATADOC)) IS NULL OR LEN((YEAR(CI12_DATADOC))) = 0)";
    QTest::newRow("a fortnight") << "DATAREGQUIND=2024012"
                                 << "(YEAR(CI12_DATAREG) * 1000 + MONTH(CI12_DATAREG) * 10 + (CASE WHEN "
                                    "DAY(CI12_DATAREG) <= 15 THEN 1 ELSE 2 END))=2024012";
    QTest::newRow("a value spelling the words")
        << "CI13_COMMESSA_PD25='cliente=1 natura=NULL' AND CI13_NODO_PD0C='it''s DATAREGMESE=NULL'"
        << "CI13_COMMESSA_PD25='cliente=1 natura=NULL' AND CI13_NODO_PD0C='it''s DATAREGMESE=NULL'";
}

void LedgerReportStatementTest::aGroupsFilterBecomesAConditionOnTheBaseTables()
{
    QFETCH(QString, filter);
    QFETCH(QString, condition);
    const quorvane::print::AttributeNames attributes{{"RIFCONTRATTO"}, {"NOTATECNICA"}};
    QCOMPARE(QString::fromStdString(quorvane::print::groupCondition(filter.toStdString(), attributes)), condition);
}

void LedgerReportStatementTest::theCurrentGroupIsAddedToTheExtractionsCondition()
{
    using quorvane::print::currentGroupCondition;
    const std::string extraction = "WHERE\r\n   CI12_DITTA_CG18 = 1\r\n";
    QCOMPARE(currentGroupCondition(extraction, "CI13_CONTO_PC03='0101001' AND FORNITORE=NULL|2"),
             extraction + " And CI13_CONTO_PC03='0101001' AND (CI12_TIPOCF_CG44 <> 1 OR CI12_TIPOCF_CG44 IS NULL)");
    QCOMPARE(currentGroupCondition(extraction, ""), extraction);
    QCOMPARE(currentGroupCondition(extraction, "CI13_COMMESSA_PD25='C|2021'|2"),
             extraction + " And CI13_COMMESSA_PD25='C|2021'");
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, currentGroupCondition(extraction, std::string("CI13_LOTTO='a\0b'", 16)));
}

QTEST_GUILESS_MAIN(LedgerReportStatementTest)
#include "test_ledger_report_statement.moc"
