// The report object printing a two-level grouped report on the demo company database: group, grand and
// carried-forward totals read back from the PDF against sums the database computes itself; page breaks
// asked by a formula; an empty statement; names in many scripts and amounts wider than their box read back
// with their fonts; the report document's collections; files that do not load; and the preview.

#include "ReportTestSupport.h"

#include "report/PageCanvas.h"
#include "report/PreparedReport.h"
#include "report/ReportFile.h"
#include "report/ReportPreview.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

using namespace reporttest;

namespace {

const std::string statement =
    "SELECT CI12_MOVTESTATA.CI12_DATAREG, CI12_MOVTESTATA.CI12_NUMREG_CO99, CI13_MOVCORPO.CI13_CONTO_PC03,"
    " CI13_MOVCORPO.CI13_IMPORTO FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO ON CI12_DITTA_CG18 = CI13_DITTA_CG18"
    " AND CI12_NUMREG_CO99 = CI13_NUMREG_CO99 WHERE CI12_DITTA_CG18 = 1 AND CI12_DATAREG BETWEEN '20240101' AND '20241231'";

const char* const amount = R"(\s+(-?[\d.]+,\d\d)$)";

// Cost centres and months within them; every line prints "D", its registration number and its amount,
// every group footer "T1" or "T2" with its key and its total, the report footer "TT" and the total.
QString groupedReportFile() { return QStringLiteral(REPORT_TEST_DATA "/grouped.rpt"); }

std::string independentSums(const std::string& key)
{
    return "SELECT " + key + ", SUM(ISNULL(CI13_IMPORTO, 0)) FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO"
           " ON CI12_DITTA_CG18 = CI13_DITTA_CG18 AND CI12_NUMREG_CO99 = CI13_NUMREG_CO99 WHERE CI12_DITTA_CG18 = 1"
           " AND CI12_DATAREG BETWEEN '20240101' AND '20241231' GROUP BY " + key;
}

void setFormula(report::ReportDocument& document, const QString& name, const QString& text)
{
    for (report::FormulaFieldDefinition& f : document.FormulaFields())
        if (f.FormulaFieldName().compare(name, Qt::CaseInsensitive) == 0)
            f.setText(text);
}

} // namespace

class ReportRenderTest : public QObject {
    Q_OBJECT

private slots:
    void groupAndGrandTotalsEqualTheDatabaseSums();
    void carriedForwardFiguresFollowThePrintedLines();
    void aFormulaStartsEachCostCentreOnANewPage();
    void anEmptyStatementPrintsHeadingsAndZeroTotals();
    void namesAndAmountsReadBackAsTheyWereGiven_data();
    void namesAndAmountsReadBackAsTheyWereGiven();
    void theDocumentOffersOnlyWhatTheFileDeclares();
    void aFileThatDoesNotLoadSetsTheFailureFlag_data();
    void aFileThatDoesNotLoadSetsTheFailureFlag();
    void thePreviewAndThePrinterShowThePrintedPages();
};

void ReportRenderTest::groupAndGrandTotalsEqualTheDatabaseSums()
{
    const PrintResult print = printReport(groupedReportFile(), statement);
    QVERIFY2(!print.failed, qPrintable(print.error));
    QVERIFY(print.pages.size() > 3);
    auto connection = demoConnection();
    const auto months = databaseAmounts(
        *connection, independentSums("CI13_CONTO_PC03 + ' ' + CAST(YEAR(CI12_DATAREG) * 100 + MONTH(CI12_DATAREG) AS NVARCHAR(6))"));
    QCOMPARE(printedAmounts(print.pages, QStringLiteral(R"(^T2 (\S+ \d+))") + amount), months);
    const auto accounts = databaseAmounts(*connection, independentSums("CI13_CONTO_PC03"));
    QCOMPARE(printedAmounts(print.pages, QStringLiteral(R"(^T1 (\S+))") + amount), accounts);
    qint64 total = 0;
    for (const auto& [key, sum] : accounts)
        total += sum;
    QCOMPARE(printedAmounts(print.pages, QStringLiteral("^(TT)") + amount).at(QStringLiteral("TT")), total);

    QStringList printedOrder;
    for (const QString& page : print.pages)
        for (auto it = QRegularExpression(QStringLiteral(R"(^T1 (\S+))"), QRegularExpression::MultilineOption).globalMatch(page);
             it.hasNext();)
            printedOrder.append(it.next().captured(1));
    QStringList sortedKeys;
    for (const auto& [key, sum] : accounts)
        sortedKeys.append(key);
    QCOMPARE(printedOrder, sortedKeys);
}

