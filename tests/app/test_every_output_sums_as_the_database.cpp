// One ledger, one answer: for every demo company, every caption the ordering grid offers and a date grouping
// on every period kind, the tree's nodes, the printed group footers (read back from the PDF), the
// spreadsheet's totals rows, the CSV's group sums and the print of one group each hold the sums that the
// test's own statement over the base tables gives for the same grouping, to the cent; then the same on a
// copy of the demo database seeded with codes that differ only in case or by trailing blanks, empty texts
// beside NULLs, and quotes. The commands run in process, as `quorvane` runs them.

#include "../quorvane/export/CsvRecords.h"
#include "../quorvane/export/XlsxBook.h"

#include "Commands.h"

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "hostfw/AttributeDefinitions.h"
#include "hostfw/Catalogue.h"
#include "selection/GridOffers.h"
#include "tsql/Collation.h"

#include <sqlite3.h>

#include <poppler-qt6.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <iostream>
#include <sstream>

namespace {

// A group's figures: lines (-1 where an output does not show them), debit and credit in cents, the quantity
// in millionths (a quantity pro-rated over a competence period keeps six decimals).
struct Figures {
    qint64 rows = -1, debit = 0, credit = 0, quantity = 0;
    auto operator<=>(const Figures&) const = default;
};
using FigureList = QList<Figures>;

FigureList withoutRows(FigureList list)
{
    for (Figures& f : list)
        f.rows = -1;
    std::sort(list.begin(), list.end());
    return list;
}

// As the print shows them: without lines, the quantity rounded half away from zero to the decimals the
// print shows.
FigureList asPrinted(FigureList list, int quantityDecimals)
{
    qint64 unit = 1'000'000;
    for (int d = 0; d < quantityDecimals; ++d)
        unit /= 10;
    for (Figures& f : list)
        f.quantity = (f.quantity + (f.quantity < 0 ? -unit / 2 : unit / 2)) / unit * unit;
    return withoutRows(list);
}

FigureList sorted(FigureList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

qint64 hundredths(double value) { return qRound64(value * 100); }
qint64 millionths(double value) { return qRound64(value * 1e6); }

// A printed number in the Italian way ("1.234,56").
double printedNumber(QString text)
{
    text.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return text.toDouble();
}

char* toString(const Figures& f)
{
    return qstrdup(qPrintable(QStringLiteral("{%1 lines, %2 debit, %3 credit, %4 quantity}")
                                  .arg(f.rows).arg(f.debit).arg(f.credit).arg(f.quantity)));
}

// The command's exit status and what it wrote on standard output.
std::pair<int, QString> runCommand(int (*command)(const std::vector<std::string>&), const QStringList& args)
{
    std::vector<std::string> arguments;
    for (const QString& a : args)
        arguments.push_back(a.toStdString());
    std::ostringstream out;
    std::streambuf* const saved = std::cout.rdbuf(out.rdbuf());
    const int status = command(arguments);
    std::cout.rdbuf(saved);
    return {status, QString::fromStdString(out.str())};
}

// Where the test's own statement finds a caption's group over the base tables: most movement columns are
// the header's (T), the line's (R), the project's (P) or the journal line's (G) own; an attribute is its
// column of the header's or the line's attribute record (A12, A13).
QString baseColumn(const QString& movementColumn)
{
    static const QMap<QString, QString> derived{
        {"CI12_SEDE_CG31", "R.CI13_SEDE_CG31"},   // the line's own site, under the header's name
        {"CLIENTE", "CASE WHEN T.CI12_TIPOCF_CG44 = 0 THEN T.CI12_CLIFOR_CG44 END"},
        {"FORNITORE", "CASE WHEN T.CI12_TIPOCF_CG44 = 1 THEN T.CI12_CLIFOR_CG44 END"},
        {"NATURA", "V.PC03_NATURA_PC04"},
    };
    static const QList<std::pair<QString, QString>> tables{
        {"CI12_", "T."}, {"CI13_", "R."}, {"PD68_", "P."}, {"CG42_", "G."}, {"CO5L_CI12.", "A12."}, {"CO5L_CI13.", "A13."}};
    if (derived.contains(movementColumn))
        return derived.value(movementColumn);
    for (const auto& [prefix, alias] : tables)
        if (movementColumn.startsWith(prefix))
            return alias + QString(movementColumn).remove(QRegularExpression("^CO5L_CI1[23]\\."));
    return movementColumn;
}

// A date's period number as the ledger numbers its periods (Y×100+week, Y×1000+M×10+half, Y×100+M, …).
QString periodExpression(const QString& date, int period)
{
    const QString y = "YEAR(" + date + ")", m = "MONTH(" + date + ")";
    switch (period) {
    case 1: return "CONVERT(VARCHAR(8), " + date + ", 112)";
    case 2: return y + " * 100 + DATEPART(week, " + date + ")";
    case 9: return y + " * 1000 + " + m + " * 10 + CASE WHEN DAY(" + date + ") <= 15 THEN 1 ELSE 2 END";
    case 3: return y + " * 100 + " + m;
    case 4: return y + " * 10 + (" + m + " + 2) / 3";
    case 5: return y + " * 10 + (" + m + " + 3) / 4";
    case 6: return y + " * 10 + (" + m + " + 5) / 6";
    default: return y;
    }
}

// A grouping row: the caption and, for a date row, its period.
struct Grouping {
    QString caption;
    int period = 8;
    QString column;      // the movement set's column
};

// The group of a line: a value without text (empty or blank) is one group with NULL.
QString groupExpression(const Grouping& g)
{
    if (g.caption == QLatin1String("Data reg."))
        return periodExpression("T.CI12_DATAREG", g.period);
    if (g.caption == QLatin1String("Data doc."))
        return periodExpression("T.CI12_DATADOC", g.period);
    const QString value = baseColumn(g.column);
    return "CASE WHEN CAST(" + value + " AS NVARCHAR(100)) = '' THEN NULL ELSE " + value + " END";
}

// The levels a caption needs above it, as the ordering grid requires them.
QList<Grouping> levelsFor(const Grouping& g)
{
    static const QMap<QString, QString> parents{{"Sottocommessa", "Commessa"},  {"Sottoprogetto", "Progetto"},
                                               {"Nodo", "Progetto"},           {"Nodo riferimento", "Progetto"},
                                               {"Attività progetto", "Progetto"}, {"Spesa progetto", "Progetto"}};
    if (parents.contains(g.caption))
        return {{parents.value(g.caption), 8, {}}, g};
    return {g};
}

// The printed totals lines in print order: group footers ("Tot. per …") and the grand total.
struct PrintedTotals {
    FigureList footers;
    std::optional<Figures> grand;
    int quantityDecimals = 0;
};

PrintedTotals printedTotals(const QString& pdf)
{
    // Amounts in lire and whole quantities have no decimals.
    static const QRegularExpression line(QStringLiteral(R"(^\s*(Tot\. per .*?|Totale generale)\s+(-?[\d.]+(?:,\d+)?)\s+)"
                                                        R"((-?[\d.]+(?:,\d+)?)\s+(-?[\d.]+(?:,\d+)?)(?:\s+(-?[\d.]+(?:,\d+)?))?\s*$)"),
                                         QRegularExpression::MultilineOption);
    PrintedTotals found;
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
    for (int i = 0; document && i < document->numPages(); ++i)
        for (auto it = line.globalMatch(document->page(i)->text(QRectF())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const Figures f{-1, hundredths(printedNumber(m.captured(2))), hundredths(printedNumber(m.captured(3))),
                            millionths(printedNumber(m.captured(5)))};
            if (const qsizetype comma = m.captured(5).indexOf(QLatin1Char(',')); comma >= 0)
                found.quantityDecimals = int(m.captured(5).size() - comma - 1);
            if (m.captured(1).startsWith(QLatin1String("Totale generale")))
                found.grand = f;
            else
                found.footers.append(f);
        }
    return found;
}

struct Ledger {
    QString database;
    int company = 1;
    QList<Grouping> levels;
};

} // namespace

class EveryOutputSumsAsTheDatabaseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void treePrintSpreadsheetAndCsvHoldTheDatabasesGroups_data();
    void treePrintSpreadsheetAndCsvHoldTheDatabasesGroups();

private:
    void seedHostileValues(const QString& path);
    QString selectionFile(const Ledger& ledger);
    QList<FigureList> databaseGroups(const Ledger& ledger, const QString& lines, Figures& total);
    void holdsTheDatabasesGroups(const Ledger& ledger);

    QTemporaryDir dir_;
    QString demo_, seeded_;
    QMap<int, QStringList> captions_;                    // the groupable captions offered, by company
    QMap<int, QStringList> dateCaptions_;
    QMap<int, QMap<QString, QString>> columns_;          // the movement set's column of each caption
    QMap<int, bool> financial_;
};

void EveryOutputSumsAsTheDatabaseTest::initTestCase()
{
    demo_ = dir_.filePath("demo.db");
    company::DemoOptions options;
    options.linesPerCompany = 90;
    company::createDemoDatabase(demo_.toStdString(), options);
    seeded_ = dir_.filePath("seeded.db");
    QVERIFY(QFile::copy(demo_, seeded_));
    seedHostileValues(seeded_);
    if (QTest::currentTestFailed())
        return;
    const std::unique_ptr<db::Connection> connection =
        db::Connection::open(db::embeddedDatabase(demo_.toStdString(), db::Access::ReadOnly));
    for (int company = 1; company <= 3; ++company) {
        const company::CompanySettings settings = company::readCompanySettings(*connection, company);
        financial_[company] = settings.financialType();
        const auto ordering =
            quorvane::buildGridOffers({settings, hostfw::AttributeDefinitions::read(*connection, company), [](int message) {
                                           return hostfw::Catalogue::text(message, hostfw::Language::Italian);
                                       }}).ordering;
        for (const controls::OrderRowDefinition& row : ordering) {
            QStringList& into = row.dateRow ? dateCaptions_[company] : captions_[company];
            if (row.groupable && !into.contains(row.caption))
                into << row.caption;
            columns_[company][row.caption] = row.column;
        }
    }
}

// Codes that the database calls equal though their bytes differ, empty texts beside NULLs, and quotes, on
// header and line columns that group without a master record to find. Written straight into the file, as
// the ERP would: the inquiry itself never writes.
void EveryOutputSumsAsTheDatabaseTest::seedHostileValues(const QString& path)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    tsql::registerCollation(db);
    const QString cycle = "CASE CAST(%1 AS INTEGER) % 6 WHEN 0 THEN 'Ab' WHEN 1 THEN 'aB' WHEN 2 THEN 'X' "
                          "WHEN 3 THEN 'X ' WHEN 4 THEN '' ELSE %2 END";
    const QString seeds = "UPDATE CI12_MOVTESTATA SET CI12_NUMDOCORIG = " + cycle.arg("substr(CI12_NUMREG_CO99, -1)", "NULL")
                          + "; UPDATE CI13_MOVCORPO SET CI13_COMMESSA_PD25 = " + cycle.arg("CI13_PROGRIGA", "'l''a'")
                          + ", CI13_DEP_MG58 = " + cycle.arg("substr(CI13_NUMREG_CO99, -1)", "NULL") + ";";
    char* error = nullptr;
    const int status = sqlite3_exec(db, seeds.toUtf8().constData(), nullptr, nullptr, &error);
    const QString message = error ? QString::fromUtf8(error) : QString();
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(status == SQLITE_OK, qPrintable(message));
}

