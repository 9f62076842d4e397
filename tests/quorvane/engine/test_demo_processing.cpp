// Processing each company of the demo group: whatever the company's settings (intercompany, sites, the
// vertical module, financial cost accounting, attributes, a currency without decimals), the statement runs
// and the totals agree with the movement set.

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "engine/AttributeColumns.h"
#include "engine/CompanyEngineSettings.h"
#include "hostfw/AttributeDefinitions.h"
#include "engine/MovementExtraction.h"
#include "selection/MovementTypeCondition.h"

#include <QTemporaryDir>
#include <QTest>

class DemoProcessingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void totalsAgreeWithTheMovementSet_data();
    void totalsAgreeWithTheMovementSet();

private:
    QTemporaryDir dir_;
    std::string path_;
};

void DemoProcessingTest::initTestCase()
{
    path_ = dir_.filePath("demo.db").toStdString();
    company::DemoOptions options;
    options.linesPerCompany = 400;
    company::createDemoDatabase(path_, options);
}

void DemoProcessingTest::totalsAgreeWithTheMovementSet_data()
{
    QTest::addColumn<int>("company");
    QTest::newRow("plain company") << 1;
    QTest::newRow("every option, financial cost accounting") << 2;
    QTest::newRow("single-level charts, no currency decimals") << 3;
}

void DemoProcessingTest::totalsAgreeWithTheMovementSet()
{
    QFETCH(int, company);
    auto connection = db::Connection::open("Provider=SQLite;Data Source=" + path_ + ";Mode=ReadOnly");
    const company::CompanySettings settings = company::readCompanySettings(*connection, company);
    quorvane::ExtractionRequest request;
    request.settings = quorvane::engineSettingsOf(settings, hostfw::Language::Italian);
    request.movementTypeCondition = quorvane::movementTypeCondition(std::nullopt);
    const hostfw::AttributeDefinitions attributes = hostfw::AttributeDefinitions::read(*connection, company);
    request.headerAttributes = attributes.names(quorvane::headerAttributeEntity);
    request.lineAttributes = attributes.names(quorvane::lineAttributeEntity);
    request.selection.CHK_QUANTITA = "1";
    quorvane::MovementExtraction extraction(*connection);
    quorvane::NoProgress progress;
    QVERIFY(extraction.run(request, progress));
    db::Recordset& rows = extraction.movements();
    const int debitColumn = rows.fieldIndex("DARE"), creditColumn = rows.fieldIndex("AVERE");
    const int balanceColumn = rows.fieldIndex("SALDO"), quantityColumn = rows.fieldIndex("QUANTITA");
    db::Decimal debit, credit, quantity;
    for (long r = 0; r < rows.RecordCount(); ++r) {
        const db::Decimal d = rows.valueAt(r, debitColumn).asDecimal();
        const db::Decimal c = rows.valueAt(r, creditColumn).asDecimal();
        QVERIFY(rows.valueAt(r, balanceColumn).asDecimal() == c - d);
        debit = debit + d;
        credit = credit + c;
        if (!rows.valueAt(r, quantityColumn).isNull())
            quantity = quantity + rows.valueAt(r, quantityColumn).asDecimal();
    }
    const quorvane::SelectionTotals& totals = extraction.totals();
    QCOMPARE(totals.debit.toString(), debit.rescaled(totals.debit.scale).toString());
    QCOMPARE(totals.credit.toString(), credit.rescaled(totals.credit.scale).toString());
    QVERIFY(totals.balance == credit - debit);
    QVERIFY(totals.quantity == quantity);
    QVERIFY(extraction.extractionCondition().rfind("WHERE\r\n   CI12_DITTA_CG18 = " + std::to_string(company), 0) == 0);
}

QTEST_GUILESS_MAIN(DemoProcessingTest)
#include "test_demo_processing.moc"
