// The data grid over a record set: columns laid out from twips, cells drawn from the set's columns in their
// kind's format and through the window's callback, the set's cursor following the grid's row, the view
// following the set's filter, and the selected rows copied as tab-separated text.

#include "controls/DataGrid.h"
#include "controls/DataGridCellText.h"
#include "controls/NumberText.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

using namespace controls;

namespace {

db::Recordset sampleRows()
{
    db::Recordset rows = db::Recordset::inMemory({{"ID", db::DataType::Integer},
                                                  {"CODICE", db::DataType::Text, 10},
                                                  {"IMPORTO", db::DataType::Decimal, 0, 15, 2},
                                                  {"GRUPPO", db::DataType::Text, 5}});
    const struct { int id; const char* code; std::int64_t cents; const char* group; } data[] = {
        {1, "A1", 123450, "X"}, {2, "B2", -500, "Y"}, {3, "C3", 0, "X"}, {4, "D4", 99, "Y"}};
    for (const auto& d : data) {
        rows.AddNew();
        rows.setValue("ID", d.id);
        rows.setValue("CODICE", d.code);
        rows.setValue("IMPORTO", db::Decimal{d.cents, 2});
        rows.setValue("GRUPPO", d.group);
        rows.Update();
    }
    rows.MoveFirst();
    return rows;
}

DataGridColumn column(const char* key, ColumnKind kind, int twips, const QString& format = {})
{
    DataGridColumn c;
    c.key = QString::fromLatin1(key);
    c.caption = c.key.toLower();
    c.kind = kind;
    c.widthTwips = twips;
    c.numberFormat = format;
    return c;
}

void layOut(DataGrid& grid)
{
    grid.resetLayout();
    grid.addColumn(column("ID", ColumnKind::Number, 0));
    grid.addColumn(column("CODICE", ColumnKind::Text, 1440));
    grid.addColumn(column("IMPORTO", ColumnKind::Number, 1500, QStringLiteral("###,###,##0.00")));
    grid.addColumn(column("GRUPPO", ColumnKind::Text, 900));
    grid.closeColumnList();
    grid.applyLayout();
}

QString shown(const DataGrid& grid, int row, const char* key)
{
    return grid.gridModel()->cellText(row, grid.gridModel()->columnOf(QString::fromLatin1(key)));
}

} // namespace

class DataGridTest : public QObject {
    Q_OBJECT
private slots:
    void columnsAreHiddenAtWidthZeroAndSizedFromTwips();
    void cellTexts_data();
    void cellTexts();
    void theCallbackSeesTheKeyTheTextAndTheRow();
    void aColumnNotInTheSetShowsWhatTheCallbackWrites();
    void movingToARowMovesTheSetAndRaisesRowChanged();
    void refreshShowsTheFilteredRowsAndKeepsTheUsersWidths();
    void copyGivesTheSelectedRowsInViewOrderWithoutHiddenColumns();
};

void DataGridTest::columnsAreHiddenAtWidthZeroAndSizedFromTwips()
{
    DataGrid grid;
    layOut(grid);
    const int dpi = grid.logicalDpiX();
    QVERIFY(grid.isColumnHidden(0));
    QCOMPARE(grid.columnWidth(1), twipsToPixels(1440, dpi));
    QCOMPARE(grid.columnWidth(2), twipsToPixels(1500, dpi));
    grid.setColumnWidthTwips(QStringLiteral("GRUPPO"), 0);
    grid.applyLayout();
    QVERIFY(grid.isColumnHidden(3));
}

void DataGridTest::cellTexts_data()
{
    QTest::addColumn<QVariant>("valueKind");   // which value the row carries
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("decimals");         // -1: none set
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("english");         // the separators of an English user
    QTest::newRow("amount in the column's format") << QVariant("decimal") << 12 << "###,##0.00" << -1 << "1.234,50" << false;
    QTest::newRow("decimals set after the format") << QVariant("decimal") << 12 << "###,##0.00" << 3 << "1.234,500" << false;
    QTest::newRow("number without format or decimals") << QVariant("decimal") << 12 << "" << -1 << "1234.50" << false;
    QTest::newRow("date column") << QVariant("date") << 4 << "" << -1 << "05/03/2024" << false;
    QTest::newRow("date in a text column") << QVariant("date") << 1 << "" << -1 << "2024-03-05" << false;
    QTest::newRow("null reads empty") << QVariant("null") << 12 << "###,##0.00" << 2 << "" << false;
    QTest::newRow("amount for an English user") << QVariant("decimal") << 12 << "###,##0.00" << -1 << "1,234.50" << true;
}