// "A riportare" at the foot of a page is the sum of the lines printed so far; the next page brings the
// same figure forward with "Riporto"; the last page carries nothing. Every page tells its number and the
// count of pages.
void ReportRenderTest::carriedForwardFiguresFollowThePrintedLines()
{
    const PrintResult print = printReport(groupedReportFile(), statement);
    QVERIFY2(!print.failed, qPrintable(print.error));
    const QRegularExpression line(QStringLiteral(R"(^D \S+)") + amount, QRegularExpression::MultilineOption);
    qint64 printedSoFar = 0;
    for (int p = 0; p < print.pages.size(); ++p) {
        QVERIFY(print.pages[p].contains(QStringLiteral("Pagina %1 di %2").arg(p + 1).arg(print.pages.size())));
        // Below the page's headings comes a line, never a footer alone.
        const QStringList lines = print.pages[p].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const auto body = std::find_if(lines.begin(), lines.end(), [](const QString& l) {
            return !l.startsWith(QLatin1String("Partitario")) && !l.startsWith(QLatin1String("Riporto"))
                   && !l.startsWith(QLatin1String("H1")) && !l.startsWith(QLatin1String("SEL"));
        });
        QVERIFY2(body != lines.end() && body->startsWith(QLatin1String("D ")), qPrintable(print.pages[p].left(300)));
        for (auto it = line.globalMatch(print.pages[p]); it.hasNext();)
            printedSoFar += cents(it.next().captured(1));
        const auto carried = printedAmounts({print.pages[p]}, QStringLiteral("^(A riportare)") + amount);
        if (p == print.pages.size() - 1) {
            QVERIFY(carried.empty());
            break;
        }
        QCOMPARE(carried.at(QStringLiteral("A riportare")), printedSoFar);
        QCOMPARE(printedAmounts({print.pages[p + 1]}, QStringLiteral("^(Riporto)") + amount).at(QStringLiteral("Riporto")),
                 printedSoFar);
    }
}

void ReportRenderTest::aFormulaStartsEachCostCentreOnANewPage()
{
    const QString nullAware = QStringLiteral(
        "booleanVar Valore; \r\nIf Not(PreviousIsNull(R)) and  Not(IsNull(R ))   Then \r\n   Valore := previous(R)<>R; "
        "\r\nIf (PreviousIsNull(R)) and Not(IsNull(R ))   Then \r\n   Valore := true; \r\nIf Not(PreviousIsNull(R)) and "
        "(IsNull(R ))   Then \r\n   Valore := true; \r\nIf (PreviousIsNull(R)) and  (IsNull(R ))   Then \r\n   Valore := false; "
        "\r\nValore ").replace(QLatin1Char('R'), QStringLiteral("{CI13_MOVCORPO.CI13_CONTO_PC03}"));
    const PrintResult print = printReport(groupedReportFile(), statement, [&](report::ReportDocument& document) {
        setFormula(document, QStringLiteral("SALTO"), nullAware);
    });
    QVERIFY2(!print.failed, qPrintable(print.error));
    const auto accounts = databaseAmounts(*demoConnection(), independentSums("CI13_CONTO_PC03"));
    QVERIFY(print.pages.size() >= int(accounts.size()));
    const QRegularExpression header(QStringLiteral(R"(^H1 (\S+))"), QRegularExpression::MultilineOption);
    QStringList firstOfPage;
    for (const QString& page : print.pages) {
        QSet<QString> headers;
        for (auto it = header.globalMatch(page); it.hasNext();)
            headers.insert(it.next().captured(1));
        QVERIFY2(headers.size() <= 1, qPrintable(page.left(400)));
        if (!headers.isEmpty() && !firstOfPage.contains(*headers.begin()))
            firstOfPage.append(*headers.begin());
    }
    QCOMPARE(firstOfPage.size(), int(accounts.size()));
    // The selection block does not hold page 1 alone: the first cost centre starts below it.
    QVERIFY(print.pages[0].contains(QLatin1String("SEL")) && print.pages[0].contains(QLatin1String("H1 ")));
}

