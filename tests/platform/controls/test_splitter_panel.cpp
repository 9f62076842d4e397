// The two-pane splitter: the upper pane takes its percentage of the height, an open lower pane keeps at
// least the position's height, 100 closes the lower pane, and a drag sets a new percentage.

#include "controls/DataGridColumn.h"
#include "controls/SplitterPanel.h"

#include <QtTest>

using namespace controls;

namespace {

// A drag of the bar ends in QSplitter::moveSplitter, which raises splitterMoved.
struct DraggableSplitter : SplitterPanel {
    using QSplitter::moveSplitter;
};

struct Panel {
    Panel()
    {
        splitter.setPanes(new QWidget, new QWidget);
        splitter.resize(400, 1000);
        splitter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splitter));
    }
    int total() const { return splitter.sizes().value(0) + splitter.sizes().value(1); }
    DraggableSplitter splitter;
};

} // namespace

class SplitterPanelTest : public QObject {
    Q_OBJECT
private slots:
    void theSplitFollowsPercentageAndPosition_data();
    void theSplitFollowsPercentageAndPosition();
    void theSplitHoldsWhenThePanelIsResized();
    void aDragSetsTheNewPercentage();
};

void SplitterPanelTest::theSplitFollowsPercentageAndPosition_data()
{
    QTest::addColumn<int>("percentage");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("upperPermille");   // the upper pane's share, in thousandths
    QTest::addColumn<bool>("lowerOpen");
    QTest::newRow("sixty percent") << 60 << 0 << 600 << true;
    QTest::newRow("closed lower pane") << 100 << 750 << 1000 << false;
    QTest::newRow("least lower height wins") << 98 << 1500 << -1 << true;
}

void SplitterPanelTest::theSplitFollowsPercentageAndPosition()
{
    QFETCH(int, percentage);
    QFETCH(int, position);
    QFETCH(int, upperPermille);
    QFETCH(bool, lowerOpen);
    Panel p;
    p.splitter.setPosition(position);
    p.splitter.setPercentage(percentage);
    QCOMPARE(p.splitter.Percentage(), percentage);
    QCOMPARE(p.splitter.Position(), position);
    QCOMPARE(p.splitter.lowerPaneOpen(), lowerOpen);
    const int upper = p.splitter.sizes().value(0);
    if (upperPermille >= 0)
        QVERIFY2(std::abs(upper * 1000 / p.total() - upperPermille) <= 5, qPrintable(QString::number(upper)));
    else
        QCOMPARE(p.splitter.sizes().value(1), twipsToPixels(position, p.splitter.logicalDpiY()));
}

void SplitterPanelTest::theSplitHoldsWhenThePanelIsResized()
{
    Panel p;
    p.splitter.setPercentage(25);
    p.splitter.resize(400, 600);
    QTRY_VERIFY(std::abs(p.splitter.sizes().value(0) * 100 / p.total() - 25) <= 1);
}

void SplitterPanelTest::aDragSetsTheNewPercentage()
{
    Panel p;
    p.splitter.setPercentage(60);
    p.splitter.moveSplitter(p.total() / 5, 1);
    QCOMPARE(p.splitter.Percentage(), 20);
    QVERIFY(p.splitter.lowerPaneOpen());
}

QTEST_MAIN(SplitterPanelTest)
#include "test_splitter_panel.moc"
