// A processing run in parts on several connections against the same processing in one piece, on the demo
// companies: the same movement set row by row and value by value, in the same order and with the same
// numbers ("ID"), and the same totals, whatever the selection; a part that fails, or a stop, ends them all
// and is reported once.

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/ConnectionString.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/MovementExtraction.h"
#include "engine/PartitionedExtraction.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int demoCompanies = 3;
constexpr int threads = 4;

// Remembers the parts the processing said were running, and stops them when told to.
class PartsSeen : public quorvane::ProgressSink {
public:
    explicit PartsSeen(bool stop = false) : stop_(stop) {}
    void progress(int, int) override {}
    bool parts(int, int total) override
    {
        partsTotal = total;
        return !stop_;
    }
    int partsTotal = 0;

private:
    bool stop_;
};

QString describe(const db::Value& value)
{
    if (value.isDecimal())
        return QString::fromStdString(value.asDecimal().toString());
    return value.isNull() ? QStringLiteral("NULL") : QString::fromStdString(value.toText());
}

QString totalsText(const quorvane::SelectionTotals& t)
{
    return QString::fromStdString(t.debit.toString() + " " + t.credit.toString() + " " + t.balance.toString() + " "
                                  + t.quantity.toString());
}

void choose(const QString& selection, quorvane::ExtractionRequest& request)
{
    quorvane::SelectionParameters& s = request.selection;
    if (selection == "budget")
        s.CBO_INDOPERAZIONE = "1";
    if (selection == "both operation kinds")
        s.CBO_INDOPERAZIONE = "2";
    if (selection == "registration dates") {
        s.TXT_DATAREGDA = QDate(2023, 3, 1);
        s.TXT_DATAREGA = QDate(2024, 2, 29);
    }
    if (selection == "competence period") {
        s.CHK_PERIODOCOMP = "1";
        s.CBO_MESELI = "11";
        s.TXT_ANNOLI = "2023";
        s.CBO_MESELS = "2";
        s.TXT_ANNOLS = "2024";
    }
    if (selection == "limits")
        request.limitsCondition = "(CI13_CONTO_PC03 LIKE '01%' OR CI13_QTA > 5)";
    if (selection == "amount band") {
        s.CBO_SELPERIMP = "4";
        s.TXT_IMPORTO = "500";
        s.TXT_PERC = "80";
    }
    if (selection == "expense items begun")
        s.CBO_SELCONTOVDS = "1", s.TXT_CONTO = "0";
}

} // namespace

class ProcessingInPartsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void partsGiveTheMovementSetOfOnePiece_data();
    void partsGiveTheMovementSetOfOnePiece();
    void aFailingPartStopsTheOthersAndIsReportedOnce();
    void aStopEndsEveryPartAndTheNextProcessingRuns();

private:
    quorvane::ExtractionRequest request(int company, db::Connection& connection) const;

    QTemporaryDir dir_;
    std::string path_;
};

void ProcessingInPartsTest::initTestCase()
{
    path_ = dir_.filePath("demo.db").toStdString();
    company::DemoOptions options;
    options.linesPerCompany = 2500;
    company::createDemoDatabase(path_, options);
}

quorvane::ExtractionRequest ProcessingInPartsTest::request(int company, db::Connection& connection) const
{
    quorvane::ExtractionRequest request;
    request.settings = quorvane::engineSettingsOf(company::readCompanySettings(connection, company),
                                                  hostfw::Language::Italian);
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    request.selection.CHK_QUANTITA = "1";
    return request;
}

void ProcessingInPartsTest::partsGiveTheMovementSetOfOnePiece_data()
{
    QTest::addColumn<int>("company");
    QTest::addColumn<QString>("selection");
    for (int company = 1; company <= demoCompanies; ++company)
        for (const char* selection : {"every line", "budget", "both operation kinds", "registration dates",
                                      "competence period", "limits", "amount band", "expense items begun"})
            QTest::addRow("company %d, %s", company, selection) << company << QString(selection);
}

