// The ledger exported from a demo company, grouped by cost centre and month, and read back: the spreadsheet's
// The ledger exported from a demo company, grouped by cost centre and month, and read back: the spreadsheet's
// typed cells, outline levels and rows in the tree's order, further sheets past a sheet's rows, the CSV's
// separators, lines and sums, hostile stored texts written so that the file holds them and nothing runs
// them, and no file left by a failure or a cancel. What every total holds against the database is the
// business of the test of every output (test_every_output_sums_as_the_database).

#include "CsvRecords.h"
#include "XlsxBook.h"

#include "company/DemoDatabase.h"
#include "display/GridLayout.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/GroupTotals.h"
#include "engine/GroupedLedger.h"
#include "engine/MovementExtraction.h"
#include "engine/NumberFormat.h"
#include "export/CompanyCellTexts.h"
#include "export/LedgerExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <functional>
#include <set>

using namespace quorvane;
using namespace quorvane::exporting;

namespace {

// Stored line descriptions a file cannot hold as they are, each tagged at its end to be found again: the
// text, what the spreadsheet's XML holds, what the CSV field holds, and whether characters were left out
// (bytes that are no UTF-8 reach the export as U+FFFD already, which both files hold).
struct HostileText {
    const char* name;
    QByteArray stored;
    QString sheet, csv;
    bool shortened;
};
const HostileText hostileTexts[] = {
    {"noncharacter", "a\xEF\xBF\xBE" "b", "ab", "ab", true},
    {"NUL inside", QByteArray("a\0b", 3), "ab", "ab", true},
    {"control character", "a\x01" "b", "ab", "ab", true},
    {"bytes that are no UTF-8", "a\xC3(b", "a\uFFFD(b", "a\uFFFD(b", false},
    {"encoded character written literally", "_x0041_", "_x005F_x0041_", "_x0041_", false},
    {"formula", "=1+2", "=1+2", "'=1+2", false},
    {"function at sign", "@SUM(A1)", "@SUM(A1)", "'@SUM(A1)", false},
    {"minus", "-2+3", "-2+3", "'-2+3", false},
    {"tab first", "\tx", "\tx", "'\tx", false},
};
QString tagOf(std::size_t index) { return " #" + QString::number(index); }

// Stops at the first report of progress.
class CancelAtOnce final : public ExportProgress {
public:
    bool linesWritten(long, long) override { return false; }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class LedgerExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cellsAreTypedAsTheGridShowsThem();
    void groupsCollapseUnderTheirCaptionsInTheTreesOrder();
    void aLedgerLongerThanASheetGoesOnInTheNextSheet();
    void csvGivesBackTheLinesAndTheirSumsToTheCent_data();
    void csvGivesBackTheLinesAndTheirSumsToTheCent();
    void aFailedOrCancelledExportLeavesNoFileUnderItsName();
    void aStoredTextIsWrittenSoTheFileHoldsItAndNothingRunsIt_data();
    void aStoredTextIsWrittenSoTheFileHoldsItAndNothingRunsIt();

private:
    ExportOutcome exportTo(const QString& name, ExportRequest request, ExportProgress& progress);
    xlsxtest::Sheet exported(const QString& name);
    int column(const char* key) const { return static_cast<int>(*columns_->find(key)); }
    std::size_t captionRow(const xlsxtest::Sheet& sheet) const;

    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> connection_;
    std::unique_ptr<MovementExtraction> extraction_;
    GroupedLedger ledger_;
    std::unique_ptr<CompanyCellTexts> texts_;
    std::unique_ptr<ExportColumns> columns_;
    std::unique_ptr<display::CellFormats> formats_;
};

void LedgerExportTest::initTestCase()
{
    const std::string path = dir_.filePath("demo.db").toStdString();
    company::DemoOptions options;
    options.linesPerCompany = 1200;
    company::createDemoDatabase(path, options);
    sqlite3* file = nullptr;
    QCOMPARE(sqlite3_open(path.c_str(), &file), SQLITE_OK);
    for (std::size_t line = 0; line < 10 * std::size(hostileTexts); ++line) {   // not every line is extracted
        const std::size_t i = line % std::size(hostileTexts);
        const QByteArray text = hostileTexts[i].stored + tagOf(i).toUtf8();
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(file, "UPDATE CI13_MOVCORPO SET CI13_DESCRAGG = ?1 WHERE rowid = (SELECT rowid FROM "
                           "CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 1 ORDER BY rowid LIMIT 1 OFFSET ?2)", -1, &update, nullptr);
        sqlite3_bind_text(update, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(update, 2, qint64(line));
        QCOMPARE(sqlite3_step(update), SQLITE_DONE);
        sqlite3_finalize(update);
    }
    sqlite3_close(file);
    connection_ = db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    ExtractionRequest request;
    request.settings.company = 1;
    request.settings.costCentreChart = 1;
    request.settings.expenseItemChart = 2;
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";   // every movement type
    request.selection.CHK_QUANTITA = "1";
    extraction_ = std::make_unique<MovementExtraction>(*connection_);
    NoProgress progress;
    QVERIFY(extraction_->run(request, progress));
    const ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(*connection_));
    NoGroupTreeProgress treeProgress;
    const std::vector<OrderingColumn> byCentreAndMonth{{"C.d.C.", "CI13_CONTO_PC03", true, false, "ASC", true},
                                                       {"Data reg.", "CI12_DATAREG", true, true, "ASC", true, 3}};
    ledger_.ConfigurazioneVisualizzazioneMovimenti(byCentreAndMonth, extraction_->movements(),
                                                   hostfw::Translator(hostfw::Language::Italian), progress);
    ledger_.CaricamentoTree(extraction_->movements(), GroupCaptions({"(nessun valore)", accounts, 1, 2}),
                            treeProgress);

    display::GridLayoutSettings grid;
    grid.debitCaption = "Costi";
    grid.creditCaption = "Ricavi";
    grid.amountFormat = QString::fromStdString(amountFormat(2));
    grid.currencyText = "EUR";
    columns_ = std::make_unique<ExportColumns>(shownColumns(display::movementGridLayout(grid), true));
    texts_ = std::make_unique<CompanyCellTexts>(*connection_, hostfw::Language::Italian);
    formats_ = std::make_unique<display::CellFormats>(
        display::CellFormats{display::MovementGrid::Movements, *texts_, 1, 2});
}

ExportOutcome LedgerExportTest::exportTo(const QString& name, ExportRequest request, ExportProgress& progress)
{
    request.path = dir_.filePath(name).toStdString();
    const Countervalue ownCurrency(SelectionParameters{}, "EUR", *connection_, 1);
    const LedgerSource source{extraction_->movements(), ledger_.tree(), ledger_.configuration().levels, *columns_,
                              *formats_, ownCurrency, {"Partitario contabilità analitica", "Ditta 1 - Demo", {"Conto: tutti"}, {}, {}}};
    return exportLedger(source, request, progress);
}

xlsxtest::Sheet LedgerExportTest::exported(const QString& name)
{
    NoExportProgress progress;
    if (exportTo(name, {}, progress) != ExportOutcome::Written)
        return {};
    xlsxtest::XlsxBook book(dir_.filePath(name));
    return book.sheets.size() == 1 ? book.sheets.front() : xlsxtest::Sheet{};
}

std::size_t LedgerExportTest::captionRow(const xlsxtest::Sheet& sheet) const
{
    for (std::size_t r = 0; r < sheet.rows.size(); ++r)
        if (sheet.rows[r].text(0) == (*columns_)[0].grid.caption)
            return r;
    return sheet.rows.size();
}

void LedgerExportTest::cellsAreTypedAsTheGridShowsThem()
{
    const xlsxtest::Sheet sheet = exported("typed.xlsx");
    const std::size_t captions = captionRow(sheet);
    QVERIFY(captions < sheet.rows.size());
    QCOMPARE(sheet.rows[captions].text(column("DARE")), QString("Costi (EUR)"));
    const QByteArray captionsRow = QByteArray::number(sheet.rows[captions].number);
    const QByteArray firstLine = QByteArray::number(captionsRow.toInt() + 1);
    QVERIFY(sheet.xml.contains("ySplit=\"" + captionsRow + "\" topLeftCell=\"A" + firstLine));
    QVERIFY(sheet.xml.contains("state=\"frozen\"") && sheet.xml.contains("<autoFilter ref=\"A" + captionsRow + ":"));
    // The debit column holds the selection's total as the number format writes it, digit for digit.
    const QString total = QLocale(QLocale::English).toString(sheet.rows.back().text(column("DARE")).toDouble(), 'f', 2);
    const QByteArray debitColumn = QByteArray::number(column("DARE") + 1);
    const qsizetype at = sheet.xml.indexOf("<col min=\"" + debitColumn + "\" max=\"" + debitColumn + "\" width=\"");
    QVERIFY(at >= 0);
    QVERIFY2(QString::fromLatin1(sheet.xml.mid(at, 80)).section('"', 5, 5).toDouble() >= total.size(), qPrintable(total));
    // The first line with a quantity that names a warehouse: its code is a text with a leading zero.
    const auto withWarehouse = std::find_if(sheet.rows.begin() + long(captions), sheet.rows.end(), [&](const auto& r) {
        return r.outlineLevel == 2 && r.text(column("CI13_DEP_MG58")).startsWith('0') && r.cents(column("QUANTITA"));
    });
    QVERIFY(withWarehouse != sheet.rows.end());
    const xlsxtest::Row& line = *withWarehouse;
    db::Recordset source = connection_->Open(
        "SELECT CI12_DATAREG, CI13_IMPORTO, CI13_CONTO_PC03, CI13_DEP_MG58 FROM #MOVIMENTI WHERE CI13_NUMREG_CO99 = '"
        + line.text(column("CI13_NUMREG_CO99")).toStdString() + "' AND CI13_PROGRIGA = "
        + line.text(column("CI13_PROGRIGA")).toStdString());
    QCOMPARE(source.RecordCount(), 1L);
    const xlsxtest::Cell& date = line.cells.at(column("CI12_DATAREG"));
    QCOMPARE(date.numberFormat, QString("dd/mm/yyyy"));
    QCOMPARE(QDate(1899, 12, 30).addDays(date.value.toLongLong()).toString(Qt::ISODate),
             QString::fromStdString(source.value("CI12_DATAREG").asDateTime().toIsoDate()));
    QCOMPARE(line.cells.at(column("IMPORTO")).numberFormat, QString("#,##0.00"));
    QCOMPARE(line.cells.at(column("QUANTITA")).numberFormat, QString("#,##0.00"));
    QCOMPARE(line.cents(column("IMPORTO")).value_or(-1), qRound64(source.value("CI13_IMPORTO").toDouble() * 100));
    // The cell holds the amount's shortest decimal, which reads back as the amount itself.
    QCOMPARE(line.text(column("IMPORTO")), QString::number(source.value("CI13_IMPORTO").toDouble(), 'g', 15));
    const QString centre = QString::fromStdString(source.value("CI13_CONTO_PC03").toText());
    QCOMPARE(line.cells.at(column("CI13_CONTO_PC03")).type, QString("inlineStr"));
    QCOMPARE(line.text(column("CI13_CONTO_PC03")).remove('.'), centre.trimmed());
    QCOMPARE(line.cells.at(column("CI13_DEP_MG58")).type, QString("inlineStr"));
    QCOMPARE(line.text(column("CI13_DEP_MG58")), QString::fromStdString(source.value("CI13_DEP_MG58").toText()));
}

// Each group opens with its caption and closes with its totals after its subgroups or lines, in the tree's
// order; captions and totals sit one outline level above what they hold.
void LedgerExportTest::groupsCollapseUnderTheirCaptionsInTheTreesOrder()
{
    std::vector<std::pair<const GroupNode*, bool>> expected;   // each group's caption row, then its totals row
    const std::function<void(const GroupNode&)> visit = [&](const GroupNode& group) {
        expected.push_back({&group, false});
        for (const GroupNode* child : group.children)
            visit(*child);
        expected.push_back({&group, true});
    };
    for (const GroupNode* top : ledger_.tree().topLevel())
        visit(*top);
    expected.push_back({nullptr, true});
    const xlsxtest::Sheet sheet = exported("groups.xlsx");
    std::size_t next = 0;
    long lines = 0;
    for (std::size_t r = captionRow(sheet) + 1; r < sheet.rows.size(); ++r) {
        const xlsxtest::Row& row = sheet.rows[r];
        if (row.outlineLevel == 2) {
            ++lines;
            continue;
        }
        QVERIFY(next < expected.size());
        const auto [group, totals] = expected[next++];
        const QString caption = group ? QString::fromStdString(group->text) : QString("selezione");
        QCOMPARE(row.text(0), totals ? "Totale " + caption : caption);
        QCOMPARE(row.outlineLevel, group ? group->level - 1 : 0);
    }
    QCOMPARE(next, expected.size());
    QCOMPARE(lines, extraction_->movements().RecordCount());
}

void LedgerExportTest::aLedgerLongerThanASheetGoesOnInTheNextSheet()
{
    ExportRequest request;
    request.rowsPerSheet = 80;
    NoExportProgress progress;
    QCOMPARE(exportTo("sheets.xlsx", request, progress), ExportOutcome::Written);
    const xlsxtest::XlsxBook book(dir_.filePath("sheets.xlsx"));
    QVERIFY(book.sheets.size() > 3);
    long lines = 0;
    for (std::size_t s = 0; s < book.sheets.size(); ++s) {
        const xlsxtest::Sheet& sheet = book.sheets[s];
        QCOMPARE(sheet.name, s ? QString("Partitario (%1)").arg(s + 1) : QString("Partitario"));
        QVERIFY(sheet.rows.back().number <= 80);
        if (s + 1 < book.sheets.size())
            QCOMPARE(sheet.rows.back().text(0), QString("Continua nel foglio \"Partitario (%1)\"").arg(s + 2));
        for (std::size_t r = captionRow(sheet) + 1; r < sheet.rows.size(); ++r)
            lines += sheet.rows[r].outlineLevel == 2 ? 1 : 0;
    }
    QCOMPARE(lines, extraction_->movements().RecordCount());
}

void LedgerExportTest::csvGivesBackTheLinesAndTheirSumsToTheCent_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<char>("decimalPoint");
    QTest::newRow("Italian: semicolon and decimal comma") << ';' << ',';
    QTest::newRow("comma and decimal point") << ',' << '.';
}

