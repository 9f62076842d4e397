// The whole inquiry in the host shell with the real plug-in file: the menu opens the ledger window, the
// user opens a selection grouped by cost centre and month, presses "Elabora", opens a cost centre and
// clicks one of its months; the grid then lists exactly that month's lines of that cost centre and the
// group's totals are the database's own sums, to the cent. Printed from the menu, the ledger's preview shows
// every group's footer with the totals the window shows when the group is clicked.

#include "PanelTestSupport.h"

#include "HostMainWindow.h"

#include "host/FRMCI_QUORVANE.h"

#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/ProgressField.h"
#include "controls/ToolbarMenuButton.h"
#include "db/Connection.h"
#include "engine/NodeFilter.h"
#include "hostfw/HostStatusBar.h"
#include "report/ReportPreview.h"

#include <poppler-qt6.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

using quorvane::host::FRMCI_QUORVANE;

using paneltest::caption;

namespace {

// Every actual movement line of 2023 and 2024 on the cost centres under "01", grouped by cost centre and
// month of registration, with quantities.
constexpr const char* twoLevelSelection = R"({
  "company": 1,
  "TXT_CONTO": "01",
  "TXT_DATAREGDA": "2023-01-01",
  "TXT_DATAREGA": "2024-12-31",
  "CHK_QUANTITA": "1",
  "ADVO_ORDINAMENTI": [
    { "caption": "C.d.C.", "group": true },
    { "caption": "Data reg.", "group": true, "period": 3 }
  ]
})";

// The lines of one cost centre and one month as the ledger selects them (actual movements, sign 0,
// natures of cost and revenue, a known movement type), summed by the database: debit for cost natures,
// credit for revenue natures.
std::string serverSums(const std::string& account, int year, int month)
{
    return "SELECT CI13_NUMREG_CO99, CI13_PROGRIGA,"
           " CASE WHEN PC04_VDS.PC04_INDCOSTORIC = 1 THEN ISNULL(CI13_IMPORTO, 0) ELSE 0 END AS DARE,"
           " CASE WHEN PC04_VDS.PC04_INDCOSTORIC IN (0, 2) THEN ISNULL(CI13_IMPORTO, 0) ELSE 0 END AS AVERE,"
           " ISNULL(CI13_QTA, 0) AS QUANTITA"
           " FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO"
           " ON CI12_DITTA_CG18 = CI13_DITTA_CG18 AND CI12_NUMREG_CO99 = CI13_NUMREG_CO99"
           " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODPDC_PC01, CI13_CONTO_PC03, CI13_DITTA_CG18, NULL) AS CONTO"
           " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03, CI13_DITTA_CG18, NULL) AS VDS"
           " CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_DITTA_CG18) AS PC04_VDS"
           " OUTER APPLY FNCI03_CAUSALI(CI12_CODCAUS_CI03, CI12_DITTA_CG18) AS CI03_CAUSALI"
           " WHERE CI12_DITTA_CG18 = 1 AND CI03_CAUSALI.CI03_INDOPERAZIONE = 0 AND CI13_SEGNO = 0"
           " AND CI12_INDTIPOMOV IS NOT NULL AND PC04_VDS.PC04_INDCOSTORIC IN (0, 1, 2)"
           " AND CI13_CONTO_PC03 = '" + account + "' AND YEAR(CI12_DATAREG) = " + std::to_string(year)
           + " AND MONTH(CI12_DATAREG) = " + std::to_string(month);
}

// A caption in the Italian amount format ("-1.234,56 ") as a number of cents.
qint64 centsOf(QString caption)
{
    caption = caption.trimmed().remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = caption.toDouble(&ok);
    return ok ? qRound64(value * 100) : std::numeric_limits<qint64>::min();
}

qint64 centsOf(double value)
{
    return qRound64(value * 100);
}

