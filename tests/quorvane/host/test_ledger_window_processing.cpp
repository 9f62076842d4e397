// The processing command and the results panel of the ledger window on the demo company: what a refused
// or empty selection leaves, a processing run twice, an ungrouped ledger, the detail pane, the movement's
// lines under the current line, the way back to the parameters and forth to the results.

#include "PanelTestSupport.h"

#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/LabelField.h"
#include "controls/ProgressField.h"
#include "controls/SplitterPanel.h"
#include "controls/ToolbarMenuButton.h"
#include "engine/NodeFilter.h"
#include "hostfw/Catalogue.h"

using quorvane::OrderRow;
using quorvane::SelectionParameters;

namespace {

const QString printCurrentGroup = QStringLiteral("Key_StampaGruppoCorrente");

OrderRow row(const char* caption, bool group, int period = 8)
{
    OrderRow r;
    r.caption = caption;
    r.group = group;
    r.period = period;
    return r;
}

// The cost centres under "01" in 2023 and 2024, with quantities, in the given order.
SelectionParameters ledger(std::vector<OrderRow> ordering)
{
    SelectionParameters s;
    s.TXT_CONTO = "01";
    s.TXT_DATAREGDA = QDate(2023, 1, 1);
    s.TXT_DATAREGA = QDate(2024, 12, 31);
    s.CHK_QUANTITA = "1";
    s.ADVO_ORDINAMENTI = std::move(ordering);
    s.company = 1;
    return s;
}

SelectionParameters grouped()
{
    return ledger({row("C.d.C.", true), row("Data reg.", true, 3)});
}

QString caption(const QWidget* window, const char* field)
{
    return window->findChild<controls::LabelField*>(QString::fromLatin1(field))->Value();
}

int columnOf(const controls::DataGrid& grid, const QString& key)
{
    const auto& columns = grid.columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].key == key)
            return static_cast<int>(i);
    return -1;
}

QString hostText(int number)
{
    return hostfw::Catalogue::text(number, hostfw::Language::Italian);
}

} // namespace

class LedgerWindowProcessingTest : public QObject {
    Q_OBJECT
private slots:
    void nothingExtractedKeepsTheParametersShown();
    void aRefusedSelectionProcessesNothingAndLeavesTheGridsUnbound();
    void aSecondProcessingReplacesTheFirst();
    void anUngroupedLedgerHidesTheTreeAndOffersNoGroupPrint();
    void theQuantityColumnFollowsTheQuantityBox_data();
    void theQuantityColumnFollowsTheQuantityBox();
    void theDetailPaneClosesAndOpensWhereItWas();
    void theCurrentLineBringsItsMovementsLines();
    void theCommandsGoBackToTheParametersAndForthToTheResults();
    void theKeyboardMovesBetweenTheTreeAndTheGrid();
};

void LedgerWindowProcessingTest::nothingExtractedKeepsTheParametersShown()
{
    paneltest::PanelWindow w;
    SelectionParameters s = grouped();
    s.TXT_DATAREGDA = QDate(2030, 1, 1);
    s.TXT_DATAREGA = QDate(2030, 12, 31);
    w.window->applySelection(s);
    w.window->CMD_ELABORA_ButtonClick();
    QCOMPARE(w.answerer->texts(), QStringList{hostText(39037)});
    QVERIFY(w.c().FRAME_PARAMETRI->isVisible());
    QVERIFY(!w.c().FRA_RISULTATI->isVisible());
    QVERIFY(!w.c().PBARSELEZIONE->isVisible());
    QVERIFY(w.window->movements().isOpen());
    QCOMPARE(w.window->movements().RecordCount(), 0L);
    QVERIFY(!w.window->isProcessing());
}

void LedgerWindowProcessingTest::aRefusedSelectionProcessesNothingAndLeavesTheGridsUnbound()
{
    paneltest::PanelWindow w;
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    QVERIFY(w.c().GRD_MOVIMENTI->recordset() != nullptr);
    const long before = w.window->movements().RecordCount();

    SelectionParameters refused = grouped();
    refused.TXT_CONTO.clear(); // the account is mandatory
    w.window->applySelection(refused);
    w.window->CMD_ELABORA_ButtonClick();
    QCOMPARE(w.answerer->requests.size(), std::size_t(1));
    QVERIFY(w.answerer->texts().constFirst().startsWith(hostText(9638)));
    QCOMPARE(w.c().GRD_MOVIMENTI->recordset(), nullptr);
    QCOMPARE(w.c().GRD_DETTAGLIO->recordset(), nullptr);
    QCOMPARE(w.window->movements().RecordCount(), before); // the working table was not touched
    QVERIFY(!w.window->isProcessing());
}

