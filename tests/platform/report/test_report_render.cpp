// The report object printing a two-level grouped report on the demo company database: group, grand and
// carried-forward totals read back from the PDF against sums the database computes itself; page breaks
// asked by a formula; an empty statement; the report document's collections; files that do not load;
// and the preview.

#include "ReportTestSupport.h"

#include "report/PageCanvas.h"
#include "report/PreparedReport.h"
#include "report/ReportFile.h"
#include "report/ReportPreview.h"

#include <QPrinter>
#include <QtTest>

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
// same figure forward with "Riporto"; the last page carries nothing.
void ReportRenderTest::carriedForwardFiguresFollowThePrintedLines()
{
    const PrintResult print = printReport(groupedReportFile(), statement);
    QVERIFY2(!print.failed, qPrintable(print.error));
    const QRegularExpression line(QStringLiteral(R"(^D \S+)") + amount, QRegularExpression::MultilineOption);
    qint64 printedSoFar = 0;
    for (int p = 0; p < print.pages.size(); ++p) {
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
}

void ReportRenderTest::anEmptyStatementPrintsHeadingsAndZeroTotals()
{
    const PrintResult print = printReport(groupedReportFile(), statement + " AND 1 = 0");
    QVERIFY2(!print.failed, qPrintable(print.error));
    QCOMPARE(print.pages.size(), 1);
    QVERIFY(print.pages[0].contains(QStringLiteral("Partitario")));
    QVERIFY(print.pages[0].contains(QStringLiteral("Pagina 1")));
    QCOMPARE(printedAmounts(print.pages, QStringLiteral("^(TT)") + amount).at(QStringLiteral("TT")), 0);
    QVERIFY(!print.pages[0].contains(QStringLiteral("A riportare")));
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
    QTest::newRow("not JSON") << QByteArray("{\n  \"title\": \"x\",\n  \"page\" {}\n}")
                              << "bad.rpt: not valid JSON at line 3, column 11";
    QTest::newRow("unknown section") << QByteArray("{\"sections\": {\n \"GH11\": {\"height\": 5}}}")
                                     << "bad.rpt: sections.GH11: unknown section";
    QTest::newRow("group area without its group") << QByteArray("{\"sections\": {\"GF2\": {\"height\": 5}}}")
                                                  << "bad.rpt: sections.GF2: no group is declared";
    QTest::newRow("formula that does not parse")
        << QByteArray("{\"formulas\": [{\"name\": \"numDare\", \"text\": [\"If {@x} > 0\", \"  Than 1\"]}]}")
        << "bad.rpt: formula 'numDare' 2:3: expected Then";
    QTest::newRow("object key unknown") << QByteArray("{\"sections\": {\"details\": {\"height\": 4, \"objects\": "
                                                      "[{\"type\": \"text\", \"colour\": 1}]}}}")
                                        << "bad.rpt: sections.details.objects[0]: unknown key \"colour\" (line 1";
    QTest::newRow("section taller than the page") << QByteArray("{\"sections\": {\"details\": {\"height\": 300}}}")
                                                  << "sections.details is 300 mm tall, more than the 277 mm a page has";
}

void ReportRenderTest::aFileThatDoesNotLoadSetsTheFailureFlag()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const PrintResult print = printReport(writeFile(QStringLiteral("bad.rpt"), content), statement);
    QVERIFY(print.failed);
    QVERIFY2(print.error.contains(message), qPrintable(print.error));
}

void ReportRenderTest::thePreviewAndThePrinterShowThePrintedPages()
{
    auto connection = demoConnection();
    auto prepared = std::make_shared<const report::PreparedReport>(
        report::loadReportFile(groupedReportFile().toStdString()), *connection, statement,
        std::map<std::string, db::Connection*>{});
    const report::PrintContext context{"Partitario", {}, {}, {}, {}, {}, {}};
    const QStringList printed = printReport(groupedReportFile(), statement).pages;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(workDir().filePath(QStringLiteral("printer.pdf")));
    auto canvas = report::printerCanvas(printer, prepared->definition().page);
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
    preview->close();
}

QTEST_MAIN(ReportRenderTest)
#include "test_report_render.moc"