void LedgerExportTest::csvGivesBackTheLinesAndTheirSumsToTheCent()
{
    QFETCH(char, separator);
    QFETCH(char, decimalPoint);
    ExportRequest request;
    request.format = ExportFormat::Csv;
    request.csv = {separator, decimalPoint};
    NoExportProgress progress;
    QCOMPARE(exportTo("ledger.csv", request, progress), ExportOutcome::Written);
    const QByteArray bytes = fileBytes(dir_.filePath("ledger.csv"));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));   // the mark that tells a spreadsheet the file is UTF-8
    const std::vector<QStringList> records = csvtest::csvRecords(QString::fromUtf8(bytes.mid(3)), QChar(separator));
    QCOMPARE(records.front().mid(0, 3), (QStringList{"Gruppo C.d.C.", "Gruppo Data reg.", "Num.Reg"}));
    const int levels = 2;
    SelectionTotals read;   // the numbers exactly as the file writes them
    std::set<QString> keys;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const QStringList& record = records[r];
        QCOMPARE(record.size(), levels + int(columns_->size()));
        QVERIFY(record[0].startsWith("C.d.C.: \"") && record[1].startsWith("Data reg.: \""));
        const auto exact = [&](const char* key) {
            const QString number = QString(record[levels + column(key)]).replace(QChar(decimalPoint), '.');
            return db::Decimal::parse(number.toStdString()).value_or(db::Decimal{});
        };
        read.debit = read.debit + exact("DARE");
        read.credit = read.credit + exact("AVERE");
        read.quantity = read.quantity + exact("QUANTITA");
        keys.insert(record[levels + column("CI13_NUMREG_CO99")] + "/" + record[levels + column("CI13_PROGRIGA")]);
    }
    const SelectionTotals expected = sumShownRows(extraction_->movements()).sums;
    QCOMPARE(qint64(records.size() - 1), qint64(extraction_->movements().RecordCount()));
    QCOMPARE(qint64(keys.size()), qint64(extraction_->movements().RecordCount()));
    QCOMPARE(read.debit.rescaled(6).toString(), expected.debit.rescaled(6).toString());
    QCOMPARE(read.credit.rescaled(6).toString(), expected.credit.rescaled(6).toString());
    QCOMPARE(read.quantity.rescaled(6).toString(), expected.quantity.rescaled(6).toString());
}