void LedgerWindowProcessingTest::aSecondProcessingReplacesTheFirst()
{
    paneltest::PanelWindow w;
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    const long firstGroupRows = w.window->movements().RecordCount();
    const std::size_t nodes = w.window->ledger().tree().size();
    const QString total = caption(w.window, "TXT_TOTGENDARE");
    QVERIFY(firstGroupRows > 0 && nodes > 1);

    w.c().TRE_GRUPPI->expandAll();
    const QModelIndex other = w.c().TRE_GRUPPI->node(QStringLiteral("*3"));
    w.window->TRE_GRUPPI_NodeClick(other);
    QVERIFY(w.window->movements().filter() != std::string());

    w.window->CMD_ELABORA_ButtonClick();
    QVERIFY(w.answerer->requests.empty());
    QCOMPARE(w.window->ledger().tree().size(), nodes);
    QCOMPARE(w.c().TRE_GRUPPI->key(w.c().TRE_GRUPPI->selectedNode()), QStringLiteral("*1"));
    QCOMPARE(caption(w.window, "TXT_TOTGENDARE"), total);
    QCOMPARE(w.c().GRD_MOVIMENTI->recordset(), &w.window->movements());
    QCOMPARE(long(w.c().GRD_MOVIMENTI->model()->rowCount()), firstGroupRows);
}

void LedgerWindowProcessingTest::anUngroupedLedgerHidesTheTreeAndOffersNoGroupPrint()
{
    paneltest::PanelWindow w;
    QVERIFY(w.active());
    w.window->applySelection(ledger({row("Nr. doc.", false)}));
    w.window->CMD_ELABORA_ButtonClick();
    QVERIFY(w.c().FRA_RISULTATI->isVisible());
    QVERIFY(!w.c().TRE_GRUPPI->isVisible());
    QVERIFY(!w.c().FME_TOTALIGEN->isVisible());
    QVERIFY(w.c().FME_TOTALINOGRUPPO->isVisible());
    QVERIFY(!w.c().CMD_ESPANDI->isEnabled());
    QVERIFY(!w.c().CMD_CHIUDI->isEnabled());
    QVERIFY(!w.c().CMD_STAMPA->isItemEnabled(printCurrentGroup));
    QVERIFY(w.c().CMD_STAMPA->isItemEnabled(QStringLiteral("Key_Stampa")));
    QCOMPARE(QApplication::focusWidget(), w.c().GRD_MOVIMENTI);
    QCOMPARE(long(w.c().GRD_MOVIMENTI->model()->rowCount()), w.window->movements().RecordCount());
    QVERIFY(!caption(w.window, "TXT_TOTNOGRUPPODARE").trimmed().isEmpty());
    // Before any group the group totals are the selection's.
    QCOMPARE(caption(w.window, "TXT_TOTDARE"), caption(w.window, "TXT_TOTNOGRUPPODARE"));

    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    QVERIFY(w.c().TRE_GRUPPI->isVisible());
    QVERIFY(w.c().CMD_STAMPA->isItemEnabled(printCurrentGroup));
    QCOMPARE(QApplication::focusWidget(), w.c().TRE_GRUPPI);
}

void LedgerWindowProcessingTest::theQuantityColumnFollowsTheQuantityBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("shown");
    QTest::newRow("quantities managed") << "1" << true;
    QTest::newRow("quantities not managed") << "0" << false;
}

void LedgerWindowProcessingTest::theQuantityColumnFollowsTheQuantityBox()
{
    QFETCH(QString, box);
    QFETCH(bool, shown);
    paneltest::PanelWindow w;
    SelectionParameters s = grouped();
    s.CHK_QUANTITA = box.toStdString();
    w.window->applySelection(s);
    w.window->CMD_ELABORA_ButtonClick();
    for (controls::DataGrid* grid : {w.c().GRD_MOVIMENTI, w.c().GRD_DETTAGLIO})
        QCOMPARE(grid->isColumnHidden(columnOf(*grid, QStringLiteral("QUANTITA"))), !shown);
    QCOMPARE(caption(w.window, "TXT_TOTQUANTITA").isEmpty(), !shown);
}