void ReportRenderTest::anEmptyStatementPrintsHeadingsAndZeroTotals()
{
    const PrintResult print = printReport(groupedReportFile(), statement + " AND 1 = 0");
    QVERIFY2(!print.failed, qPrintable(print.error));
    QCOMPARE(print.pages.size(), 1);
    QVERIFY(print.pages[0].contains(QStringLiteral("Partitario")));
    QVERIFY(print.pages[0].contains(QStringLiteral("Pagina 1 di 1")));
    QCOMPARE(printedAmounts(print.pages, QStringLiteral("^(TT)") + amount).at(QStringLiteral("TT")), 0);
    QVERIFY(!print.pages[0].contains(QStringLiteral("A riportare")));
}

void ReportRenderTest::namesAndAmountsReadBackAsTheyWereGiven_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QString>("font");
    const auto name = [](const char* row, const char* text, const char* font) {
        QTest::newRow(row) << QStringLiteral("\"%1\"").arg(QString::fromUtf8(text)) << 120.0 << QString::fromUtf8(text)
                           << QString::fromLatin1(font);
    };
    name("accented Italian", "Società Agricola Forlì", "DejaVuSans");
    name("Greek", "Ελληνικά Ναυπηγεία", "DejaVuSans");
    name("Cyrillic", "Северный Завод", "DejaVuSans");
    name("Chinese", "北京贸易有限公司", "DroidSansFallback");
    name("Hebrew", "חברת הים", "DejaVuSans");
    name("Arabic", "شركة الأمل", "DejaVuSans");
    name("euro sign", "Spese € 1.234,56", "DejaVuSans");
    name("Chinese within Italian", "Filiale 上海 Nord", "DroidSansFallback");
    QTest::newRow("amount wider than its box") << QStringLiteral("12345678901.12") << 22.0
                                               << QStringLiteral("12.345.678.901,12") << QStringLiteral("DejaVuSans");
    QTest::newRow("description wider than its box")
        << QStringLiteral("\"Manutenzione straordinaria impianto di verniciatura\"") << 20.0
        << QStringLiteral("Manutenzione straordinaria impianto di verniciatura") << QStringLiteral("DejaVuSans");
}

// The text a reader copies from the page is the text given, whatever its script or its box; every face
// is embedded as a subset, and the file passes qpdf's check.
void ReportRenderTest::namesAndAmountsReadBackAsTheyWereGiven()
{
    QFETCH(QString, value);
    QFETCH(double, width);
    QFETCH(QString, readBack);
    QFETCH(QString, font);
    const QJsonObject field{{"type", "field"}, {"width", width}, {"height", 5}, {"value", value}, {"decimals", 2}};
    const QJsonObject file{{"sections", QJsonObject{{"reportHeader", QJsonObject{{"height", 6}, {"objects", QJsonArray{field}}}}}}};
    const PrintResult print = printReport(writeFile(QStringLiteral("names.rpt"), QJsonDocument(file).toJson()), statement + " AND 1 = 0");
    QVERIFY2(!print.failed, qPrintable(print.error));
    // poppler marks a right-to-left line with the invisible embedding characters; the reader copies letters.
    QCOMPARE(print.pages.join(QString()).remove(QRegularExpression(QStringLiteral("[\u202A-\u202E]"))).trimmed(), readBack);
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(print.pdf);
    QStringList fonts;
    for (const Poppler::FontInfo& info : document->fonts()) {
        QVERIFY2(info.isEmbedded() && info.isSubset(), qPrintable(info.name()));
        fonts.append(info.name());
    }
    QVERIFY2(fonts.join(QLatin1Char(' ')).contains(font), qPrintable(fonts.join(QLatin1Char(' '))));
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), print.pdf});
    QVERIFY(qpdf.waitForFinished());
    QVERIFY2(qpdf.exitCode() == 0, qpdf.readAll().constData());
}

