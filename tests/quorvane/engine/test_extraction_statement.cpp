// The extraction statement as the server receives it: each selection choice brings exactly its fragment, in
// its place, with its line end; values typed by the user stay inside their quotes.

#include "engine/ExtractionStatement.h"
#include "engine/ExtractionStatements.h"
#include "engine/StatementText.h"

#include <QTest>

using quorvane::ExtractionRequest;

namespace {

ExtractionRequest baseRequest()
{
    ExtractionRequest request;
    request.settings.company = 7;
    request.settings.costCentreChart = 1;
    request.settings.expenseItemChart = 2;
    request.movementTypeCondition = "CGT0_CODICE IN (1,2)";
    return request;
}

QString extraction(const ExtractionRequest& request)
{
    return QString::fromStdString(quorvane::buildExtractionStatements(request).extraction);
}

} // namespace

class ExtractionStatementTest : public QObject {
    Q_OBJECT

private slots:
    void selectionChoicesBringTheirFragments_data();
    void selectionChoicesBringTheirFragments();
    void companySettingsBringTheirFragments_data();
    void companySettingsBringTheirFragments();
    void fromPartKeepsItsOrder();
    void projectColumnsEndWithCarriageReturnAlone();
    void attributeJoinsEndWithCarriageReturnAlone();
    void conditionIsTheTailFromTheFirstWhere();
    void typedQuotesStayInsideTheirLiteral();
};

// Each row: how the request differs from the base, a fragment that must appear and one that must not.
void ExtractionStatementTest::selectionChoicesBringTheirFragments_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("absent");
    QTest::newRow("actual movements, no line end before the account clause")
        << "actual" << " WHERE\r\n   CI12_DITTA_CG18 = 7\r\n AND CI03_INDOPERAZIONE = 0    AND CI13_CODPDC_PC01 = 1\r\n"
        << "CI03_INDOPERAZIONE = 1";
    QTest::newRow("budget movements") << "budget" << "\r\n AND CI03_INDOPERAZIONE = 1    AND CI13_CODPDC_PC01 = 1\r\n"
                                      << "CI03_INDOPERAZIONE = 0";
    QTest::newRow("bare wildcard selects the whole chart")
        << "empty account" << "   AND CI13_CODPDC_PC01 = 1\r\n   AND CI13_CONTO_PC03 LIKE '%'\r\n" << "CI13_CONTO_PC03 = ";
    QTest::newRow("complete account matches exactly")
        << "complete account" << "   AND CI13_CONTO_PC03 = '0101001'\r\n" << "LIKE";
    QTest::newRow("partial expense item matches its prefix")
        << "partial item" << "   AND CI13_CODVDS_PC01 = 2\r\n   AND CI13_VDS_PC03 LIKE '05%'\r\n" << "AND CI13_CODPDC_PC01";
    QTest::newRow("account filter grid selects no single account")
        << "account filter" << "   AND CI13_MOVCORPO_FILTER = 1\r\n" << "AND CI13_CODPDC_PC01";
    QTest::newRow("only the end date") << "end date" << "   AND CI12_DATAREG <= '20240315'\r\n" << "CI12_DATAREG >=";
    QTest::newRow("both dates") << "both dates" << "   AND CI12_DATAREG BETWEEN '20240101' AND '20240315'\r\n"
                                << "CI12_DATAREG <=";
    QTest::newRow("no dates, no date clause") << "no dates" << "   AND CI13_SEGNO IN (\r\n0\r\n)\r\n     AND PC04_INDCOSTORIC"
                                              << "CI12_DATAREG BETWEEN";
    QTest::newRow("competence from November to a leap February")
        << "competence"
        << "   AND NOT (((ISNULL(CI13_DADATACOMP, ISNULL(CI12_DATADOC, CI12_DATAREG)) < '20231101') AND "
           "(ISNULL(CI13_ADATACOMP, ISNULL(CI12_DATADOC, CI12_DATAREG)) < '20231101')) OR "
           "((ISNULL(CI13_DADATACOMP, ISNULL(CI12_DATADOC, CI12_DATAREG)) > '20240229') AND "
           "(ISNULL(CI13_ADATACOMP, ISNULL(CI12_DATADOC, CI12_DATAREG)) > '20240229'))) -- Periodo di competenza\r\n"
        << "no competence";
    QTest::newRow("movement types on the movement's own column")
        << "types" << "   AND CI12_INDTIPOMOV IN (1,2)\r\n" << "CGT0_CODICE IN";
    QTest::newRow("limits grid condition after the natures")
        << "limits" << "     AND PC04_INDCOSTORIC IN (0,1,2)\r\n   AND CI13_LOTTO = 'L1'\r\n" << "@";
}

