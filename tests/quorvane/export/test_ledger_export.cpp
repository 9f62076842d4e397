// The ledger exported from a demo company, grouped by cost centre and month, and read back: the spreadsheet's
// typed cells, outline levels and group totals against the database's own sums, further sheets past a
// sheet's rows, one group alone, the CSV's lines and sums to the cent, and no file left by a failure.

#include "XlsxBook.h"

#include "company/DemoDatabase.h"
#include "display/GridLayout.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/GroupedLedger.h"
#include "engine/LedgerSides.h"
#include "engine/MovementExtraction.h"
#include "engine/NumberFormat.h"
#include "export/CompanyCellTexts.h"
#include "export/LedgerExport.h"
#include "selection/MovementTypeCondition.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <set>

using namespace quorvane;
using namespace quorvane::exporting;

namespace {

OrderingColumn groupOn(const std::string& caption, const std::string& column, int period = 8)
{
    OrderingColumn row;
    row.caption = caption;
    row.column = column;
    row.group = true;
    row.dateRow = period != 8;
    row.period = period;
    return row;
}

struct Sums {
    qint64 debit = 0, credit = 0, quantity = 0, lines = 0;
};

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

// RFC 4180: fields split at the separator outside quotes, doubled quotes read as one.
std::vector<QStringList> csvRecords(const QString& text, QChar separator)
{
    std::vector<QStringList> records(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            field += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == separator)
            records.back() << std::exchange(field, {});
        else if (!quoted && c == '\r' && text.mid(i, 2) == "\r\n") {
            records.back() << std::exchange(field, {});
            records.emplace_back();
            ++i;
        } else
            field += c;
    }
    records.pop_back();
    return records;
}

} // namespace

class LedgerExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cellsAreTypedAsTheGridShowsThem();
    void groupsAndTotalsSitAtOutlineLevelsThatCollapse();
    void groupTotalsAreTheDatabasesSums();
    void aLedgerLongerThanASheetGoesOnInTheNextSheet();
    void oneGroupExportsItsLinesAndItsTotals();
    void csvGivesBackTheLinesAndTheirSumsToTheCent_data();
    void csvGivesBackTheLinesAndTheirSumsToTheCent();
    void aFailedOrCancelledExportLeavesNoFileUnderItsName();

private:
    ExportOutcome exportTo(const QString& name, ExportRequest request, ExportProgress& progress);
    xlsxtest::Sheet exported(const QString& name, const GroupNode* group = nullptr);
    Sums databaseSums(const std::string& movementFilter);
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
    connection_ = db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    ExtractionRequest request;
    request.settings.company = 1;
    request.settings.costCentreChart = 1;
    request.settings.expenseItemChart = 2;
    request.movementTypeCondition = movementTypeCondition(std::nullopt);
    request.selection.CHK_QUANTITA = "1";
    extraction_ = std::make_unique<MovementExtraction>(*connection_);
    NoProgress progress;
    QVERIFY(extraction_->run(request, progress));
    const ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(*connection_));
    NoGroupTreeProgress treeProgress;
    ledger_.ConfigurazioneVisualizzazioneMovimenti(
        {groupOn("C.d.C.", "CI13_CONTO_PC03"), groupOn("Data reg.", "CI12_DATAREG", 3)}, extraction_->movements(),
        hostfw::Translator(hostfw::Language::Italian), GroupCaptions({"(nessun valore)", accounts, 1, 2}), progress,
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
    const LedgerSource source{extraction_->movements(), ledger_.tree(), ledger_.configuration().levels, *columns_,
                              *formats_, {"Partitario contabilità analitica", "Ditta 1 - Demo", {"Conto: tutti"}, {}}};
    return exportLedger(source, request, progress);
}

xlsxtest::Sheet LedgerExportTest::exported(const QString& name, const GroupNode* group)
{
    ExportRequest request;
    request.group = group;
    NoExportProgress progress;
    if (exportTo(name, request, progress) != ExportOutcome::Written)
        return {};
    xlsxtest::XlsxBook book(dir_.filePath(name));
    return book.sheets.size() == 1 ? book.sheets.front() : xlsxtest::Sheet{};
}

// The sums of the lines the movement filter selects, computed by the database over #MOVIMENTI.
Sums LedgerExportTest::databaseSums(const std::string& movementFilter)
{
    std::string condition = movementFilter.empty() ? "1 = 1" : movementFilter;
    for (std::size_t at = condition.find("=NULL"); at != std::string::npos; at = condition.find("=NULL", at))
        condition.replace(at, 5, " IS NULL");
    const LedgerSides sides = ledgerSides(false);
    db::Recordset sums = connection_->Open(
        std::string("SELECT COUNT(*) AS N, SUM(CASE ") + sides.debitWhen + " CI13_IMPORTO ELSE 0 END) AS D, SUM(CASE "
        + sides.creditWhen + " CI13_IMPORTO ELSE 0 END) AS C, SUM(CI13_QTA) AS Q FROM #MOVIMENTI WHERE " + condition);
    const auto cents = [&](const char* field) { return qRound64(sums.value(field).toDouble() * 100); };
    return {cents("D"), cents("C"), cents("Q"), static_cast<qint64>(sums.value("N").toDouble())};
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
    const QString centre = QString::fromStdString(source.value("CI13_CONTO_PC03").toText());
    QCOMPARE(line.cells.at(column("CI13_CONTO_PC03")).type, QString("inlineStr"));
    QCOMPARE(line.text(column("CI13_CONTO_PC03")).remove('.'), centre.trimmed());
    QCOMPARE(line.cells.at(column("CI13_DEP_MG58")).type, QString("inlineStr"));
    QCOMPARE(line.text(column("CI13_DEP_MG58")), QString::fromStdString(source.value("CI13_DEP_MG58").toText()));
}