void DataGridTest::cellTexts()
{
    QFETCH(QVariant, valueKind);
    QFETCH(int, kind);
    QFETCH(QString, format);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QFETCH(bool, english);
    const QString which = valueKind.toString();
    const db::Value value = which == "decimal" ? db::Value(db::Decimal{123450, 2})
                            : which == "date"  ? db::Value(db::DateTime::fromCivil(2024, 3, 5))
                            : which == "text"  ? db::Value("  a b ")
                                               : db::Value();
    DataGridColumn c = column("X", ColumnKind(kind), 1000, format);
    if (decimals >= 0)
        c.decimals = decimals;
    QCOMPARE(cellText(value, c, english ? QLocale(QLocale::English, QLocale::UnitedKingdom) : italianNumbers()), expected);
}

void DataGridTest::theCallbackSeesTheKeyTheTextAndTheRow()
{
    db::Recordset rows = sampleRows();
    DataGrid grid;
    layOut(grid);
    grid.setRecordset(&rows);
    QStringList keys;
    grid.setDataFormatter([&](const QString& key, QString& text, const DataGridRow& row) {
        keys << key;
        if (key == "CODICE")
            text += "/" + QString::fromStdString(row.value("GRUPPO").toText());
    });
    QCOMPARE(shown(grid, 1, "CODICE"), QStringLiteral("B2/Y"));
    QCOMPARE(shown(grid, 1, "IMPORTO"), QStringLiteral("-5,00"));
    QCOMPARE(keys, QStringList({"CODICE", "IMPORTO"}));
    QCOMPARE(grid.model()->data(grid.model()->index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
}

void DataGridTest::aColumnNotInTheSetShowsWhatTheCallbackWrites()
{
    db::Recordset rows = sampleRows();
    DataGrid grid;
    grid.addColumn(column("DES_GRUPPO", ColumnKind::Text, 1000));
    grid.closeColumnList();
    grid.setRecordset(&rows);
    QCOMPARE(shown(grid, 0, "DES_GRUPPO"), QString());
    grid.setDataFormatter([](const QString&, QString& text, const DataGridRow& row) {
        text = "gruppo " + QString::fromStdString(row.value("GRUPPO").toText());
    });
    QCOMPARE(shown(grid, 3, "DES_GRUPPO"), QStringLiteral("gruppo Y"));
}

void DataGridTest::movingToARowMovesTheSetAndRaisesRowChanged()
{
    db::Recordset rows = sampleRows();
    DataGrid grid;
    layOut(grid);
    grid.setRecordset(&rows);
    int moves = 0;
    rows.setMoveCompleteHandler([&] { ++moves; });
    QSignalSpy changed(&grid, &DataGrid::RowChanged);
    grid.setCurrentIndex(grid.model()->index(2, 1));
    QCOMPARE(rows.AbsolutePosition(), 3L);
    QCOMPARE(rows.value("CODICE").toText(), std::string("C3"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(moves, 1);
    grid.setCurrentIndex(grid.model()->index(2, 3));   // another cell of the same row
    QCOMPARE(changed.count(), 1);
}

void DataGridTest::refreshShowsTheFilteredRowsAndKeepsTheUsersWidths()
{
    db::Recordset rows = sampleRows();
    DataGrid grid;
    layOut(grid);
    grid.setRecordset(&rows);
    grid.horizontalHeader()->resizeSection(1, 155);
    grid.horizontalHeader()->moveSection(3, 1);
    rows.Filter("GRUPPO = 'Y'");
    grid.refresh();
    QCOMPARE(grid.model()->rowCount(), 2);
    QCOMPARE(shown(grid, 1, "CODICE"), QStringLiteral("D4"));
    QCOMPARE(grid.columnWidth(1), 155);
    QCOMPARE(grid.horizontalHeader()->visualIndex(3), 1);
    QVERIFY(grid.isColumnHidden(0));
}

void DataGridTest::copyGivesTheSelectedRowsInViewOrderWithoutHiddenColumns()
{
    db::Recordset rows = sampleRows();
    DataGrid grid;
    layOut(grid);
    grid.setRecordset(&rows);
    grid.horizontalHeader()->moveSection(3, 1);        // the group before the code
    grid.selectionModel()->clearSelection();
    grid.selectRow(2);
    grid.selectionModel()->select(grid.model()->index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString expected = QStringLiteral("X\tA1\t1.234,50\nX\tC3\t0,00\n");
    QCOMPARE(grid.selectedRowsText(), expected);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

QTEST_MAIN(DataGridTest)
#include "test_datagrid.moc"