void ExtractionStatementTest::selectionChoicesBringTheirFragments()
{
    QFETCH(QString, choice);
    QFETCH(QString, present);
    QFETCH(QString, absent);
    ExtractionRequest request = baseRequest();
    auto& s = request.selection;
    if (choice == "budget") s.CBO_INDOPERAZIONE = "1";
    if (choice == "complete account") { s.TXT_CONTO = "0101001"; s.contoComplete = true; }
    if (choice == "partial item") { s.CBO_SELCONTOVDS = "1"; s.TXT_CONTO = "05"; }
    if (choice == "account filter") { s.CBO_SELCONTOVDS = "2"; request.accountFilterCondition = "CI13_MOVCORPO_FILTER = 1"; }
    if (choice == "end date" || choice == "both dates") s.TXT_DATAREGA = QDate(2024, 3, 15);
    if (choice == "start date" || choice == "both dates") s.TXT_DATAREGDA = QDate(2024, 1, 1);
    if (choice == "competence") {
        s.CHK_PERIODOCOMP = "1";
        s.CBO_MESELI = "11"; s.TXT_ANNOLI = "2023";
        s.CBO_MESELS = "2"; s.TXT_ANNOLS = "2024";
    }
    if (choice == "types") request.movementTypeCondition = "cgt0_codice IN (1,2)";
    if (choice == "limits") request.limitsCondition = "CI13_LOTTO = 'L1'";
    const QString text = extraction(request);
    QVERIFY2(text.contains(present), qPrintable(present));
    QVERIFY2(!text.contains(absent), qPrintable(absent));
}

void ExtractionStatementTest::companySettingsBringTheirFragments_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("absent");
    QTest::newRow("costs, revenues and adjustments")
        << "industrial" << "     AND PC04_INDCOSTORIC IN (0,1,2)\r\n" << "IN (3,4)";
    QTest::newRow("financial outflows and inflows")
        << "financial" << "     AND PC04_INDCOSTORIC IN (3,4)\r\n" << "IN (0,1,2)";
    QTest::newRow("intercompany columns")
        << "intercompany" << "   , CI13_CODICE_CGC0\r\n   , CGC0_DESCR        AS DES_INTERCOMPANY\r\n" << "@";
    QTest::newRow("unit-price-list columns and joins")
        << "qev" << "   , VVC02_ARTICOLIEPU.VC02_CODEPU AS CODICE_EPU\r\n" << "@";
    QTest::newRow("user language in the ledger account description")
        << "industrial" << "\r\nOUTER APPLY FNCG_CG24_CONTO(CG42_GRUPPO_CG10,CG42_CONTOPAR_CG24, CI13_DITTA_CG18, 'ITA ')\r\n"
        << "VVC02";
    QTest::newRow("customer and supplier words")
        << "industrial"
        << "     ,(CASE ISNULL(CI12_TIPOCF_CG44, -1)\r\n           WHEN 0 THEN 'Cliente : ' + CAST(CI12_CLIFOR_CG44 AS "
           "NVARCHAR) \r\n           WHEN 1 THEN 'Fornitore : ' + CAST(CI12_CLIFOR_CG44 AS NVARCHAR) \r\n"
           "           ELSE NULL\r\n      END) AS CLIFOR\r\n"
        << "@";
    QTest::newRow("repeated document suffix")
        << "industrial"
        << "   , CAST(ISNULL(CI12_NUMDOC, '') AS NVARCHAR(7)) + '/' + CI12_SEZDOC + CASE CI12_FLGDOCBIS WHEN 1 "
           "THEN '/bis' ELSE '' END AS NUMSEZDOC\r\n"
        << "@";
    QTest::newRow("registration-date competence default")
        << "registration default" << "ISNULL(CI13_DADATACOMP, ISNULL(CI12_DATAREG, CI12_DATADOC)) < '20240201'"
        << "ISNULL(CI12_DATADOC, CI12_DATAREG)) <";
}

