// The detail pane of a movement: its lines read again from the company database with their amounts, debit,
// credit, balance and quantity by the nature of their expense item, pro-rated by a competence period as the
// ledger's own rows are; a row without registration number empties the pane.

#include "DisplayFixture.h"

#include "controls/DataGrid.h"
#include "display/MovementDetail.h"
#include "engine/CompetencePeriod.h"

#include <QtTest>

#include <map>

using namespace quorvane;
using namespace quorvane::display;

namespace {

// A movement set of one row holding only the registration number, as the grid's current row.
db::Recordset currentRowWith(const db::Value& registrationNumber)
{
    db::Recordset rows = db::Recordset::inMemory({{"CI12_NUMREG_CO99", db::DataType::Text, 10}});
    rows.AddNew();
    rows.setValue("CI12_NUMREG_CO99", registrationNumber);
    rows.Update();
    rows.MoveFirst();
    return rows;
}

DetailRowsRequest requestFor(db::Connection& connection, int company)
{
    return {displaytest::engineSettings(connection, company), std::nullopt,
            displaytest::lineAttributes(connection, company)};
}

// The movement's figures summed by the server straight from its lines whose account exists, and their
// expense items' natures.
std::string serverSums(int company, const std::string& number, bool financial)
{
    const std::string debit = financial ? "4" : "1", credit = financial ? "3" : "0, 2";
    const std::string kinds = financial ? "3, 4" : "0, 1, 2";
    return "SELECT COUNT(*) AS RIGHE, SUM(CI13_IMPORTO) AS IMPORTO"
           ", SUM(CASE WHEN PC04_INDCOSTORIC = " + debit + " THEN CI13_IMPORTO ELSE 0 END) AS DARE"
           ", SUM(CASE WHEN PC04_INDCOSTORIC IN (" + credit + ") THEN CI13_IMPORTO ELSE 0 END) AS AVERE"
           ", SUM(CASE WHEN PC04_INDCOSTORIC = 1 THEN -CI13_IMPORTO ELSE CI13_IMPORTO END) AS SALDO"
           ", SUM(CI13_QTA) AS QUANTITA"
           " FROM CI13_MOVCORPO"
           " INNER JOIN PC03_ANAGPDC AS CONTO ON CONTO.PC03_DITTA_CG18 = CI13_DITTA_CG18"
           "   AND CONTO.PC03_CODICE_PC01 = CI13_CODPDC_PC01 AND CONTO.PC03_CONTO = CI13_CONTO_PC03"
           " INNER JOIN PC03_ANAGPDC AS VDS ON VDS.PC03_DITTA_CG18 = CI13_DITTA_CG18 AND VDS.PC03_CODICE_PC01 = CI13_CODVDS_PC01"
           "   AND VDS.PC03_CONTO = CI13_VDS_PC03"
           " INNER JOIN PC04_NATURECOSTI ON PC04_DITTA_CG18 = CI13_DITTA_CG18 AND PC04_CODICE = VDS.PC03_NATURA_PC04"
           " WHERE CI13_DITTA_CG18 = " + std::to_string(company) + " AND CI13_NUMREG_CO99 = '" + number + "'"
           "   AND PC04_INDCOSTORIC IN (" + kinds + ")";
}

db::Decimal columnSum(const db::Recordset& rows, const char* field, int scale)
{
    const int column = rows.fieldIndex(field);
    db::Decimal sum{0, scale};
    for (long r = 0; r < rows.RecordCount(); ++r)
        if (!rows.valueAt(r, column).isNull())
            sum = sum + db::Decimal::fromDouble(rows.valueAt(r, column).toDouble(), scale);
    return sum;
}

db::Decimal valueOf(const db::Recordset& row, const char* field, int scale)
{
    return db::Decimal::fromDouble(row.value(field).toDouble(), scale);
}

} // namespace

class DetailRowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void theDetailFiguresAreTheServersSums_data();
    void theDetailFiguresAreTheServersSums();
    void competenceSharesAreThoseOfTheLedgersRows();
    void aRowWithoutRegistrationNumberEmptiesThePane_data();
    void aRowWithoutRegistrationNumberEmptiesThePane();

private:
    std::unique_ptr<db::Connection> connection_;
};

void DetailRowsTest::initTestCase()
{
    connection_ = displaytest::openDemo();
}

void DetailRowsTest::theDetailFiguresAreTheServersSums_data()
{
    QTest::addColumn<int>("company");
    QTest::newRow("plain company") << 1;
    QTest::newRow("every option, financial cost accounting") << 2;
    QTest::newRow("no currency decimals") << 3;
}

