// The processing command and the results panel of the ledger window on the demo company: what a refused
// or empty selection leaves, a processing run twice, an ungrouped ledger, the detail pane, the movement's
// lines under the current line, the way back to the parameters and forth to the results; errors of the
// tree, of a limit and of a grid's decode each reported under their own procedure; an English user.

#include "PanelTestSupport.h"

#include "controls/ComboField.h"
#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/OrderGrid.h"
#include "controls/ProgressField.h"
#include "controls/QueryGrid.h"
#include "controls/SplitterPanel.h"
#include "controls/ToolbarMenuButton.h"
#include "engine/AnalysisTexts.h"
#include "chart/GroupChartView.h"
#include "engine/GroupTotalsTreeModel.h"
#include "hostfw/Catalogue.h"
#include "host/UserSettings.h"

#include <QAbstractItemModelTester>
#include <QAbstractSeries>
#include <QAbstractButton>
#include <QCheckBox>
#include <QChart>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QHeaderView>

#include <QTableWidget>

using quorvane::OrderRow;
using quorvane::SelectionParameters;

using paneltest::caption;

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

QString hostText(int number)
{
    return hostfw::Catalogue::text(number, hostfw::Language::Italian);
}

} // namespace

class LedgerWindowProcessingTest : public QObject {
    Q_OBJECT
private slots:
    // Each case starts as a user the inquiry has not met: no remembered selection, no window shape.
    void init()
    {
        using namespace quorvane::host;
        QSettings(QSettings::UserScope, settingsOrganisation, settingsApplication).clear();
    }
    void nothingExtractedKeepsTheParametersShown();
    void aRefusedSelectionProcessesNothingAndLeavesTheGridsUnbound();
    void aSecondProcessingReplacesTheFirst();
    void anUngroupedLedgerHidesTheTreeAndOffersNoGroupPrint();
    void theQuantityColumnFollowsTheQuantityBox_data();
    void theQuantityColumnFollowsTheQuantityBox();
    void theDetailPaneClosesAndOpensWhereItWas();
    void theCurrentLineBringsItsMovementsLines();
    void theCommandsGoBackToTheParametersAndForthToTheResults();
    void aTreeThatStopsLeavesTheTotalsAndTheSummary();
    void aLimitThatCannotBeCombinedStopsUnderItsOwnName();
    void aDatabaseErrorWhileDescribingACodeIsReportedUnderTheGridsEvent();
    void anEnglishUserReadsNumbersAndMonthsInEnglish();
    void theTreeShowsEachGroupsFiguresAndSortsByThem();
    void theChartFollowsTheGroupAndTheGridsToolsTheLinesShown();
    void aProcessedOrNamedSelectionIsRememberedAndOpensAgainWithOneClick();
    void theNextWindowOpensInTheShapeTheUserLeft();
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
    QVERIFY(!w.c().CMD_STAMPA->isItemEnabled(printCurrentGroup));
    QCOMPARE(QApplication::focusWidget(), w.c().GRD_MOVIMENTI);
    QCOMPARE(long(w.c().GRD_MOVIMENTI->model()->rowCount()), w.window->movements().RecordCount());
    QVERIFY(!caption(w.window, "TXT_TOTNOGRUPPODARE").trimmed().isEmpty());
    // "01" is a ledger above the cost centres: the summary still says what it is.
    db::Recordset ledgerAccount = w.window->connection()->Open(
        "SELECT PC03_DESCR FROM PC03_ANAGPDC WHERE PC03_DITTA_CG18 = 1 AND PC03_CODICE_PC01 = 1 AND PC03_CONTO = '01'");
    QCOMPARE(caption(w.window, "TXT_RIEPCONTO"),
             "\"01\" - " + QString::fromStdString(ledgerAccount.value("PC03_DESCR").toText()) + " ");
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
        QCOMPARE(grid->isColumnHidden(grid->gridModel()->columnOf(QStringLiteral("QUANTITA"))), !shown);
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
    const int numberColumn = detail.gridModel()->columnOf(QStringLiteral("CI13_NUMREG_CO99"));
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

// A level whose description column the working table lacks stops the tree; the figures still follow.
void LedgerWindowProcessingTest::aTreeThatStopsLeavesTheTotalsAndTheSummary()
{
    paneltest::PanelWindow w;
    controls::OrderGrid& ordering = *w.c().ADVO_ORDINAMENTI;
    controls::OrderOffer offer = ordering.offer();
    offer.push_back({0, offer.front().sectionTitle, QStringLiteral("Linea"), QStringLiteral("CI13_LINEA_PD01"), true,
                     qint16(offer.size() + 1), true, false});
    ordering.setOffer(offer);
    w.window->applySelection(grouped());
    ordering.choose(int(offer.size()) - 1);
    ordering.setGroup(2, true);   // the line, after the cost centre and the month
    w.window->CMD_ELABORA_ButtonClick();
    QCOMPARE(w.answerer->requests.size(), std::size_t(1));
    QVERIFY(w.answerer->texts().constFirst().contains(QStringLiteral("CaricamentoTree")));
    QVERIFY(w.c().FRA_RISULTATI->isVisible());
    QVERIFY(!caption(w.window, "TXT_TOTGENDARE").trimmed().isEmpty());
    QVERIFY(!caption(w.window, "TXT_TOTDARE").trimmed().isEmpty());
    QVERIFY(!caption(w.window, "TXT_RIEPDATAREG").trimmed().isEmpty());
}

// A cause typed both as a range and as a list makes no condition: the processing stops with that error
// alone, not with "nothing found".
void LedgerWindowProcessingTest::aLimitThatCannotBeCombinedStopsUnderItsOwnName()
{
    paneltest::PanelWindow w;
    w.window->applySelection(grouped());
    controls::QueryGrid& limits = *w.c().ADVQ_LIMITI;
    const auto cause = std::find_if(limits.offer().begin(), limits.offer().end(),
                                    [](const auto& r) { return r.caption == QLatin1String("Causale"); });
    limits.setValues(int(cause - limits.offer().begin()), {QStringLiteral("C1"), {}, {}});
    limits.setCurrentCell(int(cause - limits.offer().begin()), controls::QueryGrid::ListColumn);
    limits.table()->currentItem()->setText(QStringLiteral("C2"));
    w.window->CMD_ELABORA_ButtonClick();
    QCOMPARE(w.answerer->requests.size(), std::size_t(1));
    QVERIFY(w.answerer->texts().constFirst().contains(QStringLiteral("ProcessaLimitiAdvancedQuery")));
    QVERIFY(w.c().FRAME_PARAMETRI->isVisible());
}

void LedgerWindowProcessingTest::aDatabaseErrorWhileDescribingACodeIsReportedUnderTheGridsEvent()
{
    paneltest::PanelWindow w;
    controls::QueryGrid& limits = *w.c().ADVQ_LIMITI;
    const auto cause = std::find_if(limits.offer().begin(), limits.offer().end(),
                                    [](const auto& r) { return r.caption == QLatin1String("Causale"); });
    w.window->connection()->Close();
    limits.setCurrentCell(int(cause - limits.offer().begin()), controls::QueryGrid::FromColumn);
    limits.table()->currentItem()->setText(QStringLiteral("C1"));
    QCOMPARE(w.answerer->requests.size(), std::size_t(1));
    QVERIFY(w.answerer->texts().constFirst().contains(QStringLiteral("ADVQ_LIMITI_StartDecode")));
    QCOMPARE(limits.values(int(cause - limits.offer().begin())).from, QStringLiteral("C1"));
}

void LedgerWindowProcessingTest::anEnglishUserReadsNumbersAndMonthsInEnglish()
{
    paneltest::PanelWindow w(1, QStringLiteral("ENG "));
    w.window->applySelection(grouped());
    w.window->CMD_ELABORA_ButtonClick();
    const QRegularExpression english(QStringLiteral("^-?\\d{1,3}(,\\d{3})*\\.\\d{2} $"));
    const QString total = caption(w.window, "TXT_TOTGENDARE");
    QVERIFY2(english.match(total).hasMatch(), qPrintable(total));
    controls::DataGrid& grid = *w.c().GRD_MOVIMENTI;
    const int amount = grid.gridModel()->columnOf(QStringLiteral("IMPORTO"));
    const QString cell = grid.model()->index(0, amount).data().toString() + " ";
    QVERIFY2(english.match(cell).hasMatch(), qPrintable(cell));
    const quorvane::GroupNode& month = w.window->ledger().tree().node(1);   // the first cost centre's first month
    QCOMPARE(month.level, 2);
    QVERIFY2(QRegularExpression(QStringLiteral("\"(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) 20\\d\\d\""))
                 .match(QString::fromStdString(month.text)).hasMatch(),
             month.text.c_str());
}

namespace {

// The balances of the top-level groups as the tree lists them.
std::vector<db::Decimal> topLevelBalances(const QAbstractItemModel& tree)
{
    const auto& figures = static_cast<const quorvane::GroupTotalsTreeModel&>(tree);
    std::vector<db::Decimal> balances;
    for (int row = 0; row < tree.rowCount(); ++row)
        balances.push_back(figures.figuresAt(tree.index(row, 0))->totals.sums.balance);
    return balances;
}

bool ordered(const std::vector<db::Decimal>& values, Qt::SortOrder order)
{
    for (std::size_t i = 1; i < values.size(); ++i)
        if (values[i - 1].compare(values[i]) == (order == Qt::AscendingOrder ? 1 : -1))
            return false;
    return true;
}

} // namespace

// Beside each caption its group's figures, the comparison with the budget chosen in "Confronta con" among
// them, read as the group totals read them; a click on a column's header orders the groups by it, the next
// click reverses the order, and the group column gives back the tree's own order.
void LedgerWindowProcessingTest::theTreeShowsEachGroupsFiguresAndSortsByThem()
{
    paneltest::PanelWindow w;
    QVERIFY(w.active());
    w.window->applySelection(grouped());
    w.choose(w.c().CBO_CONFRONTO, QStringLiteral("3"));
    w.window->CMD_ELABORA_ButtonClick();
    controls::GroupTreeView& view = *w.c().TRE_GRUPPI;
    QAbstractItemModel& tree = *view.model();
    QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList headers;
    for (int column = 0; column < tree.columnCount(); ++column)
        headers << tree.headerData(column, Qt::Horizontal).toString();
    const int balance = int(headers.indexOf(hostText(quorvane::textBalanceColumn)));
    const int comparison = int(headers.indexOf(hostText(quorvane::textComparisonColumn)));
    QVERIFY2(balance > 0 && comparison > balance, qPrintable(headers.join('|')));
    const QModelIndex first = view.selectedNode();
    QCOMPARE(first.siblingAtColumn(balance).data().toString() + ' ', caption(w.window, "TXT_TOTSALDO"));
    QCOMPARE(first.siblingAtColumn(comparison).data().toString() + ' ', caption(w.window, "TXT_TOTCONFRONTO"));
    QVERIFY(caption(w.window, "TXT_TOTSCOSTAMENTO").trimmed().size() > 0);

    const std::vector<db::Decimal> before = topLevelBalances(tree);
    const auto clickHeader = [&](int column) {
        view.scrollTo(tree.index(0, column));
        QTest::mouseClick(view.header()->viewport(), Qt::LeftButton, {},
                          QPoint(view.header()->sectionViewportPosition(column) + 4, 4));
    };
    clickHeader(balance);
    const Qt::SortOrder firstOrder = view.header()->sortIndicatorOrder();
    QVERIFY(ordered(topLevelBalances(tree), firstOrder));
    clickHeader(balance);
    QCOMPARE_NE(view.header()->sortIndicatorOrder(), firstOrder);
    QVERIFY(ordered(topLevelBalances(tree), view.header()->sortIndicatorOrder()));
    QCOMPARE(view.key(view.selectedNode()), QStringLiteral("*1"));
    view.sortByColumn(0, Qt::AscendingOrder);
    QCOMPARE(topLevelBalances(tree), before);
}

// "Grafico" draws the group shown, with the comparison's series beside the balances, and follows a click;
// the grid's quick filter keeps the lines holding its text, and the totals under the grid count what shows.
void LedgerWindowProcessingTest::theChartFollowsTheGroupAndTheGridsToolsTheLinesShown()
{
    paneltest::PanelWindow w;
    QVERIFY(w.active());
    w.window->applySelection(grouped());
    w.choose(w.c().CBO_CONFRONTO, QStringLiteral("1"));
    w.window->CMD_ELABORA_ButtonClick();
    quorvane::chart::GroupChartView& chart = *w.c().GRF_GRAFICO;
    QVERIFY(chart.isHidden());
    w.c().CHK_GRAFICO->click();
    QVERIFY(!chart.isHidden());
    controls::GroupTreeView& tree = *w.c().TRE_GRUPPI;
    QCOMPARE(chart.chart()->series().size(), 2);
    QCOMPARE(chart.chart()->title(), tree.text(tree.selectedNode()));
    const QModelIndex second = tree.model()->index(1, 0);
    emit tree.NodeClick(second);
    QCOMPARE(chart.chart()->title(), tree.text(second));

    controls::DataGrid& grid = *w.c().GRD_MOVIMENTI;
    const QString all = w.c().LBL_TOTALIRIGHE->text();
    QVERIFY2(all.contains(caption(w.window, "TXT_TOTSALDO").trimmed()), qPrintable(all));
    const QString code = grid.gridModel()->cellText(grid.model()->rowCount() - 1, grid.gridModel()->columnOf("NUMSEZDOC"));
    w.c().TXT_FILTRORIGHE->setText(code);
    QVERIFY(grid.model()->rowCount() > 0);
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < grid.model()->columnCount(); ++column)
            if (!grid.isColumnHidden(column))
                texts << grid.gridModel()->cellText(row, column);
        QVERIFY2(texts.join('|').contains(code), qPrintable(texts.join('|')));
    }
    QVERIFY(w.c().LBL_TOTALIRIGHE->text().contains(QString::number(grid.model()->rowCount())));
}