FRMCI_QUORVANE* openedLedger(hostshell::HostMainWindow& host, const QTemporaryDir& dir)
{
    if (!host.openLedgerInquiry())
        return nullptr;
    auto* window = static_cast<FRMCI_QUORVANE*>(host.mdiArea()->subWindowList().constFirst()->widget());
    QFile file(dir.filePath(QStringLiteral("selection.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(twoLevelSelection) <= 0)
        return nullptr;
    file.close();
    return window->ApriSelezione(file.fileName()) ? window : nullptr;
}

// Debit, credit, balance and quantity of every footer of the printed groups and of the grand total.
QList<QList<qint64>> printedFooters(const QString& pdf)
{
    static const QRegularExpression footer(QStringLiteral(R"(^\s*(?:Tot\. per .*?|Totale generale)\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s*$)"),
                                           QRegularExpression::MultilineOption);
    QList<QList<qint64>> found;
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
    for (int i = 0; document && i < document->numPages(); ++i)
        for (auto it = footer.globalMatch(document->page(i)->text(QRectF())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            found.append({centsOf(m.captured(1)), centsOf(m.captured(2)), centsOf(m.captured(3)), centsOf(m.captured(4))});
        }
    return found;
}

// The totals the window shows for a group once it is clicked, after those of the groups inside it.
void shownFooters(FRMCI_QUORVANE& window, const QModelIndex& parent, QList<QList<qint64>>& footers)
{
    const QAbstractItemModel& tree = *window.controls().TRE_GRUPPI->model();
    for (int row = 0; row < tree.rowCount(parent); ++row) {
        const QModelIndex node = tree.index(row, 0, parent);
        shownFooters(window, node, footers);
        window.TRE_GRUPPI_NodeClick(node);
        footers.append({centsOf(caption(&window, "TXT_TOTDARE")), centsOf(caption(&window, "TXT_TOTAVERE")),
                        centsOf(caption(&window, "TXT_TOTSALDO")), centsOf(caption(&window, "TXT_TOTQUANTITA"))});
    }
}

} // namespace

class LedgerInquiryInHostShellTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondLevelGroupShowsItsLinesAndTheDatabaseSums();
    void thePrintedLedgerShowsTheTotalsOfEveryGroup();
};

void LedgerInquiryInHostShellTest::aSecondLevelGroupShowsItsLinesAndTheDatabaseSums()
{
    const auto session = hostfw::ClsGlobal::open(hosttest::demoLogin(1));
    const auto answerer = hosttest::answerDialogs(*session);
    hostshell::HostMainWindow host(session, QStringLiteral(QUORVANE_PLUGIN_FILE));
    host.show();
    QVERIFY(host.openLedgerInquiry());
    auto* window = static_cast<FRMCI_QUORVANE*>(host.mdiArea()->subWindowList().constFirst()->widget());
    const quorvane::host::FormControls& c = window->controls();

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("selection.json")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(twoLevelSelection) > 0);
    file.close();
    QVERIFY(window->ApriSelezione(file.fileName()));
    QTest::mouseClick(c.CMD_ELABORA, Qt::LeftButton);
    QVERIFY2(answerer->requests.empty(), qPrintable(answerer->texts().join(QLatin1Char('\n'))));
    QVERIFY(c.FRA_RISULTATI->isVisible());
    QVERIFY(!c.FRAME_PARAMETRI->isVisible());
    QVERIFY(!c.PBARSELEZIONE->isVisible());

    // The first cost centre with more than one month: open it and click its second month.
    controls::GroupTreeView& tree = *c.TRE_GRUPPI;
    QCOMPARE(tree.key(tree.selectedNode()), QStringLiteral("*1"));
    QModelIndex month;
    for (int row = 0; row < tree.model()->rowCount() && !month.isValid(); ++row)
        if (tree.model()->rowCount(tree.model()->index(row, 0)) > 1)
            month = tree.model()->index(1, 0, tree.model()->index(row, 0));
    QVERIFY(month.isValid());
    tree.expand(month.parent());
    tree.scrollTo(month);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(month).center());
    QCOMPARE(tree.selectedNode(), month);

    // The grid shows the group's lines: one cost centre, one month.
    controls::DataGrid& grid = *c.GRD_MOVIMENTI;
    const QAbstractItemModel& rows = *grid.model();
    QVERIFY(rows.rowCount() > 0);
    const db::Recordset& movements = window->movements();
    const std::string account = movements.value("CI13_CONTO_PC03").toText();
    const QDate registered = QDate::fromString(QString::fromStdString(movements.value("CI12_DATAREG").toText()).left(10),
                                               Qt::ISODate);
    QVERIFY2(registered.isValid(), movements.value("CI12_DATAREG").toText().c_str());

    const auto connection = db::Connection::open(hosttest::demoConnectionString().toStdString());
    db::Recordset server = connection->Open(serverSums(account, registered.year(), registered.month()));
    QCOMPARE(long(rows.rowCount()), server.RecordCount());
    std::set<QString> expected;
    double debit = 0, credit = 0, quantity = 0;
    for (server.MoveFirst(); !server.EOF_(); server.MoveNext()) {
        expected.insert(QString::fromStdString(server.value("CI13_NUMREG_CO99").toText()));
        debit += server.value("DARE").toDouble();
        credit += server.value("AVERE").toDouble();
        quantity += server.value("QUANTITA").toDouble();
    }
    const int numberColumn = grid.gridModel()->columnOf(QStringLiteral("CI13_NUMREG_CO99"));
    std::set<QString> shown;
    for (int row = 0; row < rows.rowCount(); ++row)
        shown.insert(rows.index(row, numberColumn).data().toString().trimmed());
    QCOMPARE(shown, expected);

    // The group's totals, to the cent, and the whole selection's beside them.
    QCOMPARE(centsOf(caption(window, "TXT_TOTDARE")), centsOf(debit));
    QCOMPARE(centsOf(caption(window, "TXT_TOTAVERE")), centsOf(credit));
    QCOMPARE(centsOf(caption(window, "TXT_TOTSALDO")), centsOf(credit) - centsOf(debit));
    QCOMPARE(centsOf(caption(window, "TXT_TOTQUANTITA")), centsOf(quantity));
    QVERIFY(caption(window, "TXT_TOTDARE").endsWith(QLatin1Char(' ')));
    QVERIFY(!caption(window, "TXT_TOTGENDARE").isEmpty());
    QVERIFY(c.FME_TOTALIGEN->isVisible());
    QVERIFY(!c.FME_TOTALINOGRUPPO->isVisible());
    QVERIFY2(caption(window, "TXT_RIEPDATAREG").contains(QStringLiteral("01/01/2023 / 31/12/2024")),
             qPrintable(caption(window, "TXT_RIEPDATAREG")));

    QVERIFY(host.closePrograms());
}