void EveryOutputSumsAsTheDatabaseTest::treePrintSpreadsheetAndCsvHoldTheDatabasesGroups_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<int>("company");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("period");
    QTest::addColumn<QStringList>("below");   // deeper levels: a caption, and "@" and a period for a date
    QTest::addRow("demo, company 1, four levels") << demo_ << 1 << "C.d.C." << 8
                                                  << QStringList{"V.d.S.", "Nr. doc.", "Data reg.@3"};
    for (const QString& database : {demo_, seeded_}) {
        const bool demo = database == demo_;
        // The seeded values are alike in every company: one of them shows what they do.
        for (int company = 1; company <= (demo ? 3 : 1); ++company) {
            // The attributes are the same in every company: one of them shows them.
            for (const QString& caption : captions_[company])
                if (company == 1 || !columns_[company][caption].startsWith(QLatin1String("CO5L_")))
                    QTest::addRow("%s, company %d, %s", demo ? "demo" : "seeded", company, qPrintable(caption))
                        << database << company << caption << 8 << QStringList();
            // A month on every date row, and every other period kind once, on one date row or the other.
            for (qsizetype row = 0; row < dateCaptions_[company].size(); ++row)
                for (int period : {1, 2, 9, 3, 4, 5, 6, 7})
                    if (period == 3 || (demo && company == 1 && (period + row) % 2 == 0))
                        QTest::addRow("%s, company %d, %s by period %d", demo ? "demo" : "seeded", company,
                                      qPrintable(dateCaptions_[company][row]), period)
                            << database << company << dateCaptions_[company][row] << period << QStringList();
        }
    }
}

