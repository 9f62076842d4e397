// A processing on a real embedded database: the lines extracted, the amounts as the ledger shows them, the
// period keys, the competence days and the totals, on a hand-made company whose every figure is known.

#include "LedgerFixture.h"

#include "engine/MovementExtraction.h"

#include <QTest>

#include <utility>
#include <vector>

namespace {

// Progress as the window would show it.
class RecordedProgress : public quorvane::ProgressSink {
public:
    void progress(int value, int textNumber) override { steps.emplace_back(value, textNumber); }
    std::vector<std::pair<int, int>> steps;
};

// A number of the movement set at a given scale, whatever numeric type it came back as.
QString decimalText(const db::Value& value, int scale)
{
    if (value.isNull())
        return "NULL";
    const db::Decimal d = value.isDecimal() ? value.asDecimal() : db::Decimal::fromDouble(value.toDouble(), scale);
    return QString::fromStdString(d.rescaled(scale).toString());
}

db::Value cell(db::Recordset& rows, long row, const char* column)
{
    const int index = rows.fieldIndex(column);
    if (index < 0)
        throw std::runtime_error(std::string("no column ") + column);
    return rows.valueAt(row, index);
}

void selectFebruary2024(quorvane::SelectionParameters& s)
{
    s.CHK_PERIODOCOMP = "1";
    s.CBO_MESELI = s.CBO_MESELS = "2";
    s.TXT_ANNOLI = s.TXT_ANNOLS = "2024";
}

} // namespace

class MovementExtractionTest : public QObject {
    Q_OBJECT

private slots:
    void competenceDaysProRateTheAmount_data();
    void competenceDaysProRateTheAmount();
    void lineWhollyOutsideThePeriodIsNotExtracted();
    void amountBandKeepsItsEdges_data();
    void amountBandKeepsItsEdges();
    void accountingKindDecidesNaturesAndSides_data();
    void accountingKindDecidesNaturesAndSides();
    void periodKeysAtTheEdgesOfTheirPeriods_data();
    void periodKeysAtTheEdgesOfTheirPeriods();
    void nullDocumentDateGivesNullKeys();
    void totalsAreTheSumsOfTheMovementSet();
};

void MovementExtractionTest::competenceDaysProRateTheAmount_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("totalDays");
    QTest::addColumn<int>("daysInPeriod");
    QTest::addColumn<QString>("shown");
    QTest::newRow("15 January to 14 February") << "20240115" << "20240214" << "310.00" << 31 << 14 << "140.00";
    QTest::newRow("no competence dates: the default date") << "" << "" << "310.00" << 1 << 1 << "310.00";
    QTest::newRow("covers the whole leap February") << "20240101" << "20240331" << "910.00" << 91 << 29 << "290.00";
    QTest::newRow("overlaps the end of the period") << "20240220" << "20240310" << "200.00" << 20 << 10 << "100.00";
    QTest::newRow("inside the period") << "20240205" << "20240209" << "50.00" << 5 << 5 << "50.00";
    QTest::newRow("rounded to the amount decimals") << "20240129" << "20240204" << "100.00" << 7 << 4 << "57.14";
}

void MovementExtractionTest::competenceDaysProRateTheAmount()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, amount);
    QFETCH(int, totalDays);
    QFETCH(int, daysInPeriod);
    QFETCH(QString, shown);
    LedgerFixture fixture;
    FixtureLine line{"20240210", std::nullopt, 1, amount.toStdString()};
    if (!from.isEmpty()) {
        line.competenceFrom = from.toStdString();
        line.competenceTo = to.toStdString();
    }
    fixture.add(line);
    quorvane::ExtractionRequest request = fixture.request();
    selectFebruary2024(request.selection);
    quorvane::MovementExtraction extraction(fixture.connection());
    quorvane::NoProgress progress;
    const bool found = extraction.run(request, progress);
    QVERIFY(found);
    db::Recordset& rows = extraction.movements();
    QCOMPARE(cell(rows, 0, "TOTGGCOMP").toDouble(), double(totalDays));
    QCOMPARE(cell(rows, 0, "GGCOMP").toDouble(), double(daysInPeriod));
    QCOMPARE(decimalText(cell(rows, 0, "IMPORTO"), 2), shown);
    QCOMPARE(decimalText(cell(rows, 0, "DARE"), 2), shown);
    QCOMPARE(QString::fromStdString(extraction.totals().debit.rescaled(2).toString()), shown);
}