void LedgerInquiryInHostShellTest::thePrintedLedgerShowsTheTotalsOfEveryGroup()
{
    const auto session = hostfw::ClsGlobal::open(hosttest::demoLogin(1));
    const auto answerer = hosttest::answerDialogs(*session);
    hostshell::HostMainWindow host(session, QStringLiteral(QUORVANE_PLUGIN_FILE));
    host.show();
    QTemporaryDir dir;
    FRMCI_QUORVANE* window = openedLedger(host, dir);
    QVERIFY(window);
    QTest::mouseClick(window->controls().CMD_ELABORA, Qt::LeftButton);
    window->controls().CMD_STAMPA->item(QStringLiteral("Key_Stampa"))->trigger();
    QVERIFY2(answerer->requests.empty(), qPrintable(answerer->texts().join(QLatin1Char('\n'))));

    report::ReportPreview* preview = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<report::ReportPreview*>(shown); candidate && candidate->isVisible())
            preview = candidate;
    QVERIFY(preview);
    const QString pdf = dir.filePath(QStringLiteral("ledger.pdf"));
    preview->savePdf(pdf);
    preview->close();

    QList<QList<qint64>> expected;
    shownFooters(*window, QModelIndex(), expected);
    expected.append({centsOf(caption(window, "TXT_TOTGENDARE")), centsOf(caption(window, "TXT_TOTGENAVERE")),
                     centsOf(caption(window, "TXT_TOTGENSALDO")), centsOf(caption(window, "TXT_TOTGENQUANTITA"))});
    QVERIFY(expected.size() > 10);
    QCOMPARE(printedFooters(pdf), expected);
    QVERIFY(host.closePrograms());
}

QTEST_MAIN(LedgerInquiryInHostShellTest)
#include "test_ledger_inquiry_in_host_shell.moc"