QString EveryOutputSumsAsTheDatabaseTest::selectionFile(const Ledger& ledger)
{
    QJsonArray rows;
    for (const Grouping& g : ledger.levels) {
        QJsonObject row{{"caption", g.caption}, {"group", true}};
        if (g.period != 8)
            row.insert("period", g.period);
        rows.append(row);
    }
    // Every account of the company: the account filter grid without a row.
    const QJsonObject selection{{"company", ledger.company}, {"CHK_QUANTITA", "1"}, {"CBO_SELCONTOVDS", "2"},
                                {"ADVO_ORDINAMENTI", rows}};
    QFile file(dir_.filePath("selection.json"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QJsonDocument(selection).toJson());
    return file.fileName();
}

// The groups of each level (outermost first) and the whole, summed by the database over the base tables for
// the lines the processing chose.
QList<FigureList> EveryOutputSumsAsTheDatabaseTest::databaseGroups(const Ledger& ledger, const QString& lines,
                                                                    Figures& total)
{
    const std::unique_ptr<db::Connection> connection =
        db::Connection::open(db::embeddedDatabase(ledger.database.toStdString(), db::Access::ReadOnly));
    const QString debit = financial_[ledger.company] ? "4" : "1", credit = financial_[ledger.company] ? "3" : "0, 2";
    const QString sums =
        "COUNT(*) AS N, SUM(CASE WHEN N.PC04_INDCOSTORIC = " + debit + " THEN ISNULL(R.CI13_IMPORTO, 0) ELSE 0 END) AS D,"
        " SUM(CASE WHEN N.PC04_INDCOSTORIC IN (" + credit + ") THEN ISNULL(R.CI13_IMPORTO, 0) ELSE 0 END) AS C,"
        " SUM(ISNULL(R.CI13_QTA, 0)) AS Q";
    const QString from =
        " FROM CI12_MOVTESTATA T JOIN CI13_MOVCORPO R ON R.CI13_DITTA_CG18 = T.CI12_DITTA_CG18"
        " AND R.CI13_NUMREG_CO99 = T.CI12_NUMREG_CO99"
        " JOIN PC03_ANAGPDC V ON V.PC03_DITTA_CG18 = R.CI13_DITTA_CG18 AND V.PC03_CODICE_PC01 = R.CI13_CODVDS_PC01"
        " AND V.PC03_CONTO = R.CI13_VDS_PC03"
        " JOIN PC04_NATURECOSTI N ON N.PC04_DITTA_CG18 = R.CI13_DITTA_CG18 AND N.PC04_CODICE = V.PC03_NATURA_PC04"
        " LEFT JOIN CG42_MOVCONT G ON G.CG42_DITTA_CG18 = R.CI13_DITTA_CG18 AND G.CG42_NUMREG_CG41 = R.CI13_NUMREG_CO99"
        " AND G.CG42_NUMRIGACONT = R.CI13_RIGACONT_CG42"
        " LEFT JOIN PD68_PROGETTI P ON P.PD68_DITTA_CG18 = R.CI13_DITTA_CG18 AND P.PD68_CODPROG = R.CI13_PROGETTO_PD68"
        " LEFT JOIN CO5L_ATTRIBUTIDEN A12 ON A12.CO5L_GUID = T.CI12_GUID"
        " LEFT JOIN CO5L_ATTRIBUTIDEN A13 ON A13.CO5L_GUID = R.CI13_GUID"
        " WHERE R.CI13_DITTA_CG18 = " + QString::number(ledger.company)
        + " AND R.CI13_NUMREG_CO99 + '/' + CAST(R.CI13_PROGRIGA AS VARCHAR(10)) IN (" + lines + ")";
    const auto figures = [&](db::Recordset& r) {
        return Figures{qint64(r.value("N").toDouble()), hundredths(r.value("D").toDouble()),
                       hundredths(r.value("C").toDouble()), millionths(r.value("Q").toDouble())};
    };
    db::Recordset whole = connection->Open(("SELECT " + sums + from).toStdString());
    total = figures(whole);
    QList<FigureList> levels;
    QStringList keys;
    for (const Grouping& g : ledger.levels) {
        keys << groupExpression(g);
        db::Recordset groups = connection->Open(("SELECT " + sums + from + " GROUP BY " + keys.join(", ")).toStdString());
        FigureList level;
        for (groups.MoveFirst(); !groups.EOF_(); groups.MoveNext())
            level << figures(groups);
        levels << sorted(level);
    }
    return levels;
}

void EveryOutputSumsAsTheDatabaseTest::treePrintSpreadsheetAndCsvHoldTheDatabasesGroups()
{
    QFETCH(QString, database);
    QFETCH(int, company);
    QFETCH(QString, caption);
    QFETCH(int, period);
    QFETCH(QStringList, below);
    QList<Grouping> levels = levelsFor({caption, period, {}});
    for (const QString& level : below)
        levels << Grouping{level.section('@', 0, 0), level.contains('@') ? level.section('@', 1).toInt() : 8, {}};
    for (Grouping& level : levels)
        level.column = columns_[company][level.caption];
    try {
        holdsTheDatabasesGroups({database, company, levels});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void EveryOutputSumsAsTheDatabaseTest::holdsTheDatabasesGroups(const Ledger& ledger)
{
    const QString database = ledger.database;
    const QString selection = selectionFile(ledger);
    const QStringList common{"--db", database, "--selection", selection};

    // The tree, and the lines the processing chose.
    const auto [ran, json] = runCommand(runRunCommand, QStringList(common) << "--rows");
    QCOMPARE(ran, 0);
    const QJsonObject run = QJsonDocument::fromJson(json.toUtf8()).object();
    const QJsonArray columns = run.value("columns").toArray();
    const qsizetype numreg = columns.toVariantList().indexOf("CI13_NUMREG_CO99");
    const qsizetype line = columns.toVariantList().indexOf("CI13_PROGRIGA");
    QStringList lines;
    for (const QJsonValue row : run.value("data").toArray())
        lines << "'" + row[numreg].toString() + "/" + QString::number(row[line].toVariant().toLongLong()) + "'";
    if (lines.isEmpty())
        QSKIP("the selection holds no line");
    Figures total;
    const QList<FigureList> expected = databaseGroups(ledger, lines.join(", "), total);
    QCOMPARE(total.rows, qint64(lines.size()));

    QList<FigureList> tree(expected.size());
    QMap<QString, Figures> byKey;
    for (const QJsonValue v : run.value("tree").toArray()) {
        const QJsonObject node = v.toObject();
        const Figures f{node.value("rows").toInteger(), hundredths(node.value("DARE").toDouble()),
                        hundredths(node.value("AVERE").toDouble()), millionths(node.value("QUANTITA").toDouble())};
        tree[node.value("level").toInt() - 1] << f;
        byKey.insert(node.value("key").toString(), f);
    }
    for (qsizetype level = 0; level < expected.size(); ++level)
        QCOMPARE(sorted(tree[level]), expected[level]);

    // The printed ledger: one footer per group of every level, and the grand total.
    const QString pdf = dir_.filePath("ledger.pdf");
    QCOMPARE(runCommand(runPrintCommand, QStringList(common) << "--pdf" << pdf).first, 0);
    const PrintedTotals printed = printedTotals(pdf);
    FigureList everyGroup;
    for (const FigureList& level : expected)
        everyGroup << level;
    QCOMPARE(withoutRows(printed.footers), asPrinted(everyGroup, printed.quantityDecimals));
    QVERIFY(printed.grand);
    QCOMPARE(withoutRows({*printed.grand}), asPrinted({total}, printed.quantityDecimals));

    // The print of one group, the largest: its lines only.
    const auto largest = std::max_element(byKey.begin(), byKey.end(), [](const Figures& a, const Figures& b) {
        return a.rows < b.rows;
    });
    QCOMPARE(runCommand(runPrintCommand, QStringList(common) << "--pdf" << pdf << "--group" << largest.key()).first, 0);
    const PrintedTotals group = printedTotals(pdf);
    QVERIFY(group.grand);
    QCOMPARE(withoutRows({*group.grand}), asPrinted({*largest}, group.quantityDecimals));

    // The spreadsheet: one totals row per group, and the selection's.
    const QString xlsx = dir_.filePath("ledger.xlsx");
    QCOMPARE(runCommand(runExportCommand, QStringList(common) << "--xlsx" << xlsx).first, 0);
    const xlsxtest::Sheet sheet = xlsxtest::XlsxBook(xlsx).sheets.at(0);
    std::map<QString, int> at;   // the columns by the first word of their captions
    FigureList totalsRows;
    std::optional<Figures> selectionRow;
    const auto number = [&](const xlsxtest::Row& row, std::initializer_list<const char*> captions) {
        for (const char* caption : captions)
            if (at.count(caption))
                return row.text(at[caption]).toDouble();
        return 0.0;
    };
    for (const xlsxtest::Row& row : sheet.rows) {
        if (at.empty() && row.text(0) == QLatin1String("Num.Reg"))
            for (const auto& [column, cell] : row.cells)
                at[cell.value.section(' ', 0, 0)] = column;
        if (!row.text(0).startsWith(QLatin1String("Totale ")))
            continue;
        const Figures f{-1, hundredths(number(row, {"Costi", "Uscite"})), hundredths(number(row, {"Ricavi", "Entrate"})),
                        millionths(number(row, {"Quantità"}))};
        if (row.text(0).startsWith(QLatin1String("Totale selezione")))
            selectionRow = f;
        else
            totalsRows << f;
    }
    QCOMPARE(withoutRows(totalsRows), withoutRows(everyGroup));
    QVERIFY(selectionRow);
    QCOMPARE(withoutRows({*selectionRow}), withoutRows({total}));

    // The CSV: its lines summed by the groups of their deepest level.
    const QString csv = dir_.filePath("ledger.csv");
    QCOMPARE(runCommand(runExportCommand, QStringList(common) << "--csv" << csv).first, 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::vector<QStringList> records = csvtest::csvRecords(QString::fromUtf8(file.readAll().mid(3)), ';');
    const QStringList header = records.front();
    const auto index = [&](const QStringList& names) {
        for (const QString& name : names)
            for (qsizetype i = 0; i < header.size(); ++i)
                if (header[i].startsWith(name))
                    return i;
        return qsizetype(-1);
    };
    const qsizetype debitAt = index({"Costi", "Uscite"}), creditAt = index({"Ricavi", "Entrate"});
    const qsizetype quantityAt = index({"Quantità"});
    const auto exact = [](const QString& number) { return QString(number).replace(',', '.').toDouble(); };
    QMap<QString, std::array<double, 4>> sums;
    for (std::size_t r = 1; r < records.size(); ++r) {
        std::array<double, 4>& group = sums[records[r].mid(0, ledger.levels.size()).join(QChar(0x1f))];
        group[0] += 1;
        group[1] += exact(records[r][debitAt]);
        group[2] += exact(records[r][creditAt]);
        group[3] += exact(records[r][quantityAt]);
    }
    FigureList csvGroups;
    for (const auto& s : sums)
        csvGroups << Figures{qint64(s[0]), hundredths(s[1]), hundredths(s[2]), millionths(s[3])};
    QCOMPARE(sorted(csvGroups), expected.last());
}

QTEST_APPLESS_MAIN(EveryOutputSumsAsTheDatabaseTest)
#include "test_every_output_sums_as_the_database.moc"
