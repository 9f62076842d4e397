// Grid columns laid out in design twips widen with a font whose digits are wider than the design font's,
// never narrow, and hidden columns stay hidden.

#include "host/GridFontScale.h"

#include "controls/DataGrid.h"

#include <QtTest>

using namespace quorvane::host;

class GridFontScaleTest : public QObject {
    Q_OBJECT
private slots:
    void theScaleFollowsTheDigitWidth_data();
    void theScaleFollowsTheDigitWidth();
    void shownColumnsWidenAndHiddenOnesStayHidden();
};

void GridFontScaleTest::theScaleFollowsTheDigitWidth_data()
{
    QTest::addColumn<int>("digitTwips");
    QTest::addColumn<double>("scale");
    QTest::newRow("narrower than the design font") << 60 << 1.0;
    QTest::newRow("the design font") << 75 << 1.0;
    QTest::newRow("a fifth wider") << 90 << 1.2;
    QTest::newRow("twice as wide") << 150 << 2.0;
}

void GridFontScaleTest::theScaleFollowsTheDigitWidth()
{
    QFETCH(int, digitTwips);
    QFETCH(double, scale);
    QCOMPARE(fontWidthScale(digitTwips), scale);
}

void GridFontScaleTest::shownColumnsWidenAndHiddenOnesStayHidden()
{
    controls::DataGrid grid;
    QFont large = grid.font();
    large.setPointSize(24);   // digits far wider than the design font's
    grid.setFont(large);
    grid.resetLayout();
    for (const auto& [key, width] : {std::pair{"ID", 0}, std::pair{"NUMREG", 1000}, std::pair{"DARE", 1250}}) {
        controls::DataGridColumn column;
        column.key = column.caption = QString::fromLatin1(key);
        column.widthTwips = width;
        grid.addColumn(column);
    }
    grid.closeColumnList();
    grid.applyLayout();

    scaleColumnsToFont(grid);
    QCOMPARE(grid.column(QStringLiteral("ID")).widthTwips, 0);
    QVERIFY(grid.isColumnHidden(0));
    const int number = grid.column(QStringLiteral("NUMREG")).widthTwips;
    const int debit = grid.column(QStringLiteral("DARE")).widthTwips;
    QVERIFY2(number > 1000, qPrintable(QString::number(number)));
    // One factor for every column: their proportions stay.
    QVERIFY(qAbs(double(debit) / number - 1.25) < 0.01);
    // Ten digits fit in the widened number column.
    QVERIFY(grid.columnWidth(1) >= grid.fontMetrics().horizontalAdvance(QStringLiteral("2024000001")));
}

QTEST_MAIN(GridFontScaleTest)
#include "test_grid_font_scale.moc"