void LedgerExportTest::aFailedOrCancelledExportLeavesNoFileUnderItsName()
{
    NoExportProgress progress;
    ExportRequest request;
    try {
        exportTo("missing/ledger.xlsx", request, progress);
        QFAIL("an export into a missing folder was written");
    } catch (const ExportError& e) {
        QVERIFY2(QString(e.what()).contains(dir_.filePath("missing/ledger.xlsx")), e.what());
    }
    QDir(dir_.path()).mkdir("taken.xlsx");   // a folder where the file should go: the last step fails
    QVERIFY_THROWS_EXCEPTION(ExportError, exportTo("taken.xlsx", request, progress));

    QFile earlier(dir_.filePath("kept.csv"));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    CancelAtOnce cancel;
    request.format = ExportFormat::Csv;
    QCOMPARE(exportTo("kept.csv", request, cancel), ExportOutcome::Cancelled);
    QCOMPARE(fileBytes(dir_.filePath("kept.csv")), QByteArray("earlier"));
    const QStringList left = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(std::none_of(left.begin(), left.end(), [](const QString& f) { return f.startsWith('.'); }),
             qPrintable(left.join(' ')));
}

// Counts the cells the export reports shortened.
class ShortenedCells final : public ExportProgress {
public:
    bool linesWritten(long, long) override { return true; }
    void cellsShortened(long cells) override { count = cells; }
    long count = 0;
};

