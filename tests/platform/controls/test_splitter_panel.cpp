// The two-pane splitter: a drag of its bar sets the new percentage (the window's detail-pane test sets and
// restores percentages and positions).

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
    void aDragSetsTheNewPercentage();
};

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