// Each processed selection goes first among the recent ones, ten at most, the same one moving up rather than
// twice; choosing one from the menu puts it back in the panel, a named one too. The settings are the test's own
// (PanelWindow).
void LedgerWindowProcessingTest::aProcessedOrNamedSelectionIsRememberedAndOpensAgainWithOneClick()
{
    paneltest::PanelWindow w;
    QVERIFY(w.active());
    SelectionParameters other = ledger({row("C.d.C.", true)});
    for (const SelectionParameters& s : {other, grouped(), other}) {
        w.window->applySelection(s);
        w.window->CMD_ELABORA_ButtonClick();
    }
    QMenu& menu = *w.c().CMD_SELEZIONI->menu();
    emit menu.aboutToShow();
    QList<QAction*> entries = menu.actions();
    QCOMPARE(entries.at(0)->text(), quorvane::host::recentCaption(other));
    QCOMPARE(entries.at(1)->text(), quorvane::host::recentCaption(grouped()));
    QVERIFY(entries.at(2)->isSeparator());
    entries.at(1)->trigger();
    QCOMPARE(w.window->selection().ADVO_ORDINAMENTI, grouped().ADVO_ORDINAMENTI);

    quorvane::host::RememberedSelections remembered;
    for (int account = 10; account < 22; ++account) {
        other.TXT_CONTO = std::to_string(account);
        remembered.rememberProcessed(other);
    }
    QCOMPARE(int(remembered.recent().size()), quorvane::host::RememberedSelections::recentCount);
    QCOMPARE(remembered.recent().front().caption, quorvane::host::recentCaption(other));

    // A name given again keeps the latest selection under it, once; the menu opens it like a recent one.
    remembered.keepNamed(QStringLiteral("Trimestre"), other);
    remembered.keepNamed(QStringLiteral("Per gruppo"), other);
    remembered.keepNamed(QStringLiteral("Trimestre"), grouped());
    emit menu.aboutToShow();
    QStringList names;
    QAction* quarter = nullptr;
    for (QAction* entry : menu.actions().mid(quorvane::host::RememberedSelections::recentCount + 1)) {
        names << entry->text();
        if (entry->text() == QLatin1String("Trimestre"))
            quarter = entry;
    }
    QCOMPARE(names.mid(0, 2), (QStringList{"Trimestre", "Per gruppo"}));
    w.window->applySelection(other);
    quarter->trigger();
    QCOMPARE(w.window->selection().ADVO_ORDINAMENTI, grouped().ADVO_ORDINAMENTI);
}