void ProcessingInPartsTest::partsGiveTheMovementSetOfOnePiece()
{
    QFETCH(int, company);
    QFETCH(QString, selection);
    auto onePieceConnection = db::Connection::open(db::embeddedDatabase(path_, db::Access::ReadOnly));
    auto partsConnection = db::Connection::open(db::embeddedDatabase(path_, db::Access::ReadOnly));
    quorvane::ExtractionRequest asked = request(company, *onePieceConnection);
    choose(selection, asked);
    quorvane::MovementExtraction onePiece(*onePieceConnection, 1);
    quorvane::MovementExtraction inParts(*partsConnection, threads);
    quorvane::NoProgress quiet;
    PartsSeen seen;
    QCOMPARE(inParts.run(asked, seen), onePiece.run(asked, quiet));
    QVERIFY2(seen.partsTotal > 1, "the processing did not run in parts");

    db::Recordset& expected = onePiece.movements();
    db::Recordset& actual = inParts.movements();
    QCOMPARE(actual.RecordCount(), expected.RecordCount());
    QCOMPARE(actual.fieldCount(), expected.fieldCount());
    for (int c = 0; c < expected.fieldCount(); ++c) {
        QCOMPARE(actual.field(c).name, expected.field(c).name);
        QVERIFY(actual.field(c).type == expected.field(c).type);
        for (long row = 0; row < expected.RecordCount(); ++row)
            if (!(actual.valueAt(row, c) == expected.valueAt(row, c)))
                QFAIL(qPrintable(QStringLiteral("row %1, %2: %3 instead of %4")
                                     .arg(row + 1)
                                     .arg(QString::fromStdString(expected.field(c).name))
                                     .arg(describe(actual.valueAt(row, c)), describe(expected.valueAt(row, c)))));
    }
    QCOMPARE(totalsText(inParts.totals()), totalsText(onePiece.totals()));
}

// Registrations after the first few thousand hold a text where the condition wants a number: the parts
// over them fail, the first part does not, and the processing reports the failure once.
void ProcessingInPartsTest::aFailingPartStopsTheOthersAndIsReportedOnce()
{
    auto connection = db::Connection::open(db::embeddedDatabase(path_, db::Access::ReadOnly));
    quorvane::ExtractionRequest asked = request(1, *connection);
    db::Recordset numbers = connection->Open("SELECT MAX(CI12_NUMREG_CO99) AS N FROM CI12_MOVTESTATA WHERE CI12_DITTA_CG18 = 1");
    numbers.MoveFirst();
    asked.limitsCondition = "CAST(CASE WHEN CI12_NUMREG_CO99 >= '" + numbers.value("N").asText()
                          + "' THEN 'non numero' ELSE '1' END AS INT) = 1";
    quorvane::MovementExtraction inParts(*connection, threads);
    PartsSeen seen;
    int reported = 0;
    try {
        inParts.run(asked, seen);
    } catch (const db::Error& e) {
        ++reported;
        QVERIFY2(QString(e.what()).contains("non numero"), e.what());
    }
    QCOMPARE(reported, 1);
    QVERIFY(seen.partsTotal > 1);
}

void ProcessingInPartsTest::aStopEndsEveryPartAndTheNextProcessingRuns()
{
    auto connection = db::Connection::open(db::embeddedDatabase(path_, db::Access::ReadOnly));
    const quorvane::ExtractionRequest asked = request(2, *connection);
    quorvane::MovementExtraction inParts(*connection, threads);
    PartsSeen stopping(true);
    QVERIFY_THROWS_EXCEPTION(quorvane::ExtractionStopped, inParts.run(asked, stopping));
    PartsSeen seen;
    QVERIFY(inParts.run(asked, seen));
    QVERIFY(inParts.movements().RecordCount() > 0);
}

QTEST_GUILESS_MAIN(ProcessingInPartsTest)
#include "test_processing_in_parts.moc"
