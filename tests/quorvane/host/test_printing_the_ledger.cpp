// The print command of the ledger window on the demo company: the button and the menu print the whole ledger
// or the selected group into the report service's preview, whose grand total read back from its PDF is the
// total the window shows; a key the menu does not know prints nothing; a report file that does not load is
// reported as the report service's failure, and the window prints again once the file is back.

#include "PanelTestSupport.h"

#include "controls/GroupTreeView.h"
#include "controls/ToolbarMenuButton.h"
#include "report/ReportPreview.h"

#include <poppler-qt6.h>

#include <QRegularExpression>
#include <QTemporaryDir>

using quorvane::OrderRow;

namespace {

// Cost centres under "01" in 2023 and 2024 by month, with quantities: the file CRCI_QUORVANEQTA_XR.rpt.
quorvane::SelectionParameters grouped()
{
    quorvane::SelectionParameters s;
    s.TXT_CONTO = "01";
    s.TXT_DATAREGDA = QDate(2023, 1, 1);
    s.TXT_DATAREGA = QDate(2024, 12, 31);
    s.CHK_QUANTITA = "1";
    OrderRow centres, months;
    centres.caption = "C.d.C.";
    centres.group = months.group = true;
    months.caption = "Data reg.";
    months.period = 3;
    s.ADVO_ORDINAMENTI = {centres, months};
    s.company = 1;
    return s;
}

qint64 cents(QString amount)
{
    amount = amount.trimmed().remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return qRound64(amount.toDouble() * 100);
}

// The text of the preview the print opened, closed once read.
QString previewedText()
{
    report::ReportPreview* preview = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* shown = qobject_cast<report::ReportPreview*>(window); shown && shown->isVisible())
            preview = shown;
    if (!preview)
        return {};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("preview.pdf"));
    preview->savePdf(pdf);
    preview->close();
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
    QString text;
    for (int i = 0; i < document->numPages(); ++i)
        text += document->page(i)->text(QRectF());
    return text;
}

// The grand total of a printed ledger: debit, credit, balance and quantity.
QList<qint64> grandTotal(const QString& text)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral(R"(Totale generale\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+))")).match(text);
    return {cents(m.captured(1)), cents(m.captured(2)), cents(m.captured(3)), cents(m.captured(4))};
}

QList<qint64> shownTotals(const QWidget* window, const char* debit, const char* credit, const char* balance,
                          const char* quantity)
{
    return {cents(paneltest::caption(window, debit)), cents(paneltest::caption(window, credit)),
            cents(paneltest::caption(window, balance)), cents(paneltest::caption(window, quantity))};
}

// A report file replaced while it lives, and put back.
class ReplacedReportFile {
public:
    explicit ReplacedReportFile(const QString& name)
        : path_(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name), kept_(path_ + QStringLiteral(".kept"))
    {
        QFile::rename(path_, kept_);
        QFile broken(path_);
        broken.open(QIODevice::WriteOnly);
        broken.write("{\"title\": ");
    }
    ~ReplacedReportFile()
    {
        QFile::remove(path_);
        QFile::rename(kept_, path_);
    }

private:
    QString path_, kept_;
};

} // namespace

class PrintingTheLedgerTest : public QObject {
    Q_OBJECT
private slots:
    void thePrintShowsTheWindowsTotals_data();
    void thePrintShowsTheWindowsTotals();
    void aKeyTheMenuDoesNotKnowPrintsNothing();
    void aReportThatFailsIsReportedAndTheWindowPrintsAgain();
};

void PrintingTheLedgerTest::thePrintShowsTheWindowsTotals_data()
{
    QTest::addColumn<QString>("key");       // empty: the button itself
    QTest::addColumn<bool>("nodeSelected");
    QTest::addColumn<bool>("groupOnly");
    QTest::newRow("the button") << QString() << true << false;
    QTest::newRow("the whole ledger") << "Key_Stampa" << true << false;
    QTest::newRow("the current group") << "Key_StampaGruppoCorrente" << true << true;
    QTest::newRow("the current group with counter-parts") << "Key_StampaGruppoCorrenteConCP" << true << true;
    QTest::newRow("the current group, no node selected") << "Key_StampaGruppoCorrente" << false << false;
}

