// The group tree over a demo company's extraction: three grouping levels, every node's totals against the
// server's own sums over #MOVIMENTI with the node's condition, and the top-level groups against the whole
// selection.

#include "company/DemoDatabase.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/GroupTotals.h"
#include "engine/GroupedLedger.h"
#include "engine/LedgerSides.h"
#include "engine/MovementExtraction.h"
#include "engine/NodeFilter.h"
#include "selection/MovementTypeCondition.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

quorvane::OrderingColumn groupOn(const std::string& caption, const std::string& column, int period = 8)
{
    quorvane::OrderingColumn row;
    row.caption = caption;
    row.column = column;
    row.group = true;
    row.dateRow = period != 8;
    row.period = period;
    return row;
}

// The node's movement filter as a condition over #MOVIMENTI.
std::string sqlCondition(const std::string& filter)
{
    std::string condition = filter;
    for (std::size_t at = condition.find("=NULL"); at != std::string::npos; at = condition.find("=NULL", at))
        condition.replace(at, 5, " IS NULL");
    return condition;
}

} // namespace

class DemoTreeTotalsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void topLevelGroupsAddUpToTheSelection();
    void everyNodeSumsAsTheServerDoes();

private:
    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> connection_;
    std::unique_ptr<quorvane::MovementExtraction> extraction_;
    quorvane::GroupedLedger ledger_;
};

void DemoTreeTotalsTest::initTestCase()
{
    const std::string path = dir_.filePath("demo.db").toStdString();
    company::DemoOptions options;
    options.linesPerCompany = 1500;
    company::createDemoDatabase(path, options);
    connection_ = db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    quorvane::ExtractionRequest request;
    request.settings.company = 1;
    request.settings.costCentreChart = 1;
    request.settings.expenseItemChart = 2;
    request.movementTypeCondition = quorvane::movementTypeCondition(std::nullopt);
    request.selection.CHK_QUANTITA = "1";
    extraction_ = std::make_unique<quorvane::MovementExtraction>(*connection_);
    quorvane::NoProgress progress;
    QVERIFY(extraction_->run(request, progress));

    const quorvane::ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(*connection_));
    const hostfw::Translator translator(hostfw::Language::Italian);
    const quorvane::GroupCaptions captions({"(nessun valore)", accounts, 1, 2});
    quorvane::OrderingColumn byDocument;
    byDocument.caption = "Nr. doc.";
    byDocument.column = "CI12_NUMDOC";
    quorvane::NoGroupTreeProgress treeProgress;
    ledger_.ConfigurazioneVisualizzazioneMovimenti(
        {groupOn("C.d.C.", "CI13_CONTO_PC03"), groupOn("V.d.S.", "CI13_VDS_PC03"), byDocument,
         groupOn("Data reg.", "CI12_DATAREG", 3)},
        extraction_->movements(), translator, captions, progress, treeProgress);
    QVERIFY(ledger_.hasGroups());
    QVERIFY(ledger_.tree().size() > 20);
}

void DemoTreeTotalsTest::topLevelGroupsAddUpToTheSelection()
{
    db::Recordset& movements = extraction_->movements();
    quorvane::SelectionTotals sum;
    long rows = 0;
    for (const quorvane::GroupNode* node : ledger_.tree().topLevel()) {
        QCOMPARE(node->level, 1);
        movements.Filter(quorvane::movementFilterOf(node->tag));
        const quorvane::GroupTotals group = quorvane::sumShownRows(movements);
        sum.debit = sum.debit + group.sums.debit;
        sum.credit = sum.credit + group.sums.credit;
        sum.quantity = sum.quantity + group.sums.quantity;
        rows += group.rows;
    }
    movements.Filter("");
    const quorvane::SelectionTotals& whole = extraction_->totals();
    QCOMPARE(rows, movements.RecordCount());
    QVERIFY(sum.debit == whole.debit);
    QVERIFY(sum.credit == whole.credit);
    QVERIFY(sum.quantity == whole.quantity);
    QVERIFY(quorvane::sumShownRows(movements).sums.balance == whole.balance);
}

void DemoTreeTotalsTest::everyNodeSumsAsTheServerDoes()
{
    db::Recordset& movements = extraction_->movements();
    const quorvane::LedgerSides sides = quorvane::ledgerSides(false);
    for (std::size_t i = 0; i < ledger_.tree().size(); ++i) {
        const quorvane::GroupNode& node = ledger_.tree().node(i);
        movements.Filter(quorvane::movementFilterOf(node.tag));
        const quorvane::GroupTotals group = quorvane::sumShownRows(movements);
        db::Recordset server = connection_->Open(
            std::string("SELECT COUNT(*) AS RIGHE, SUM(CASE ") + sides.debitWhen
            + " ISNULL(#MOVIMENTI.CI13_IMPORTO, 0) ELSE 0 END) AS DARE, SUM(CASE " + sides.creditWhen
            + " ISNULL(#MOVIMENTI.CI13_IMPORTO, 0) ELSE 0 END) AS AVERE, SUM(ISNULL(#MOVIMENTI.CI13_QTA, 0)) AS QUANTITA"
              " FROM #MOVIMENTI WHERE "
            + sqlCondition(movements.filter()));
        const QString which = QString::fromStdString(node.key + " " + node.tag);
        QVERIFY2(group.rows == static_cast<long>(server.value("RIGHE").toDouble()), qPrintable(which));
        // Right to the cent: the server's sums are compared at the company's two decimals.
        QVERIFY2(group.sums.debit.rescaled(2) == db::Decimal::fromDouble(server.value("DARE").toDouble(), 2),
                 qPrintable(which));
        QVERIFY2(group.sums.credit.rescaled(2) == db::Decimal::fromDouble(server.value("AVERE").toDouble(), 2),
                 qPrintable(which));
        QVERIFY2(std::abs(group.sums.quantity.toDouble() - server.value("QUANTITA").toDouble()) < 1e-6, qPrintable(which));
    }
    movements.Filter("");
}

QTEST_GUILESS_MAIN(DemoTreeTotalsTest)
#include "test_demo_tree_totals.moc"