void LedgerWindowProcessingTest::theDetailPaneClosesAndOpensWhereItWas()
{
    paneltest::PanelWindow w;
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    controls::SplitterPanel& split = *w.c().ARQ_SPLIT;
    QCOMPARE(split.Percentage(), 100); // the lines start hidden
    QVERIFY(!w.c().CHK_VIEWRIGHE->isChecked());

    w.c().CHK_VIEWRIGHE->click();
    QCOMPARE(split.Percentage(), 60);
    QCOMPARE(split.Position(), 750);
    split.setPercentage(45);
    w.c().CHK_VIEWRIGHE->click();
    QCOMPARE(split.Percentage(), 100);
    QCOMPARE(split.Position(), 0);
    w.c().CHK_VIEWRIGHE->click();
    QCOMPARE(split.Percentage(), 45);
    QCOMPARE(split.Position(), 750);
}

void LedgerWindowProcessingTest::theCurrentLineBringsItsMovementsLines()
{
    paneltest::PanelWindow w;
    w.window->applySelection(ledger({row("Nr. doc.", false)}));
    w.window->CMD_ELABORA_ButtonClick();
    controls::DataGrid& grid = *w.c().GRD_MOVIMENTI;
    grid.setCurrentIndex(grid.model()->index(1, 1));
    const QString number = QString::fromStdString(w.window->movements().value("CI12_NUMREG_CO99").toText());
    controls::DataGrid& detail = *w.c().GRD_DETTAGLIO;
    QVERIFY(detail.recordset() != nullptr);
    QVERIFY(detail.model()->rowCount() > 0);
    const int numberColumn = columnOf(detail, QStringLiteral("CI13_NUMREG_CO99"));
    for (int line = 0; line < detail.model()->rowCount(); ++line)
        QCOMPARE(detail.model()->index(line, numberColumn).data().toString().trimmed(), number);
    // The trace commands are shown exactly when they can be used.
    QCOMPARE(w.c().CMD_LEFT->isVisibleTo(w.window), w.c().CMD_LEFT->isEnabled());
    QCOMPARE(w.c().CMD_RIGHT->isVisibleTo(w.window), w.c().CMD_RIGHT->isEnabled());
}

void LedgerWindowProcessingTest::theCommandsGoBackToTheParametersAndForthToTheResults()
{
    paneltest::PanelWindow w;
    QVERIFY(w.active());
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    QTest::mouseClick(w.c().CMD_PARAMETRI, Qt::LeftButton);
    QVERIFY(w.c().FRAME_PARAMETRI->isVisible());
    QVERIFY(!w.c().FRA_RISULTATI->isVisible());
    QVERIFY(w.c().CMD_MOVIMENTI->isEnabled());
    QTest::mouseClick(w.c().CMD_MOVIMENTI, Qt::LeftButton);
    QVERIFY(w.c().FRA_RISULTATI->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.c().TRE_GRUPPI);
}

void LedgerWindowProcessingTest::theKeyboardMovesBetweenTheTreeAndTheGrid()
{
    paneltest::PanelWindow w;
    QVERIFY(w.active());
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    controls::GroupTreeView& tree = *w.c().TRE_GRUPPI;
    QCOMPARE(QApplication::focusWidget(), &tree);

    // Down shows the next cost centre (the first is closed) as a click would.
    QTest::keyClick(&tree, Qt::Key_Down);
    QCOMPARE(tree.selectedNode(), tree.model()->index(1, 0));
    QCOMPARE(w.window->movements().filter(),
             quorvane::movementFilterOf(tree.tag(tree.selectedNode()).toStdString()));
    QTest::keyClick(&tree, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.c().GRD_MOVIMENTI);
    QTest::keyClick(w.c().GRD_MOVIMENTI, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), &tree);
}

QTEST_MAIN(LedgerWindowProcessingTest)
#include "test_ledger_window_processing.moc"