void PrintingTheLedgerTest::thePrintShowsTheWindowsTotals()
{
    QFETCH(QString, key);
    QFETCH(bool, nodeSelected);
    QFETCH(bool, groupOnly);
    paneltest::PanelWindow w;
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    controls::GroupTreeView& tree = *w.c().TRE_GRUPPI;
    const QModelIndex month = tree.node(QStringLiteral("*3"));
    tree.selectNode(nodeSelected ? month : QModelIndex());
    w.window->TRE_GRUPPI_NodeClick(month);
    // The keys with counter-parts are not in the window's own menu: the host passes them on.
    if (key.isEmpty())
        QTest::mouseClick(w.c().CMD_STAMPA, Qt::LeftButton);
    else if (key.endsWith(QLatin1String("ConCP")))
        w.window->CMD_STAMPA_MenuClick(key);
    else
        w.c().CMD_STAMPA->item(key)->trigger();
    QVERIFY2(w.answerer->requests.empty(), qPrintable(w.answerer->texts().join(QLatin1Char('\n'))));
    QCOMPARE(w.window->reportObject(), nullptr);
    const QList<qint64> expected =
        groupOnly ? shownTotals(w.window, "TXT_TOTDARE", "TXT_TOTAVERE", "TXT_TOTSALDO", "TXT_TOTQUANTITA")
                  : shownTotals(w.window, "TXT_TOTGENDARE", "TXT_TOTGENAVERE", "TXT_TOTGENSALDO", "TXT_TOTGENQUANTITA");
    const QString printed = previewedText();
    QCOMPARE(grandTotal(printed), expected);
    // The level code's description, as the summary and the command line's print find it.
    QVERIFY2(printed.contains(QStringLiteral("Conto / V.d.S.: 01 - Stabilimento di Monza")), qPrintable(printed.left(400)));
}

void PrintingTheLedgerTest::aKeyTheMenuDoesNotKnowPrintsNothing()
{
    paneltest::PanelWindow w;
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    w.window->CMD_STAMPA_MenuClick(QStringLiteral("Key_StampaTutto"));
    QVERIFY(previewedText().isEmpty());
    QVERIFY(w.answerer->requests.empty());
}

void PrintingTheLedgerTest::aReportThatFailsIsReportedAndTheWindowPrintsAgain()
{
    paneltest::PanelWindow w;
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    {
        const ReplacedReportFile broken(QStringLiteral("CRCI_QUORVANEQTA_XR.rpt"));
        w.window->CMD_STAMPA_ButtonClick();
    }
    QCOMPARE(w.answerer->requests.size(), std::size_t(1));
    const QString reported = w.answerer->texts().constFirst();
    QVERIFY2(reported.startsWith(QLatin1String("Errore in FRMCI_QUORVANE.Partitario:\nErrore generato internamente alla "
                                               "classe report (invocazione metodo OpenReport)")),
             qPrintable(reported));
    QVERIFY(reported.contains(QLatin1String("(-2147221404, ReportEngine)")));
    QVERIFY(reported.contains(QLatin1String("CRCI_QUORVANEQTA_XR.rpt")));
    QVERIFY(w.window->reportObject() && w.window->reportObject()->failed());
    QVERIFY(previewedText().isEmpty());

    w.window->CMD_STAMPA_ButtonClick();
    QCOMPARE(w.window->reportObject(), nullptr);
    QCOMPARE(grandTotal(previewedText()),
             shownTotals(w.window, "TXT_TOTGENDARE", "TXT_TOTGENAVERE", "TXT_TOTGENSALDO", "TXT_TOTGENQUANTITA"));
}

QTEST_MAIN(PrintingTheLedgerTest)
#include "test_printing_the_ledger.moc"