void MovementExtractionTest::lineWhollyOutsideThePeriodIsNotExtracted()
{
    LedgerFixture fixture;
    fixture.add({"20240210", std::nullopt, 1, "100.00", "1", std::string("20240301"), std::string("20240331")});
    fixture.add({"20240210", std::nullopt, 1, "100.00", "1", std::string("20240101"), std::string("20240131")});
    quorvane::ExtractionRequest request = fixture.request();
    selectFebruary2024(request.selection);
    quorvane::MovementExtraction extraction(fixture.connection());
    quorvane::NoProgress progress;
    const bool found = extraction.run(request, progress);
    QVERIFY(!found);
}

void MovementExtractionTest::amountBandKeepsItsEdges_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("extracted");
    QTest::newRow("900 to 1100 inclusive") << "1000" << QStringList{"899.99", "900.00", "1000.00", "1100.00", "1100.01"} << 3;
    QTest::newRow("the same band around a negative amount")
        << "-1000" << QStringList{"-899.99", "-900.00", "-1000.00", "-1100.00", "-1100.01", "1000.00"} << 3;
}

void MovementExtractionTest::amountBandKeepsItsEdges()
{
    QFETCH(QString, amount);
    QFETCH(QStringList, lines);
    QFETCH(int, extracted);
    LedgerFixture fixture;
    for (const QString& line : lines)
        fixture.add({"20240110", std::string("20240110"), 1, line.toStdString()});
    quorvane::ExtractionRequest request = fixture.request();
    request.selection.CBO_SELPERIMP = "4";
    request.selection.TXT_IMPORTO = amount.toStdString();
    request.selection.TXT_PERC = "10";
    // A quantity selector while quantity management is off adds no condition.
    request.selection.CBO_SELPERQTA = "1";
    request.selection.TXT_QUANTITA = "999";
    quorvane::MovementExtraction extraction(fixture.connection());
    quorvane::NoProgress progress;
    const bool found = extraction.run(request, progress);
    QVERIFY(found);
    QCOMPARE(extraction.movements().RecordCount(), long(extracted));
}

void MovementExtractionTest::accountingKindDecidesNaturesAndSides_data()
{
    QTest::addColumn<bool>("financial");
    QTest::addColumn<QList<int>>("natures");
    QTest::addColumn<QString>("debit");
    QTest::addColumn<QString>("credit");
    // Line amounts are 10 × (nature + 1): 10, 20, 30, 40, 50.
    QTest::newRow("costs against revenues and adjustments") << false << QList<int>{0, 1, 2} << "20.00" << "40.00";
    QTest::newRow("outflows against inflows") << true << QList<int>{3, 4} << "50.00" << "40.00";
}

void MovementExtractionTest::accountingKindDecidesNaturesAndSides()
{
    QFETCH(bool, financial);
    QFETCH(QList<int>, natures);
    QFETCH(QString, debit);
    QFETCH(QString, credit);
    LedgerFixture fixture;
    for (int nature = 0; nature <= 4; ++nature)
        fixture.add({"20240110", std::string("20240110"), nature, std::to_string(10 * (nature + 1)) + ".00"});
    quorvane::ExtractionRequest request = fixture.request();
    request.settings.financialAccounting = financial;
    quorvane::MovementExtraction extraction(fixture.connection());
    quorvane::NoProgress progress;
    const bool found = extraction.run(request, progress);
    QVERIFY(found);
    db::Recordset& rows = extraction.movements();
    QList<int> extracted;
    for (long r = 0; r < rows.RecordCount(); ++r)
        extracted << int(cell(rows, r, "NATURA").toDouble());
    std::sort(extracted.begin(), extracted.end());
    QCOMPARE(extracted, natures);
    QCOMPARE(QString::fromStdString(extraction.totals().debit.rescaled(2).toString()), debit);
    QCOMPARE(QString::fromStdString(extraction.totals().credit.rescaled(2).toString()), credit);
}

void MovementExtractionTest::periodKeysAtTheEdgesOfTheirPeriods_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QList<int>>("keys");   // SETT, QUIND, MESE, TRIM, QUAD, SEM, ANNO
    QTest::newRow("Saturday 6 January, first week") << "20240106" << QList<int>{202401, 2024011, 202401, 20241, 20241, 20241, 2024};
    QTest::newRow("day 16, second fortnight") << "20240116" << QList<int>{202403, 2024012, 202401, 20241, 20241, 20241, 2024};
    QTest::newRow("31 March, end of the quarter") << "20240331" << QList<int>{202414, 2024032, 202403, 20241, 20241, 20241, 2024};
    QTest::newRow("30 April, end of four months") << "20240430" << QList<int>{202418, 2024042, 202404, 20242, 20241, 20241, 2024};
    QTest::newRow("1 July, second half-year") << "20240701" << QList<int>{202427, 2024071, 202407, 20243, 20242, 20242, 2024};
    QTest::newRow("31 December") << "20241231" << QList<int>{202453, 2024122, 202412, 20244, 20243, 20242, 2024};
}