void ExtractionStatementTest::companySettingsBringTheirFragments()
{
    QFETCH(QString, setting);
    QFETCH(QString, present);
    QFETCH(QString, absent);
    ExtractionRequest request = baseRequest();
    auto& settings = request.settings;
    settings.financialAccounting = setting == "financial";
    settings.intercompany = setting == "intercompany";
    settings.qevIntegration = setting == "qev";
    if (setting == "registration default") {
        settings.defaultCompetenceDate = "ISNULL(CI12_DATAREG, CI12_DATADOC)";
        auto& s = request.selection;
        s.CHK_PERIODOCOMP = "1";
        s.CBO_MESELI = s.CBO_MESELS = "2";
        s.TXT_ANNOLI = s.TXT_ANNOLS = "2024";
    }
    const QString text = extraction(request);
    QVERIFY2(text.contains(present), qPrintable(present));
    QVERIFY2(!text.contains(absent), qPrintable(absent));
}

void ExtractionStatementTest::fromPartKeepsItsOrder()
{
    ExtractionRequest request = baseRequest();
    request.settings.intercompany = request.settings.qevIntegration = true;
    request.headerAttributes = {"RIFCONTRATTO"};
    request.lineAttributes = {"NOTATECNICA"};
    const QString text = extraction(request);
    // The joins that drop lines (the header, the account, the expense item, its nature) and the optional
    // ones each setting brings, in the statement's order; the server's answers are checked elsewhere.
    const QStringList rows = {
        " INTO  #MOVIMENTI\r\nFROM   CI12_MOVTESTATA            WITH (NOLOCK)\r\n",
        "INNER  JOIN   CI13_MOVCORPO       WITH (NOLOCK)\r\nON      CI12_DITTA_CG18 = CI13_DITTA_CG18\r\n"
        "AND     CI12_NUMREG_CO99 = CI13_NUMREG_CO99\r\n",
        "LEFT OUTER JOIN   CGC0_STRUTINFRAGRUPPO   WITH(NOLOCK) ON CGC0_CODICE = CI13_CODICE_CGC0\r\n",
        "CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODPDC_PC01, CI13_CONTO_PC03, CI13_DITTA_CG18, NULL) AS CONTO\r\n",
        "CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03  , CI13_DITTA_CG18, NULL) AS VDS\r\n",
        "CROSS APPLY FNPC04_NATURECOSTI (VDS.PC03_NATURA_PC04, CI13_DITTA_CG18 )                   AS PC04_VDS\r\n",
        "LEFT OUTER JOIN VVC02_ARTICOLIEPU WITH (NOLOCK)\r\n", "LEFT OUTER JOIN VVC25_ATTREZZATURE WITH (NOLOCK)\r\n",
        "LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI12 WITH(NOLOCK) ON CO5L_CI12.CO5L_GUID = CI12_GUID\r",
        "LEFT OUTER JOIN CO5L_ATTRIBUTIDEN CO5L_CI13 WITH(NOLOCK) ON CO5L_CI13.CO5L_GUID = CI13_GUID\r",
        " WHERE\r\n   CI12_DITTA_CG18 = 7\r\n"};
    qsizetype at = 0;
    for (const QString& row : rows) {
        const qsizetype found = text.indexOf(row, at);
        QVERIFY2(found >= 0, qPrintable("missing or out of order: " + row));
        at = found + row.size();
    }
}