void DetailRowsTest::theDetailFiguresAreTheServersSums()
{
    QFETCH(int, company);
    const DetailRowsRequest request = requestFor(*connection_, company);
    const int d = request.settings.amountDecimals;
    db::Recordset numbers = connection_->Open("SELECT TOP 60 CI12_NUMREG_CO99 FROM CI12_MOVTESTATA WHERE CI12_DITTA_CG18 = "
                                              + std::to_string(company) + " ORDER BY CI12_NUMREG_CO99");
    QVERIFY(numbers.RecordCount() > 0);
    MovementDetail detail(*connection_);
    long linesSeen = 0;
    for (numbers.MoveFirst(); !numbers.EOF_(); numbers.MoveNext()) {
        const std::string number = numbers.value(0).toText();
        const db::Recordset movement = currentRowWith(number);
        detail.CaricaRigheDiDettaglio(movement, request, nullptr);
        db::Recordset expected = connection_->Open(serverSums(company, number, request.settings.financialAccounting));
        const db::Recordset& rows = detail.rows();
        QCOMPARE(rows.RecordCount(), static_cast<long>(expected.value("RIGHE").toDouble()));
        linesSeen += rows.RecordCount();
        for (const char* figure : {"IMPORTO", "DARE", "AVERE", "SALDO"})
            QVERIFY2(columnSum(rows, figure, d) == valueOf(expected, figure, d), (number + " " + figure).c_str());
        QVERIFY(columnSum(rows, "QUANTITA", 6) == valueOf(expected, "QUANTITA", 6));
        for (long r = 1; r < rows.RecordCount(); ++r)   // in line order
            QVERIFY(rows.valueAt(r, rows.fieldIndex("CI13_PROGRIGA")).toDouble()
                    > rows.valueAt(r - 1, rows.fieldIndex("CI13_PROGRIGA")).toDouble());
    }
    QVERIFY(linesSeen >= 20);
}

// Lines that the ledger extracts under a competence period show the same pro-rated amount and quantity in
// the detail pane as in the ledger's own rows.
void DetailRowsTest::competenceSharesAreThoseOfTheLedgersRows()
{
    const int company = 1;
    db::Recordset spread = connection_->Open(
        "SELECT TOP 1 CI13_DADATACOMP FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1 AND CI13_DADATACOMP IS NOT NULL"
        " AND MONTH(CI13_ADATACOMP) <> MONTH(CI13_DADATACOMP) ORDER BY CI13_NUMREG_CO99");
    QVERIFY2(!spread.EOF_(), "the demo company has lines with a competence range");
    const db::DateTime start = spread.value(0).asDateTime();
    ExtractionRequest extraction = displaytest::everyMovement(*connection_, company);
    extraction.selection.CHK_PERIODOCOMP = "1";
    extraction.selection.CBO_MESELI = extraction.selection.CBO_MESELS = std::to_string(start.month());
    extraction.selection.TXT_ANNOLI = extraction.selection.TXT_ANNOLS = std::to_string(start.year());
    MovementExtraction ledger(*connection_);
    NoProgress progress;
    QVERIFY(ledger.run(extraction, progress));

    DetailRowsRequest request = requestFor(*connection_, company);
    request.competence = competencePeriodOf(extraction.selection);
    MovementDetail detail(*connection_);
    db::Recordset& movements = ledger.movements();
    long compared = 0, partial = 0;
    for (movements.MoveFirst(); !movements.EOF_() && compared < 400; movements.MoveNext()) {
        detail.CaricaRigheDiDettaglio(movements, request, nullptr);
        const db::Recordset& rows = detail.rows();
        const double line = movements.value("CI13_PROGRIGA").toDouble();
        long found = 0;
        for (long r = 0; r < rows.RecordCount(); ++r) {
            if (rows.valueAt(r, rows.fieldIndex("CI13_PROGRIGA")).toDouble() != line)
                continue;
            ++found;
            const db::Value amount = rows.valueAt(r, rows.fieldIndex("IMPORTO"));
            QCOMPARE(amount.toText(), movements.value("IMPORTO").toText());
            QCOMPARE(rows.valueAt(r, rows.fieldIndex("QUANTITA")).toDouble(), movements.value("QUANTITA").toDouble());
            if (movements.value("GGCOMP").toDouble() < movements.value("TOTGGCOMP").toDouble())
                ++partial;
        }
        QCOMPARE(found, 1L);
        ++compared;
    }
    QVERIFY(compared > 0);
    QVERIFY2(partial > 0, "some line is only partly inside the period");
}

void DetailRowsTest::aRowWithoutRegistrationNumberEmptiesThePane_data()
{
    QTest::addColumn<bool>("nullNumber");
    QTest::newRow("empty registration number") << false;
    QTest::newRow("null registration number") << true;
}

void DetailRowsTest::aRowWithoutRegistrationNumberEmptiesThePane()
{
    QFETCH(bool, nullNumber);
    const DetailRowsRequest request = requestFor(*connection_, 1);
    db::Recordset first = connection_->Open("SELECT TOP 1 CI12_NUMREG_CO99 FROM CI12_MOVTESTATA WHERE CI12_DITTA_CG18 = 1");
    controls::DataGrid grid;
    controls::DataGridColumn line;
    line.key = QStringLiteral("CI13_PROGRIGA");
    line.widthTwips = 600;
    grid.addColumn(line);
    grid.closeColumnList();
    MovementDetail detail(*connection_);
    const db::Recordset withNumber = currentRowWith(first.value(0));
    detail.AggiornaDettaglioMovimenti(&withNumber, request, &grid);
    QVERIFY(grid.model()->rowCount() > 0);
    QCOMPARE(grid.recordset(), &detail.rows());

    const db::Recordset without = currentRowWith(nullNumber ? db::Value() : db::Value(""));
    detail.AggiornaDettaglioMovimenti(&without, request, &grid);
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(grid.recordset(), nullptr);
    QVERIFY(!detail.rows().isOpen());
}

QTEST_MAIN(DetailRowsTest)
#include "test_detail_rows.moc"