void MovementExtractionTest::periodKeysAtTheEdgesOfTheirPeriods()
{
    QFETCH(QString, date);
    QFETCH(QList<int>, keys);
    LedgerFixture fixture;
    fixture.add({date.toStdString(), date.toStdString()});
    quorvane::ExtractionRequest request = fixture.request();
    quorvane::MovementExtraction extraction(fixture.connection());
    quorvane::NoProgress progress;
    const bool found = extraction.run(request, progress);
    QVERIFY(found);
    const char* suffixes[] = {"SETT", "QUIND", "MESE", "TRIM", "QUAD", "SEM", "ANNO"};
    for (const char* prefix : {"DATAREG", "DATADOC"})
        for (int i = 0; i < 7; ++i) {
            const std::string column = std::string(prefix) + suffixes[i];
            QCOMPARE(int(cell(extraction.movements(), 0, column.c_str()).toDouble()), keys[i]);
        }
}

void MovementExtractionTest::nullDocumentDateGivesNullKeys()
{
    LedgerFixture fixture;
    fixture.add({"20240115", std::nullopt});
    quorvane::ExtractionRequest request = fixture.request();
    quorvane::MovementExtraction extraction(fixture.connection());
    quorvane::NoProgress progress;
    const bool found = extraction.run(request, progress);
    QVERIFY(found);
    for (const char* column : {"DATADOCSETT", "DATADOCQUIND", "DATADOCMESE", "DATADOCTRIM", "DATADOCQUAD",
                               "DATADOCSEM", "DATADOCANNO"})
        QVERIFY2(cell(extraction.movements(), 0, column).isNull(), column);
    QCOMPARE(int(cell(extraction.movements(), 0, "DATAREGMESE").toDouble()), 202401);
}

void MovementExtractionTest::totalsAreTheSumsOfTheMovementSet()
{
    LedgerFixture fixture;
    const char* amounts[] = {"12.34", "-5.01", "1000.00", "0.07", "250.50"};
    for (int i = 0; i < 5; ++i)
        fixture.add({"20240110", std::string("20240110"), i % 3, amounts[i], std::to_string(i) + ".125000"});
    quorvane::ExtractionRequest request = fixture.request();
    quorvane::MovementExtraction extraction(fixture.connection());
    RecordedProgress progress;
    const bool found = extraction.run(request, progress);
    QVERIFY(found);
    db::Recordset& rows = extraction.movements();
    db::Decimal debit{0, 2}, credit{0, 2}, quantity{0, 6};
    for (long r = 0; r < rows.RecordCount(); ++r) {
        const db::Decimal d = *db::Decimal::parse(decimalText(cell(rows, r, "DARE"), 2).toStdString());
        const db::Decimal c = *db::Decimal::parse(decimalText(cell(rows, r, "AVERE"), 2).toStdString());
        debit = debit + d;
        credit = credit + c;
        quantity = quantity + *db::Decimal::parse(decimalText(cell(rows, r, "QUANTITA"), 6).toStdString());
        QCOMPARE(decimalText(cell(rows, r, "SALDO"), 2), QString::fromStdString((c - d).rescaled(2).toString()));
        QVERIFY2(d.mantissa == 0 || c.mantissa == 0, "a row counts on one side only");
    }
    const quorvane::SelectionTotals& totals = extraction.totals();
    QCOMPARE(totals.debit.rescaled(2).toString(), debit.toString());
    QCOMPARE(totals.credit.rescaled(2).toString(), credit.toString());
    QCOMPARE(totals.balance.rescaled(2).toString(), (credit - debit).toString());
    QCOMPARE(totals.quantity.rescaled(6).toString(), quantity.toString());
    QCOMPARE(totals.credit.rescaled(2).toString(), std::string("1012.41"));
    const std::vector<std::pair<int, int>> expected = {{0, 71672}, {1, 71673}, {2, 71674}};
    QCOMPARE(progress.steps, expected);
}

QTEST_GUILESS_MAIN(MovementExtractionTest)
#include "test_movement_extraction.moc"
