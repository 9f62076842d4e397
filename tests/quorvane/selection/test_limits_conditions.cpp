// The limits grid and the account filter grid turn the record's filled rows into the one condition the
// extraction adds: rows on one column are alternatives, columns all apply, customers and suppliers keep
// their kind, the site is read from the line, and nothing a user types leaves its literal.

#include "GridTestCompany.h"
#include "selection/GridOffers.h"
#include "selection/LimitsCondition.h"
#include "selection/OfferedRows.h"

#include <QtTest>

using namespace quorvane;

Q_DECLARE_METATYPE(quorvane::LimitRow)
Q_DECLARE_METATYPE(std::vector<quorvane::LimitRow>)

class LimitsConditionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GridTestCompanies> companies_;
    GridOffers everything_;   // company 2: every row on offer

    std::string limits(const std::vector<LimitRow>& rows)
    {
        return ProcessaLimitiAdvancedQuery(conditionRows(rows, everything_.limits, "ADVQ_LIMITI"));
    }
    std::string accountFilter(const std::vector<LimitRow>& rows)
    {
        return ProcessaLimitiSelezionaAvanzata(conditionRows(rows, everything_.accountFilter, "ADVQ_SELCONTI"));
    }

private slots:
    void initTestCase()
    {
        companies_ = std::make_unique<GridTestCompanies>();
        CompanyOffer c{companies_->settings(2), companies_->attributes(2)};
        everything_ = buildGridOffers(c.sources());
    }

    void limitsCombineByColumn_data()
    {
        QTest::addColumn<std::vector<LimitRow>>("rows");
        QTest::addColumn<QString>("condition");
        QTest::newRow("no row") << std::vector<LimitRow>{} << "";
        QTest::newRow("rows without values")
            << std::vector<LimitRow>{{"Causale", "A", "", "", {}}, {"Commessa", "B", " ", "", {""}}} << "";
        QTest::newRow("two ledger-account rows in one part")
            << std::vector<LimitRow>{{"Conto contabile", "A", "0101", "", {}},
                                     {"Conto contabile", "B", "", "", {"0201", "0202"}}}
            << "((CG42_CONTOPAR_CG24 >= '0101') OR (CG42_CONTOPAR_CG24 IN ('0201', '0202')))";
        QTest::newRow("customer and supplier each within their kind")
            << std::vector<LimitRow>{{"Codice cliente", "A", "100", "200", {}},
                                     {"Codice fornitore", "A", "7", "7", {}}}
            << "(((CI12_TIPOCF_CG44 = 0) AND (CI12_CLIFOR_CG44 BETWEEN 100 AND 200)) OR "
               "((CI12_TIPOCF_CG44 = 1) AND (CI12_CLIFOR_CG44 = 7)))";
        QTest::newRow("four rows on one column OR-ed in halves, in the grid's order")
            << std::vector<LimitRow>{{"Causale", "A", "A", "", {}}, {"Causale", "B", "B", "", {}},
                                     {"Causale", "C", "C", "", {}}, {"Causale", "D", "D", "", {}}}
            << "(((CI12_CODCAUS_CI03 >= 'A') OR (CI12_CODCAUS_CI03 >= 'C')) OR "
               "((CI12_CODCAUS_CI03 >= 'D') OR (CI12_CODCAUS_CI03 >= 'B')))";
        QTest::newRow("site read from the line")
            << std::vector<LimitRow>{{"Sede", "A", "", "3", {}}} << "(CI13_SEDE_CG31 <= 3)";
        QTest::newRow("rows taken in the grid's order, whatever the record's")
            << std::vector<LimitRow>{{"C.d.C.", "B", "01", "02", {}},
                                     {"Causale", "B", "", "", {"ACQ"}},
                                     {"Causale", "A", "VEN", "", {}}}
            << "((CI12_CODCAUS_CI03 >= 'VEN') OR (CI12_CODCAUS_CI03 IN ('ACQ'))) AND "
               "(CI13_CONTO_PC03 BETWEEN '01' AND '02')";
        QTest::newRow("attribute column")
            << std::vector<LimitRow>{{"Priorità", "A", "2", "", {}}} << "(CO5L_CI12.PRIORITA >= 2)";
        QTest::newRow("quote and comment marker stay in the literal")
            << std::vector<LimitRow>{{"Descr. causale", "A", "x' OR 1=1 --", "", {}},
                                     {"Nr. doc. orig.", "A", "", "", {"A;B", "';DROP"}}}
            << "(CI12_DESCRCAUS >= 'x'' OR 1=1 --') AND (CI12_NUMDOCORIG IN ('A;B', ''';DROP'))";
    }

    void limitsCombineByColumn()
    {
        QFETCH(std::vector<LimitRow>, rows);
        QFETCH(QString, condition);
        QCOMPARE(QString::fromStdString(limits(rows)), condition);
    }

    // The column is renamed in the condition's words, never in a value the user typed.
    void theSiteIsReplacedWhateverItsCaseButNotInsideAValue()
    {
        std::vector<controls::QueryConditionRow> rows{
            {"Sede", "ci12_sede_cg31", "ci12_Sede_CG31 = 1"},
            {"Causale", "CI12_CODCAUS_CI03", "CI12_CODCAUS_CI03 IN ('ci12_sede_cg31', 'it''s CI12_SEDE_CG31')"}};
        QCOMPARE(ProcessaLimitiAdvancedQuery(rows),
                 std::string("(CI13_SEDE_CG31 = 1) AND (CI12_CODCAUS_CI03 IN ('ci12_sede_cg31', 'it''s CI12_SEDE_CG31'))"));
    }

    void accountFilterCombinesWithoutSpecialRows_data()
    {
        QTest::addColumn<std::vector<LimitRow>>("rows");
        QTest::addColumn<QString>("condition");
        QTest::newRow("no row") << std::vector<LimitRow>{} << "";
        QTest::newRow("two ledger-level rows in one part")
            << std::vector<LimitRow>{{"C.d.C. - Mastro", "", "01", "", {}}, {"C.d.C. - Mastro", "", "", "", {"03"}}}
            << "((CONTO.PC03_LIVELLO1 >= '01') OR (CONTO.PC03_LIVELLO1 IN ('03')))";
        QTest::newRow("account and nature")
            << std::vector<LimitRow>{{"V.d.S.", "A", "0101001", "0101009", {}},
                                     {"V.d.S. - Natura", "", "", "", {"1", "2"}}}
            << "(VDS.PC03_CONTO BETWEEN '0101001' AND '0101009') AND (VDS.PC03_NATURA_PC04 IN (1, 2))";
    }

    void accountFilterCombinesWithoutSpecialRows()
    {
        QFETCH(std::vector<LimitRow>, rows);
        QFETCH(QString, condition);
        QCOMPARE(QString::fromStdString(accountFilter(rows)), condition);
    }

    void rowsThatCannotBeProcessedAreRefusedByName_data()
    {
        QTest::addColumn<LimitRow>("row");
        QTest::addColumn<QString>("named");
        QTest::newRow("caption not offered") << LimitRow{"Codice Iva", "", "1", "", {}} << "\"Codice Iva\"";
        QTest::newRow("caption of the other section")
            << LimitRow{"Data chiusura progetto", "A", "01/01/2024", "", {}} << "\"Data chiusura progetto\"";
        QTest::newRow("value longer than the row") << LimitRow{"Causale", "A", "VENDI", "", {}} << "\"Causale\"";
        QTest::newRow("value outside the mask") << LimitRow{"Nr. doc.", "A", "12a", "", {}} << "\"Nr. doc.\"";
        QTest::newRow("range and list") << LimitRow{"Causale", "A", "VEN", "", {"ACQ"}} << "\"Causale\"";
    }

    void rowsThatCannotBeProcessedAreRefusedByName()
    {
        QFETCH(LimitRow, row);
        QFETCH(QString, named);
        try {
            limits({row});
            QFAIL("the row was processed");
        } catch (const GridRowError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(named), e.what());
            QVERIFY2(QString::fromUtf8(e.what()).startsWith("ADVQ_LIMITI"), e.what());
        }
    }
};

QTEST_GUILESS_MAIN(LimitsConditionsTest)
#include "test_limits_conditions.moc"
