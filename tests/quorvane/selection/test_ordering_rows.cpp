// The ordering rows of a selection reach the processing as columns of the movement set, and a selection
// file keeps the three grids' rows exactly; a row that the window does not offer is refused by name.

#include "GridTestCompany.h"
#include "selection/GridOffers.h"
#include "selection/OfferedRows.h"
#include "selection/OrderingColumns.h"
#include "selection/SelectionFile.h"

#include <QtTest>

using namespace quorvane;

class OrderingRowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GridTestCompanies> companies_;
    GridOffers plain_, everything_;

    GridOffers offersOf(int company)
    {
        CompanyOffer c{companies_->settings(company), companies_->attributes(company)};
        return buildGridOffers(c.sources());
    }

private slots:
    void initTestCase()
    {
        companies_ = std::make_unique<GridTestCompanies>();
        plain_ = offersOf(1);
        everything_ = offersOf(2);
    }

    void chosenRowsResolveToTheirColumns()
    {
        std::vector<OrderRow> rows{{"Data reg.", "DESC", true, 3, true},
                                   {"C.d.C.", "ASC", true, 8, false},
                                   {"Descr. causale", "ASC", false, 8, false},
                                   {"Nota tecnica", "DESC", true, 8, false}};
        std::vector<OrderingColumn> expected{
            {"Data reg.", "CI12_DATAREG", true, true, "DESC", true, 3, true},
            {"C.d.C.", "CI13_CONTO_PC03", true, false, "ASC", true, 8, false},
            {"Descr. causale", "CI12_DESCRCAUS", false, false, "ASC", false, 8, false},
            {"Nota tecnica", "CO5L_CI13.NOTATECNICA", true, false, "DESC", true, 8, false}};
        QVERIFY(orderingColumns(rows, everything_.ordering) == expected);
    }

    void rowsTheGridWouldNotAcceptAreRefused_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("group");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("company");
        QTest::newRow("unknown caption") << "Data registrazione" << false << 8 << 2;
        QTest::newRow("site where the company has none") << "Sede" << false << 8 << 1;
        QTest::newRow("attribute where the company defines none") << "Nota tecnica" << false << 8 << 1;
        QTest::newRow("description as a group") << "Descr. c/contabile" << true << 8 << 2;
        QTest::newRow("period on a code") << "Causale" << true << 3 << 2;
    }

    void rowsTheGridWouldNotAcceptAreRefused()
    {
        QFETCH(QString, caption);
        QFETCH(bool, group);
        QFETCH(int, period);
        QFETCH(int, company);
        std::vector<OrderRow> rows{{caption.toStdString(), "ASC", group, period, false}};
        try {
            orderingColumns(rows, company == 1 ? plain_.ordering : everything_.ordering);
            QFAIL("the row was accepted");
        } catch (const GridRowError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains('"' + caption + '"'), e.what());
        }
    }

    void everyOfferedRowSurvivesTheSelectionFile()
    {
        SelectionParameters selection;
        for (const controls::QueryRowDefinition& row : everything_.limits)
            selection.ADVQ_LIMITI.push_back({row.caption.toStdString(), row.section == 0 ? "A" : "B", "1", "", {}});
        for (const controls::QueryRowDefinition& row : everything_.accountFilter)
            selection.ADVQ_SELCONTI.push_back({row.caption.toStdString(), "", "", "", {"01", "O'2"}});
        for (const controls::OrderRowDefinition& row : everything_.ordering)
            selection.ADVO_ORDINAMENTI.push_back(
                {row.caption.toStdString(), "DESC", row.groupable, row.dateRow ? 9 : 8, true});
        SelectionParameters loaded = parseSelection(serializeSelection(selection));
        QCOMPARE(loaded, selection);
        checkGridRows(loaded, everything_);
    }

    void aLoadedFileNamingAnotherCompanysRowIsRefused()
    {
        SelectionParameters loaded = parseSelection(R"({"ADVQ_LIMITI": [{"caption": "Codice articolo EPU",
                                                          "section": "B", "from": "X"}]})");
        checkGridRows(loaded, everything_);
        try {
            checkGridRows(loaded, plain_);
            QFAIL("a row of the unit-price-list module was accepted without the module");
        } catch (const GridRowError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QString("ADVQ_LIMITI: the row \"Codice articolo EPU\" is not offered in section B"));
        }
    }
};

QTEST_GUILESS_MAIN(OrderingRowsTest)
#include "test_ordering_rows.moc"
