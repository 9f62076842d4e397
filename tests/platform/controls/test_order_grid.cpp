// The ordering grid as a user meets it: offered rows in their sections, chosen rows marked with a
// direction, a grouping level, a period for dates and a page break; descriptions cannot group and only
// dates take a period.

#include "controls/OrderGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace controls;

namespace {

OrderRowDefinition row(int section, const QString& caption, const QString& column, bool flag, bool groupable,
                       bool dateRow)
{
    return {section, section == 0 ? "Testata movimento" : "Righe movimento", caption, column, flag, 1, groupable,
            dateRow};
}

const OrderOffer offer{row(0, "Causale", "CI12_CODCAUS_CI03", true, true, false),
                       row(0, "Descr. causale", "CI12_DESCRCAUS", true, false, false),
                       row(0, "Data reg.", "CI12_DATAREG", true, true, true),
                       row(1, "C.d.C.", "CI13_CONTO_PC03", true, true, false),
                       row(1, "Commessa", "CI13_COMMESSA_PD25", false, true, false)};

QStringList captions(const OrderGrid& grid)
{
    QStringList result;
    for (const ChosenOrderRow& r : grid.chosenRows())
        result << r.caption;
    return result;
}

} // namespace

class OrderGridTest : public QObject {
    Q_OBJECT

    OrderGrid grid_;

private slots:
    void init() { grid_.setOffer(offer); }

    void offeredRowsStandInTheirSections()
    {
        QCOMPARE(grid_.offered()->topLevelItemCount(), 2);
        QCOMPARE(grid_.offered()->topLevelItem(1)->text(0), QString("Righe movimento"));
        QVERIFY(grid_.offered()->topLevelItem(1)->child(1)->isHidden());   // its flag is off
        grid_.setShowAllRows(true);
        QVERIFY(!grid_.offered()->topLevelItem(1)->child(1)->isHidden());
        grid_.setShowAllRows(false);
    }

    void rowEditorsSetTheMarks()
    {
        grid_.choose(2);
        grid_.choose(1);
        auto* direction = qobject_cast<QComboBox*>(grid_.chosenTable()->cellWidget(0, OrderGrid::DirectionColumn));
        auto* period = qobject_cast<QComboBox*>(grid_.chosenTable()->cellWidget(0, OrderGrid::PeriodColumn));
        auto* group = qobject_cast<QCheckBox*>(grid_.chosenTable()->cellWidget(0, OrderGrid::GroupColumn));
        auto* pageBreak = qobject_cast<QCheckBox*>(grid_.chosenTable()->cellWidget(0, OrderGrid::PageBreakColumn));
        direction->setCurrentText("DESC");
        period->setCurrentIndex(period->findData(PeriodFortnight));
        group->setChecked(true);
        pageBreak->setChecked(true);
        ChosenOrderRow expected{"Data reg.", "CI12_DATAREG", "DESC", true, PeriodFortnight, true};
        QCOMPARE(grid_.chosenRows().front(), expected);
        QVERIFY(!qobject_cast<QCheckBox*>(grid_.chosenTable()->cellWidget(1, OrderGrid::GroupColumn))->isEnabled());
        QVERIFY(!qobject_cast<QComboBox*>(grid_.chosenTable()->cellWidget(1, OrderGrid::PeriodColumn))->isEnabled());
    }

    void marksARowCannotTakeAreRefused()
    {
        grid_.choose(1);
        grid_.choose(0);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, grid_.setGroup(0, true));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, grid_.setPeriod(1, PeriodMonth));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, grid_.setDirection(1, "DOWN"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, grid_.setChosenRows({{"Data registrazione", {}}}));
        QCOMPARE(captions(grid_), (QStringList{"Descr. causale", "Causale"}));
        QVERIFY(!grid_.chosenRows().front().group);
    }

    void gridReportsChangesAndTheLastTab()
    {
        QSignalSpy changes(&grid_, &OrderGrid::CurrentRecordChanged);
        QSignalSpy lastTab(&grid_, &OrderGrid::AqLastTabReached);
        grid_.choose(0);
        grid_.choose(3);
        QVERIFY(changes.count() >= 2);
        grid_.chosenTable()->setCurrentCell(1, 0);
        QTest::keyClick(grid_.chosenTable(), Qt::Key_Tab);
        QCOMPARE(lastTab.count(), 1);
    }
};

QTEST_MAIN(OrderGridTest)
#include "test_order_grid.moc"
