// The group tree over the demo companies' extractions against sums the test writes out itself over
// #MOVIMENTI (ServerSums.h): a grouping on every column the ordering grid offers, and a date grouping on
// every period, must split the selection into groups that add up to it; and a deeper tree's every node must
// sum as the server does.

#include "ServerSums.h"

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/GroupTotals.h"
#include "engine/GroupedLedger.h"
#include "engine/MovementExtraction.h"
#include "engine/NodeFilter.h"
#include "engine/NodeTotals.h"
#include "hostfw/AttributeDefinitions.h"
#include "hostfw/Catalogue.h"
#include "selection/GridOffers.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int demoCompanies = 3;

struct CompanyLedger {
    std::unique_ptr<db::Connection> connection;
    company::CompanySettings settings;
    bool financial = false;            // financial cost accounting: natures 3 and 4
    std::unique_ptr<quorvane::MovementExtraction> extraction;
    controls::OrderOffer ordering;
};

} // namespace

class DemoTreeTotalsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyOfferedGroupingAddsUpToTheSelection_data();
    void everyOfferedGroupingAddsUpToTheSelection();
    void everyNodeOfADeepTreeSumsAsTheServerDoes();

private:
    void build(CompanyLedger& ledger, const std::vector<quorvane::OrderingColumn>& rows);

    QTemporaryDir dir_;
    CompanyLedger companies_[demoCompanies];
    quorvane::GroupedLedger grouped_;
};

void DemoTreeTotalsTest::initTestCase()
{
    const std::string path = dir_.filePath("demo.db").toStdString();
    company::DemoOptions options;
    options.linesPerCompany = 1500;
    company::createDemoDatabase(path, options);
    for (int company = 1; company <= demoCompanies; ++company) {
        CompanyLedger& ledger = companies_[company - 1];
        ledger.connection = db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
        ledger.settings = company::readCompanySettings(*ledger.connection, company);
        const hostfw::AttributeDefinitions attributes = hostfw::AttributeDefinitions::read(*ledger.connection, company);
        ledger.ordering = quorvane::buildGridOffers({ledger.settings, attributes, [](int message) {
                                                         return hostfw::Catalogue::text(message, hostfw::Language::Italian);
                                                     }}).ordering;
        quorvane::ExtractionRequest request;
        request.settings = quorvane::engineSettingsOf(ledger.settings, hostfw::Language::Italian);
        ledger.financial = request.settings.financialAccounting;
        request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
        request.selection.CHK_QUANTITA = "1";
        request.headerAttributes = attributes.names(29);
        request.lineAttributes = attributes.names(30);
        ledger.extraction = std::make_unique<quorvane::MovementExtraction>(*ledger.connection);
        quorvane::NoProgress progress;
        QVERIFY(ledger.extraction->run(request, progress));
    }
}

void DemoTreeTotalsTest::build(CompanyLedger& ledger, const std::vector<quorvane::OrderingColumn>& rows)
{
    const quorvane::ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(*ledger.connection));
    const quorvane::GroupCaptions captions(
        {"(nessun valore)", accounts, ledger.settings.costCentreChart, ledger.settings.expenseItemChart});
    quorvane::NoProgress progress;
    quorvane::NoGroupTreeProgress treeProgress;
    grouped_.ConfigurazioneVisualizzazioneMovimenti(rows, ledger.extraction->movements(),
                                                    hostfw::Translator(hostfw::Language::Italian), progress);
    grouped_.CaricamentoTree(ledger.extraction->movements(), captions, treeProgress);
}

void DemoTreeTotalsTest::everyOfferedGroupingAddsUpToTheSelection_data()
{
    QTest::addColumn<int>("company");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("period");
    for (int company = 1; company <= demoCompanies; ++company) {
        QSet<QString> columns;   // both sections offer some rows: each column once
        for (const controls::OrderRowDefinition& row : companies_[company - 1].ordering) {
            if (!row.groupable || columns.contains(row.column))
                continue;
            columns.insert(row.column);
            const std::vector<int> periods = row.dateRow ? std::vector<int>{1, 2, 9, 3, 4, 5, 6, 7} : std::vector<int>{8};
            for (int period : periods)
                QTest::addRow("company %d, %s, period %d", company, qPrintable(row.caption), period)
                    << company << row.caption << row.column << period;
        }
    }
}

void DemoTreeTotalsTest::everyOfferedGroupingAddsUpToTheSelection()
{
    QFETCH(int, company);
    QFETCH(QString, caption);
    QFETCH(QString, column);
    QFETCH(int, period);
    CompanyLedger& ledger = companies_[company - 1];
    build(ledger, {groupOn(caption.toStdString(), column.toStdString(), period)});
    QVERIFY(!grouped_.tree().topLevel().empty());
    db::Recordset& movements = ledger.extraction->movements();
    quorvane::GroupTotals sum;
    for (const quorvane::GroupNode* node : grouped_.tree().topLevel()) {
        movements.Filter(quorvane::movementFilterOf(node->tag));
        const quorvane::GroupTotals group = quorvane::sumShownRows(movements);
        QVERIFY2(group.rows > 0, node->tag.c_str());
        sum.rows += group.rows;
        sum.sums.debit = sum.sums.debit + group.sums.debit;
        sum.sums.credit = sum.sums.credit + group.sums.credit;
        sum.sums.quantity = sum.sums.quantity + group.sums.quantity;
    }
    movements.Filter("");
    compareToTheCent(sum, serverSums(*ledger.connection, ledger.financial, ""), caption);
}

void DemoTreeTotalsTest::everyNodeOfADeepTreeSumsAsTheServerDoes()
{
    CompanyLedger& ledger = companies_[0];
    quorvane::OrderingColumn byDocument;
    byDocument.caption = "Nr. doc.";
    byDocument.column = "CI12_NUMDOC";
    build(ledger, {groupOn("C.d.C.", "CI13_CONTO_PC03"), groupOn("V.d.S.", "CI13_VDS_PC03"), byDocument,
                   groupOn("Data reg.", "CI12_DATAREG", 3)});
    QVERIFY(grouped_.tree().size() > 20);
    db::Recordset& movements = ledger.extraction->movements();
    const std::vector<quorvane::GroupTotals> totals = quorvane::sumEveryNode(grouped_.tree(), movements);
    QCOMPARE(totals.size(), grouped_.tree().size());
    for (std::size_t i = 0; i < grouped_.tree().size(); ++i) {
        const quorvane::GroupNode& node = grouped_.tree().node(i);
        compareToTheCent(totals[i], serverSums(*ledger.connection, false, sqlCondition(quorvane::movementFilterOf(node.tag))),
                         QString::fromStdString(node.key + " " + node.tag));
    }
    QVERIFY(movements.filter().empty());
}

QTEST_GUILESS_MAIN(DemoTreeTotalsTest)
#include "test_demo_tree_totals.moc"
