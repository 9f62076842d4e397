// The results panel after a processing: the ordering grid's rows decide whether the ledger is grouped, and
// with it the tree, the totals frames, the expand and close commands, "print current group" and the room
// the grids get.

#include "display/ResultsLayout.h"
#include "engine/DisplayConfiguration.h"

#include <QtTest>

using namespace quorvane;
using namespace quorvane::display;

namespace {

OrderingColumn row(const char* column, bool group, int period = 8, bool dateRow = false)
{
    OrderingColumn r;
    r.caption = column;
    r.column = column;
    r.group = group;
    r.period = period;
    r.dateRow = dateRow;
    return r;
}

using Rows = std::vector<OrderingColumn>;

} // namespace

Q_DECLARE_METATYPE(Rows)

class ResultsLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void theGroupingDecidesThePanes_data();
    void theGroupingDecidesThePanes();
    void thePanesTakeTheFormsRoom_data();
    void thePanesTakeTheFormsRoom();
};

void ResultsLayoutTest::theGroupingDecidesThePanes_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QStringList>("levelColumns");
    QTest::newRow("no rows") << Rows{} << false << QStringList();
    QTest::newRow("ordering rows only") << Rows{row("CI13_CONTO_PC03", false), row("CI12_DATAREG", false)} << false
                                        << QStringList();
    QTest::newRow("a date grouped without period") << Rows{row("CI12_DATAREG", true, 8, true)} << false
                                                   << QStringList{""};
    QTest::newRow("a date grouped by month") << Rows{row("CI12_DATAREG", true, 3, true)} << true
                                             << QStringList{"DATAREGMESE"};
    QTest::newRow("two levels") << Rows{row("CI13_CONTO_PC03", true), row("CI12_DATADOC", true, 7, true)} << true
                                << QStringList{"CI13_CONTO_PC03", "DATADOCANNO"};
}

void ResultsLayoutTest::theGroupingDecidesThePanes()
{
    QFETCH(Rows, rows);
    QFETCH(bool, grouped);
    QFETCH(QStringList, levelColumns);
    const DisplayConfiguration configuration = configureDisplay(rows, hostfw::Translator(hostfw::Language::Italian));
    QStringList columns;
    for (const Rottura& level : configuration.levels)
        columns << QString::fromStdString(level.Campo);
    QCOMPARE(columns, levelColumns);
    QCOMPARE(configuration.hasGroups, grouped);
    const ResultsLayout layout = resultsLayout(configuration.hasGroups, PaneMetrics{});
    QCOMPARE(layout.printCurrentGroupEnabled, grouped);
    QCOMPARE(layout.treeVisible, grouped);
    QCOMPARE(layout.selectionTotalsVisible, grouped);
    QCOMPARE(layout.ungroupedTotalsVisible, !grouped);
    QCOMPARE(layout.expandCloseEnabled, grouped);
}

void ResultsLayoutTest::thePanesTakeTheFormsRoom_data()
{
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    // A form of 9000 twips, a tree of 2400, totals of 600, heights scaled by 1.2.
    QTest::newRow("grouped: the grids under the tree") << true << 3384 << 9000 - 2400 - 1800;
    QTest::newRow("ungrouped: the grids from the top") << false << 30 << 9000 - 600 - 1128;
}

void ResultsLayoutTest::thePanesTakeTheFormsRoom()
{
    QFETCH(bool, grouped);
    QFETCH(int, top);
    QFETCH(int, height);
    PaneMetrics metrics;
    metrics.formHeight = 9000;
    metrics.treeHeight = 2400;
    metrics.ungroupedTotalsHeight = 600;
    metrics.scaleVertically = [](int twips) { return twips * 6 / 5; };
    const ResultsLayout layout = resultsLayout(grouped, metrics);
    QCOMPARE(layout.splitterTop, top);
    QCOMPARE(layout.splitterHeight, height);
}

QTEST_MAIN(ResultsLayoutTest)
#include "test_results_layout.moc"