// The first window shows every caption of its parameters whole; the size, the split above the lines'
// detail and the column widths the user leaves are those of the next window.
void LedgerWindowProcessingTest::theNextWindowOpensInTheShapeTheUserLeft()
{
    QSize size;
    int dateWidth = 0;
    {
        paneltest::PanelWindow w;
        QVERIFY(w.active());
        QWidget* panel = w.c().FRAME_PARAMETRI;
        for (QWidget* caption : panel->findChildren<QWidget*>())
            if ((qobject_cast<QLabel*>(caption) || qobject_cast<QAbstractButton*>(caption)) && caption->isVisibleTo(w.window))
                QVERIFY2(caption->sizeHint().width() <= caption->width(), qPrintable(caption->objectName()));
        w.window->applySelection(grouped());
        w.window->CMD_ELABORA_ButtonClick();
        const QSize first = w.window->size();
        w.window->resize(first - QSize(0, 30));
        size = w.window->size();
        QVERIFY(size != first);
        w.c().CHK_VIEWRIGHE->click();
        w.c().ARQ_SPLIT->setPercentage(35);
        controls::DataGrid& grid = *w.c().GRD_MOVIMENTI;
        const int column = grid.gridModel()->columnOf("CI12_DATAREG");
        dateWidth = grid.columnWidth(column) + 57;
        grid.horizontalHeader()->resizeSection(column, dateWidth);
        QVERIFY(w.window->Unload());
    }
    paneltest::PanelWindow again;
    QVERIFY(again.active());
    QCOMPARE(again.window->size(), size);
    again.window->applySelection(grouped());
    again.window->CMD_ELABORA_ButtonClick();
    const controls::DataGrid& grid = *again.c().GRD_MOVIMENTI;
    QCOMPARE(grid.columnWidth(grid.gridModel()->columnOf("CI12_DATAREG")), dateWidth);
    again.c().CHK_VIEWRIGHE->click();
    QCOMPARE(again.c().ARQ_SPLIT->Percentage(), 35);
}

QTEST_MAIN(LedgerWindowProcessingTest)
#include "test_ledger_window_processing.moc"