void ExtractionStatementTest::projectColumnsEndWithCarriageReturnAlone()
{
    ExtractionRequest request = baseRequest();
    const QString withProjects = extraction(request);
    QVERIFY(withProjects.contains("   , CI13_DADATACOMP\r\n   , CI13_ADATACOMP\r\n   , CI13_PROGETTO_PD68\r"
                                  "   , CI13_SPROGETTO_PD69\r"));
    QVERIFY(withProjects.contains("   , PD68_CLASSEC_PD1H\r   , PD1D_DESCR\r\n"));
    QVERIFY(withProjects.contains("   , ISNULL(PD06_DIPENDENTI.PD06_COGNOME,'') + ' ' + "
                                  "ISNULL(PD06_DIPENDENTI.PD06_NOME,'') AS NOMEDIPENDENTE\r\n"));
    request.selection.CHK_NO_PROGETTI = "1";
    request.selection.CHK_NO_COMMESSE = "1";
    const QString without = extraction(request);
    QVERIFY(without.contains("   , CI13_ADATACOMP\r\n   , CI13_FASE_PD12\r\n"));
    QVERIFY(!without.contains("NOMEDIPENDENTE"));
    QVERIFY(!without.contains("DESCRCOMMESSA"));
}

void ExtractionStatementTest::attributeJoinsEndWithCarriageReturnAlone()
{
    ExtractionRequest request = baseRequest();
    request.headerAttributes = {"RIFCONTRATTO", "PRIORITA"};
    const QString text = extraction(request);
    QVERIFY(text.contains("      , CO5L_CI12.RIFCONTRATTO, CO5L_CI12.PRIORITA\r\n   , CG42_CONTOPAR_CG24\r\n"));
    QVERIFY(text.contains("ON CO5L_CI12.CO5L_GUID = CI12_GUID\r WHERE\r\n"));
    QVERIFY(!text.contains("CO5L_CI13"));
    request.headerAttributes = {"RIF) FROM X --"};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, extraction(request));
}

void ExtractionStatementTest::conditionIsTheTailFromTheFirstWhere()
{
    const auto statements = quorvane::buildExtractionStatements(baseRequest());
    QVERIFY(statements.condition.rfind("WHERE\r\n   CI12_DITTA_CG18 = 7\r\n", 0) == 0);
    QVERIFY(statements.extraction.size() > statements.condition.size());
    QCOMPARE(statements.extraction.substr(statements.extraction.size() - statements.condition.size()),
             statements.condition);
    QCOMPARE(quorvane::extractionCondition("select 1 from t where a = 1 WHERE b"), std::string("where a = 1 WHERE b"));
}

void ExtractionStatementTest::typedQuotesStayInsideTheirLiteral()
{
    ExtractionRequest request = baseRequest();
    request.selection.TXT_CONTO = "01'; DROP TABLE CI13_MOVCORPO --";
    request.settings.customerWord = "L'acquirente";
    request.settings.language = "IT'A";
    const QString text = extraction(request);
    QVERIFY(text.contains("   AND CI13_CONTO_PC03 LIKE '01''; DROP TABLE CI13_MOVCORPO --%'\r\n"));
    QVERIFY(text.contains("WHEN 0 THEN 'L''acquirente : ' + CAST"));
    QVERIFY(text.contains(", CI13_DITTA_CG18, 'IT''A')\r\n"));
    QCOMPARE(quorvane::quoteEscaped("a''b'"), std::string("a''''b''"));
}

QTEST_GUILESS_MAIN(ExtractionStatementTest)
#include "test_extraction_statement.moc"