void ReportRenderTest::theDocumentOffersOnlyWhatTheFileDeclares()
{
    bool checked = false;
    const PrintResult print = printReport(groupedReportFile(), statement, [&](report::ReportDocument& document) {
        QVERIFY(document.Areas(QStringLiteral("GH2")) && document.Areas(QStringLiteral("GF1")));
        QVERIFY(!document.Areas(QStringLiteral("GH3")) && !document.Areas(QStringLiteral("GH11")));
        QVERIFY(!document.OpenSubReport(QStringLiteral("CONTROP")));
        QCOMPARE(document.RecordSortFields().Count(), 1);
        QVERIFY(!document.RecordSortFields().Item(2));
        document.Areas(QStringLiteral("GH1"))->setSortDirection(1);
        QCOMPARE(document.ParameterFields().size(), std::size_t(1));
        QVERIFY(!document.ParameterFields()[0].AddCurrentValue(QStringLiteral("duemila")));
        checked = true;
    });
    QVERIFY(checked);
    QVERIFY(print.failed);
    QVERIFY2(print.error.contains(QStringLiteral("the parameter ANNO is a number")), qPrintable(print.error));
}

void ReportRenderTest::aFileThatDoesNotLoadSetsTheFailureFlag_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("path");   // a file other than one holding the content
    QTest::newRow("not JSON") << QByteArray("{\n  \"title\": \"x\",\n  \"page\" {}\n}")
                              << "bad.rpt: not valid JSON at line 3, column 11" << QString();
    QTest::newRow("unknown section") << QByteArray("{\"sections\": {\n \"GH11\": {\"height\": 5}}}")
                                     << "bad.rpt: sections.GH11: unknown section" << QString();
    QTest::newRow("group area without its group") << QByteArray("{\"sections\": {\"GF2\": {\"height\": 5}}}")
                                                  << "bad.rpt: sections.GF2: no group is declared" << QString();
    QTest::newRow("formula that does not parse")
        << QByteArray("{\"formulas\": [{\"name\": \"numDare\", \"text\": [\"If {@x} > 0\", \"  Than 1\"]}]}")
        << "bad.rpt: formula 'numDare' 2:3: expected Then" << QString();
    QTest::newRow("object key unknown") << QByteArray("{\"sections\": {\"details\": {\"height\": 4, \"objects\": "
                                                      "[{\"type\": \"text\", \"colour\": 1}]}}}")
                                        << "bad.rpt: sections.details.objects[0]: unknown key \"colour\" (line 1" << QString();
    QTest::newRow("section taller than the page") << QByteArray("{\"sections\": {\"details\": {\"height\": 300}}}")
                                                  << "sections.details is 300 mm tall, more than the 277 mm a page has" << QString();
    QTest::newRow("bad value after the same key elsewhere")
        << QByteArray("{\"sections\": {\"details\": {\"height\": 4, \"objects\": [\n {\"type\": \"text\", \"align\": \"left\"},\n"
                      " {\"type\": \"text\", \"align\": \"middle\"}]}}}")
        << "sections.details.objects[1]: unknown alignment \"middle\" (left, center, right) (line 3, column 28)" << QString();
    QTest::newRow("NUL in a string") << QByteArray("{\"title\": \"a\0b\"}", 16) << "a NUL character (line 1, column 13)" << QString();
    QTest::newRow("sort direction 7") << QByteArray("{\"sortFields\": [{\"field\": \"{@x}\", \"direction\": 7}]}")
                                      << "sortFields[0]: \"direction\" must be a whole number from 0 to 1 (line 1, column 48)" << QString();
    for (const char* decimals : {"-5", "2.5", "1e9"})
        QTest::newRow(qPrintable(QStringLiteral("decimals %1").arg(QLatin1String(decimals))))
            << QByteArray("{\"sections\": {\"details\": {\"height\": 4, \"objects\": [{\"type\": \"field\", \"value\": \"1\", "
                          "\"decimals\": ") + decimals + "}]}}}"
            << "sections.details.objects[0]: \"decimals\" must be a whole number from 0 to 20 (line 1, column 96)" << QString();
    QTest::newRow("parameter default of another type")
        << QByteArray("{\"parameters\": [{\"name\": \"ANNO\", \"type\": \"number\", \"default\": \"duemila\"}]}")
        << "parameters[0]: the parameter's default must be a number (line 1, column 63)" << QString();
    QTest::newRow("two formulas of one name")
        << QByteArray("{\"formulas\": [{\"name\": \"numDare\", \"text\": \"1\"},\n {\"name\": \"NUMDARE\", \"text\": \"2\"}]}")
        << "formulas[1]: the formula NUMDARE is declared twice (line 2, column 11)" << QString();
    QTest::newRow("a device") << QByteArray() << "the report file is not a regular file" << QStringLiteral("/dev/zero");
    const QString fifo = workDir().filePath(QStringLiteral("pipe.rpt"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("a pipe") << QByteArray() << "the report file is not a regular file" << fifo;
    QFile huge(workDir().filePath(QStringLiteral("huge.rpt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(64 * 1024 * 1024));
    QTest::newRow("absurdly large") << QByteArray() << "the report file is larger than the 16 MB" << huge.fileName();
}

void ReportRenderTest::aFileThatDoesNotLoadSetsTheFailureFlag()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(QString, path);
    const PrintResult print = printReport(path.isEmpty() ? writeFile(QStringLiteral("bad.rpt"), content) : path, statement);
    QVERIFY(print.failed);
    QVERIFY2(print.error.contains(message), qPrintable(print.error));
}

void ReportRenderTest::thePreviewAndThePrinterShowThePrintedPages()
{
    auto connection = demoConnection();
    auto prepared = std::make_shared<const report::PreparedReport>(
        report::loadReportFile(groupedReportFile().toStdString()), *connection, statement,
        std::map<std::string, db::Connection*>{});
    const report::PrintContext context{"Partitario", {}, {}, {}, {}, {}, {}, {}};
    const QStringList printed = printReport(groupedReportFile(), statement).pages;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(workDir().filePath(QStringLiteral("printer.pdf")));
    auto canvas = report::printerCanvas(printer, prepared->definition().page, printed.size());
    QCOMPARE(report::renderReport(*prepared, context, *canvas), printed.size());
    QVERIFY(canvas->finish());
    QCOMPARE(pdfPages(printer.outputFileName()), printed);

    auto* preview = new report::ReportPreview(prepared, context, 1);
    QCOMPARE(preview->pageCount(), printed.size());
    preview->showPage(preview->pageCount() + 5);
    QCOMPARE(preview->currentPage(), printed.size());
    QVERIFY(!preview->pageImage(1, 48).isNull());
    const QString saved = workDir().filePath(QStringLiteral("saved.pdf"));
    preview->savePdf(saved);
    QCOMPARE(pdfPages(saved).size(), printed.size());
    // It opens with the page as wide as the window, so that every column shows; Esc closes it.
    const int pageWidth = preview->pageImage(1, preview->dotsPerInch()).width();
    QVERIFY2(pageWidth <= preview->width() && pageWidth > preview->width() * 9 / 10, qPrintable(QString::number(pageWidth)));
    preview->show();
    QTest::keyClick(preview, Qt::Key_Escape);
    QVERIFY(!preview->isVisible());

    // Printing again to the preview replaces the one on screen.
    report::ReportEngine engine;
    engine.setConnection(connection);
    engine.setCaller(QStringLiteral("QUORVANE.CLSCI_QUORVANE"));
    QVERIFY(engine.OpenReport(QStringLiteral("Partitario"), groupedReportFile(), {}, report::ReportEngine::Preview, 1));
    engine.setSql(QString::fromStdString(statement));
    QVERIFY(engine.Print() && engine.Print());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int previews = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        previews += qobject_cast<report::ReportPreview*>(window) && window->isVisible() ? 1 : 0;
    QCOMPARE(previews, 1);
}

QTEST_MAIN(ReportRenderTest)
#include "test_report_render.moc"
