// The four ledger report files, printed on the demo company as the ledger window prints them: grouped by
// cost centre and by month, with and without the competence filter. Every cost centre's debit, credit,
// balance and quantity, and the selection's, read back from the PDF, equal sums the database computes
// with the extraction's own rules; the counter-part files list the journal entries behind the lines.

#include "ReportTestSupport.h"

#include <QDate>
#include <QtTest>

using namespace reporttest;

namespace {

const char* const amountPattern = R"((-?[\d.]+,\d+))";

std::string fileText(const char* path)
{
    QFile file(QString::fromUtf8(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

const std::string defaultDate = "ISNULL(CI12_DATADOC, CI12_DATAREG)";

// The window's condition: two years of company 1, and the competence period when it is on.
std::string condition(bool competence)
{
    std::string text = "   AND CI12_DATAREG BETWEEN '20230101' AND '20241231'";
    if (competence)
        text += "   AND NOT (((ISNULL(CI13_DADATACOMP, " + defaultDate + ") < '20240201') AND (ISNULL(CI13_ADATACOMP, "
                + defaultDate + ") < '20240201')) OR ((ISNULL(CI13_DADATACOMP, " + defaultDate
                + ") > '20240331') AND (ISNULL(CI13_ADATACOMP, " + defaultDate + ") > '20240331')))";
    return text;
}

// Debit, credit and quantity per cost centre, written out from the ledger's rules: the side by the nature's
// indicator, and with the competence filter the share of the line's days that fall in February and March.
std::string independentTotals(bool competence)
{
    const std::string share = competence ? " * CAST(GG AS DECIMAL(13, 2)) / CAST(TOT AS DECIMAL(13, 2))" : "";
    const std::string shareQ = competence ? " * CAST(GG AS DECIMAL(17, 6)) / CAST(TOT AS DECIMAL(17, 6))" : "";
    return "SELECT CONTO, SUM(CASE WHEN IND = 1 THEN A ELSE 0 END) AS D, SUM(CASE WHEN IND IN (0, 2) THEN A ELSE 0 END) AS C,"
           " SUM(Q) AS Q"
           " FROM (SELECT CONTO, IND, ROUND(ISNULL(IMPORTO, 0)" + share + ", 2) AS A, ROUND(ISNULL(QTA, 0)" + shareQ + ", 6) AS Q"
           " FROM (SELECT CONTO, IND, IMPORTO, QTA, DATEDIFF(dd, S, E) + 1 AS TOT,"
           " CASE WHEN S <= '20240201' AND E >= '20240331' THEN DATEDIFF(dd, '20240201', '20240331') + 1"
           " WHEN S > '20240201' AND E < '20240331' THEN DATEDIFF(dd, S, E) + 1"
           " WHEN S <= '20240201' AND E >= '20240201' THEN DATEDIFF(dd, '20240201', E) + 1"
           " WHEN S <= '20240331' AND E >= '20240331' THEN DATEDIFF(dd, S, '20240331') + 1 ELSE 0 END AS GG"
           " FROM (SELECT CI13_CONTO_PC03 AS CONTO, PC04_INDCOSTORIC AS IND, CI13_IMPORTO AS IMPORTO, CI13_QTA AS QTA,"
           " ISNULL(CI13_DADATACOMP, " + defaultDate + ") AS S, ISNULL(CI13_ADATACOMP, " + defaultDate + ") AS E"
           " FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO ON CI12_DITTA_CG18 = CI13_DITTA_CG18 AND CI12_NUMREG_CO99 = CI13_NUMREG_CO99"
           " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03, CI13_DITTA_CG18, NULL) AS VDS"
           " CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_DITTA_CG18) AS PC04_VDS"
           " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODPDC_PC01, CI13_CONTO_PC03, CI13_DITTA_CG18, NULL) AS CONTO"
           " WHERE CI12_DITTA_CG18 = 1 AND CI13_SEGNO IN (0) AND PC04_INDCOSTORIC IN (0,1,2)" + condition(competence)
           + ") AS LINEE) AS GIORNI) AS IMPORTI GROUP BY CONTO";
}

struct Totals {
    qint64 debit = 0, credit = 0, balance = 0, quantity = 0;
    bool operator==(const Totals&) const = default;
};

QDebug operator<<(QDebug d, const Totals& t)
{
    return d << t.debit << t.credit << t.balance << t.quantity;
}

Totals totalsOf(const db::Recordset& rows, int first)
{
    Totals t;
    t.debit = qRound64(rows.value(first).toDouble() * 100);
    t.credit = qRound64(rows.value(first + 1).toDouble() * 100);
    t.balance = t.credit - t.debit;
    t.quantity = qRound64(rows.value(first + 2).toDouble() * 100);
    return t;
}

std::map<QString, Totals> databaseTotals(bool competence)
{
    std::map<QString, Totals> found;
    db::Recordset rows = demoConnection()->Open(independentTotals(competence));
    for (; !rows.EOF_(); rows.MoveNext())
        found[QString::fromStdString(rows.value(0).toText())] = totalsOf(rows, 1);
    return found;
}

// The selection's totals, summed over the lines before rounding, as the report footer sums them.
Totals databaseGrandTotals(bool competence)
{
    db::Recordset rows = demoConnection()->Open("SELECT SUM(D), SUM(C), SUM(Q) FROM (" + independentTotals(competence)
                                                + ") AS PERCONTO");
    return totalsOf(rows, 0);
}

// Lines "label: key  debit credit balance [quantity]" of the printed pages; an empty debit or credit
// prints nothing, so a footer always shows all three.
std::map<QString, Totals> printedTotals(const QStringList& pages, const QString& label, bool quantity)
{
    std::map<QString, Totals> found;
    const QString a = QString::fromLatin1(amountPattern), space = QStringLiteral(R"(\s+)");
    const QRegularExpression re(QStringLiteral(R"(^\s*)") + label + space + a + space + a + space + a
                                    + (quantity ? space + a : QString()) + QStringLiteral("$"),
                                QRegularExpression::MultilineOption);
    for (const QString& page : pages)
        for (auto it = re.globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            Totals& t = found[m.captured(1)];
            t = {cents(m.captured(2)), cents(m.captured(3)), cents(m.captured(4)), quantity ? cents(m.captured(5)) : 0};
        }
    return found;
}

void setFormula(report::ReportDocument& document, const QString& name, const QString& text)
{
    for (report::FormulaFieldDefinition& f : document.FormulaFields())
        if (f.FormulaFieldName().compare(name, Qt::CaseInsensitive) == 0)
            f.setText(text);
}

void setParameter(report::ReportDocument& document, const QString& name, const QVariant& value)
{
    for (report::ParameterFieldDefinition& p : document.ParameterFields())
        if (p.ParameterFieldName() == name)
            p.AddCurrentValue(value);
}

// What the ledger window writes into the report: cost centre (level 9) and month (level 10), the
// selection in words and the competence period.
void fillAsTheWindow(report::ReportDocument& document, bool competence)
{
    const QString f = QStringLiteral("{CI12_MOVTESTATA.CI12_DATAREG}");
    setFormula(document, QStringLiteral("RAGGRUPPAMENTO9"), QStringLiteral("( {CI13_MOVCORPO.CI13_CONTO_PC03} )"));
    setFormula(document, QStringLiteral("DECODIFICA9"), QStringLiteral(" {CONTO.PC03_DESCR} "));
    setFormula(document, QStringLiteral("CAPTION9"),
               QStringLiteral(" ( \r\n     \"Tot. per c.d.c.:\" & \" \" & {CI13_MOVCORPO.CI13_CONTO_PC03} \r\n ) "));
    setFormula(document, QStringLiteral("RAGGRUPPAMENTO10"),
               QStringLiteral(" (\r\n     If IsNull(%1) Then\r\n         (\r\n             -1\r\n          )\r\n     Else\r\n"
                              "         (\r\n             DatePart(\"yyyy\", %1) * 100 + DatePart(\"m\", %1)\r\n          )\r\n )")
                   .arg(f));
    setFormula(document, QStringLiteral("STRRAGGRUPPAMENTO10"),
               QStringLiteral(" (\r\n     If not IsNull(%1) Then\r\n         (\r\n             MonthName(month(%1)) + \" \" + "
                              "ToText(Year(%1),0,\"\",\"\")\r\n          )\r\n     Else\r\n         (\r\n             \"\"\r\n"
                              "          )\r\n  )")
                   .arg(f));
    setFormula(document, QStringLiteral("DECODIFICA10"), QStringLiteral("{MG01_OPERATORI.MG01_DESCR}"));
    setFormula(document, QStringLiteral("CAPTION10"), QStringLiteral(" ( \r\n     \"Tot. per data reg.\" \r\n ) "));
    for (const char* level : {"OMETTI9", "OMETTI10"})
        setFormula(document, QString::fromLatin1(level), QStringLiteral("False"));
    setParameter(document, QStringLiteral("PSCONTOVDS"), QStringLiteral("01 - Produzione"));
    setParameter(document, QStringLiteral("FILTROCOMPETENZA"), competence);
    setParameter(document, QStringLiteral("DADATACOMP"), competence ? QDate(2024, 2, 1) : QDate::currentDate());
    setParameter(document, QStringLiteral("ADATACOMP"), competence ? QDate(2024, 3, 31) : QDate::currentDate());
    setParameter(document, QStringLiteral("DECIMALIEURO"), 2);
    setParameter(document, QStringLiteral("DECIMALIQTA1"), 2);
    setParameter(document, QStringLiteral("PDCCONTI"), qint16(1));
}

PrintResult printLedger(const QString& file, bool competence)
{
    return printReport(QStringLiteral(LEDGER_REPORTS "/") + file, fileText(LEDGER_STATEMENT) + condition(competence),
                       [competence](report::ReportDocument& document) { fillAsTheWindow(document, competence); });
}

} // namespace

class LedgerReportFilesTest : public QObject {
    Q_OBJECT

private slots:
    void totalsEqualTheDatabaseToTheCent_data();
    void totalsEqualTheDatabaseToTheCent();
    void counterPartFilesListTheJournalEntries();
};

void LedgerReportFilesTest::totalsEqualTheDatabaseToTheCent_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("quantity");
    QTest::addColumn<bool>("competence");
    QTest::newRow("amounts") << "CRCI_QUORVANE.rpt" << false << false;
    QTest::newRow("amounts, competence February to March") << "CRCI_QUORVANE.rpt" << false << true;
    QTest::newRow("with quantities, competence") << "CRCI_QUORVANEQTA.rpt" << true << true;
    QTest::newRow("with counter-parts") << "CRCI_QUORVANE_XR.rpt" << false << false;
    QTest::newRow("with quantities and counter-parts, competence") << "CRCI_QUORVANEQTA_XR.rpt" << true << true;
}

void LedgerReportFilesTest::totalsEqualTheDatabaseToTheCent()
{
    QFETCH(QString, file);
    QFETCH(bool, quantity);
    QFETCH(bool, competence);
    const PrintResult print = printLedger(file, competence);
    QVERIFY2(!print.failed, qPrintable(print.error));
    QCOMPARE(print.warnings.size(), 1);
    QVERIFY(print.warnings[0].startsWith(QStringLiteral("{MG01_OPERATORI.MG01_DESCR}")));

    std::map<QString, Totals> expected = databaseTotals(competence);
    if (!quantity)
        for (auto& [account, totals] : expected)
            totals.quantity = 0;
    // "Tot. per c.d.c. 0101001 "Produzione"": the level, its value and its description.
    const QString footer = QStringLiteral("Tot\\. per c\\.d\\.c\\. (\\S+)(?: \"[^\"\\n]*\")?");
    QCOMPARE(printedTotals(print.pages, footer, quantity), expected);
    Totals all = databaseGrandTotals(competence);
    if (!quantity)
        all.quantity = 0;
    QCOMPARE(printedTotals(print.pages, QStringLiteral("(Totale generale)"), quantity).at(QStringLiteral("Totale generale")), all);

    QVERIFY(print.pages[0].contains(QStringLiteral("Conto / V.d.S.: 01 - Produzione")));
    QCOMPARE(print.pages[0].contains(QStringLiteral("Periodo di competenza dal 01/02/2024 al 31/03/2024")), competence);
}

void LedgerReportFilesTest::counterPartFilesListTheJournalEntries()
{
    const PrintResult print = printLedger(QStringLiteral("CRCI_QUORVANE_XR.rpt"), false);
    QVERIFY2(!print.failed, qPrintable(print.error));
    QSet<QString> printed;
    for (const QString& page : print.pages)
        for (auto it = QRegularExpression(QStringLiteral(R"(^\s*Prima nota (\S+)$)"), QRegularExpression::MultilineOption)
                           .globalMatch(page);
             it.hasNext();)
            printed.insert(it.next().captured(1));
    QSet<QString> expected;
    db::Recordset rows = demoConnection()->Open(
        "SELECT DISTINCT CI12_NUMREG_CO99 FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO ON CI12_DITTA_CG18 = CI13_DITTA_CG18"
        " AND CI12_NUMREG_CO99 = CI13_NUMREG_CO99 CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03, CI13_DITTA_CG18, NULL) AS VDS"
        " CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_DITTA_CG18) AS PC04_VDS"
        " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODPDC_PC01, CI13_CONTO_PC03, CI13_DITTA_CG18, NULL) AS CONTO"
        " WHERE CI12_DITTA_CG18 = 1 AND CI13_SEGNO IN (0) AND PC04_INDCOSTORIC IN (0,1,2)" + condition(false)
        + " AND EXISTS (SELECT 1 FROM CG42_MOVCONT WHERE CG42_DITTA_CG18 = 1 AND CG42_NUMREG_CG41 = CI12_NUMREG_CO99)");
    for (; !rows.EOF_(); rows.MoveNext())
        expected.insert(QString::fromStdString(rows.value(0).toText()));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(printed, expected);
}

QTEST_MAIN(LedgerReportFilesTest)
#include "test_ledger_report_files.moc"