void LedgerExportTest::aStoredTextIsWrittenSoTheFileHoldsItAndNothingRunsIt_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < std::size(hostileTexts); ++i)
        QTest::newRow(hostileTexts[i].name) << int(i);
}

void LedgerExportTest::aStoredTextIsWrittenSoTheFileHoldsItAndNothingRunsIt()
{
    QFETCH(int, index);
    const HostileText& hostile = hostileTexts[index];
    // The extracted lines whose description lost characters, read from the working table.
    db::Recordset descriptions = connection_->Open("SELECT CI13_DESCRAGG FROM #MOVIMENTI");
    long shortened = 0;
    for (long r = 0; r < descriptions.RecordCount(); ++r) {
        const std::string text = descriptions.valueAt(r, 0).toText();
        for (std::size_t i = 0; i < std::size(hostileTexts); ++i)
            shortened += hostileTexts[i].shortened && QString::fromStdString(text).endsWith(tagOf(i)) ? 1 : 0;
    }
    const int description = column("CI13_DESCRAGG");
    ShortenedCells progress;
    ExportRequest request;
    QCOMPARE(exportTo("hostile.xlsx", request, progress), ExportOutcome::Written);
    const long sheetShortened = progress.count;
    const xlsxtest::XlsxBook book(dir_.filePath("hostile.xlsx"));
    QCOMPARE(book.sheets.size(), std::size_t(1));
    const std::vector<xlsxtest::Row>& rows = book.sheets.front().rows;
    QVERIFY2(std::any_of(rows.begin(), rows.end(), [&](const xlsxtest::Row& row) {
                 return row.text(description) == hostile.sheet + tagOf(std::size_t(index));
             }), qPrintable(hostile.sheet));
    QCOMPARE(sheetShortened, shortened);

    request.format = ExportFormat::Csv;
    progress.count = 0;
    QCOMPARE(exportTo("hostile.csv", request, progress), ExportOutcome::Written);
    QCOMPARE(progress.count, shortened);
    const std::vector<QStringList> records = csvtest::csvRecords(QString::fromUtf8(fileBytes(dir_.filePath("hostile.csv"))), QChar(';'));
    const int levels = 2;
    QVERIFY2(std::any_of(records.begin(), records.end(), [&](const QStringList& record) {
                 return record.value(levels + description) == hostile.csv + tagOf(std::size_t(index));
             }), qPrintable(hostile.csv));
}

QTEST_GUILESS_MAIN(LedgerExportTest)
#include "test_ledger_export.moc"