void LedgerExportTest::groupsAndTotalsSitAtOutlineLevelsThatCollapse()
{
    const xlsxtest::Sheet sheet = exported("outline.xlsx");
    std::size_t node = 0;
    long lines = 0;
    for (std::size_t r = captionRow(sheet) + 1; r + 1 < sheet.rows.size(); ++r) {
        const xlsxtest::Row& row = sheet.rows[r];
        if (row.cells.size() > 1 && !row.text(0).startsWith("Totale ")) {
            QCOMPARE(row.outlineLevel, 2);
            ++lines;
        } else if (!row.text(0).startsWith("Totale ")) {
            QVERIFY(node < ledger_.tree().size());
            const GroupNode& group = ledger_.tree().node(node++);   // created in the order the tree shows them
            QCOMPARE(row.text(0), QString::fromStdString(group.text));
            QCOMPARE(row.outlineLevel, group.level - 1);
        } else {
            QCOMPARE(row.outlineLevel, row.text(0).contains("Data reg.") ? 1 : 0);
        }
    }
    QCOMPARE(node, ledger_.tree().size());
    QCOMPARE(lines, extraction_->movements().RecordCount());
    QCOMPARE(sheet.rows.back().text(0), QString("Totale selezione"));
}

void LedgerExportTest::groupTotalsAreTheDatabasesSums()
{
    // A group's totals close it, after those of its subgroups; the selection's come last.
    std::vector<const GroupNode*> closing;
    const std::function<void(const GroupNode&)> close = [&](const GroupNode& group) {
        for (const GroupNode* child : group.children)
            close(*child);
        closing.push_back(&group);
    };
    for (const GroupNode* top : ledger_.tree().topLevel())
        close(*top);
    closing.push_back(nullptr);
    const xlsxtest::Sheet sheet = exported("totals.xlsx");
    std::size_t next = 0;
    for (const xlsxtest::Row& row : sheet.rows) {
        if (!row.text(0).startsWith("Totale ") || next == closing.size())
            continue;
        const GroupNode* group = closing[next++];
        QCOMPARE(row.text(0), group ? "Totale " + QString::fromStdString(group->text) : QString("Totale selezione"));
        const Sums sums = databaseSums(group ? group->tag : std::string());
        QCOMPARE(row.cents(column("DARE")).value_or(-1), sums.debit);
        QCOMPARE(row.cents(column("AVERE")).value_or(-1), sums.credit);
        QCOMPARE(row.cents(column("SALDO")).value_or(-1), sums.credit - sums.debit);
        QCOMPARE(row.cents(column("QUANTITA")).value_or(-1), sums.quantity);
    }
    QCOMPARE(next, closing.size());
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

void LedgerExportTest::oneGroupExportsItsLinesAndItsTotals()
{
    const GroupNode& first = *ledger_.tree().topLevel().front();
    const xlsxtest::Sheet sheet = exported("group.xlsx", &first);
    const QString heading = "Gruppo: " + QString::fromStdString(first.text);
    QVERIFY(std::any_of(sheet.rows.begin(), sheet.rows.end(), [&](const auto& row) { return row.text(0) == heading; }));
    const long lines =
        std::count_if(sheet.rows.begin(), sheet.rows.end(), [](const auto& row) { return row.outlineLevel == 2; });
    QCOMPARE(lines, long(databaseSums(first.tag).lines));
    QCOMPARE(sheet.rows.back().text(0), "Totale " + QString::fromStdString(first.text));
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
    const std::vector<QStringList> records = csvRecords(QString::fromUtf8(bytes.mid(3)), QChar(separator));
    QCOMPARE(records.front().mid(0, 3), (QStringList{"Gruppo C.d.C.", "Gruppo Data reg.", "Num.Reg"}));
    const int levels = 2;
    Sums read;
    std::set<QString> keys;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const QStringList& record = records[r];
        QCOMPARE(record.size(), levels + int(columns_->size()));
        QVERIFY(record[0].startsWith("C.d.C.: \"") && record[1].startsWith("Data reg.: \""));
        const auto cents = [&](const char* key) {
            const QString number = QString(record[levels + column(key)]).replace(QChar(decimalPoint), '.');
            return db::Decimal::parse(number.toStdString()).value_or(db::Decimal{}).rescaled(2).mantissa;
        };
        read.debit += cents("DARE");
        read.credit += cents("AVERE");
        read.quantity += cents("QUANTITA");
        keys.insert(record[levels + column("CI13_NUMREG_CO99")] + "/" + record[levels + column("CI13_PROGRIGA")]);
    }
    const Sums expected = databaseSums("");
    QCOMPARE(qint64(records.size() - 1), expected.lines);
    QCOMPARE(qint64(keys.size()), expected.lines);
    QCOMPARE(read.debit, expected.debit);
    QCOMPARE(read.credit, expected.credit);
    QCOMPARE(read.quantity, expected.quantity);
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

QTEST_GUILESS_MAIN(LedgerExportTest)
#include "test_ledger_export.moc"
