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
                                                  {"GRUPPO", db::DataType::Text, 5},
                                                  {"DARE", db::DataType::Decimal, 0, 15, 2},
                                                  {"AVERE", db::DataType::Decimal, 0, 15, 2}});
    const struct { int id; const char* code; std::int64_t cents; const char* group; std::int64_t debit, credit; } data[] = {
        {1, "A1", 123450, "X", 1000, 0}, {2, "B2", -500, "Y", 0, 400}, {3, "C3", 0, "X", 250, 0}, {4, "D4", 99, "Y", 0, 100}};
    for (const auto& d : data) {
        rows.AddNew();
        rows.setValue("ID", d.id);
        rows.setValue("CODICE", d.code);
        rows.setValue("IMPORTO", db::Decimal{d.cents, 2});
        rows.setValue("GRUPPO", d.group);
        rows.setValue("DARE", db::Decimal{d.debit, 2});
        rows.setValue("AVERE", db::Decimal{d.credit, 2});
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
    void theUsersSortAndFilterLieOverTheSetWithARunningBalance_data();
    void theUsersSortAndFilterLieOverTheSetWithARunningBalance();
    void theQuickFilterKeepsTheRowsWhoseShownTextHoldsIt();
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
    const auto formatter = [&](const QString& key, QString& text, const DataGridRow& row) {
        keys << key;
        if (key == "CODICE")
            text += "/" + QString::fromStdString(row.value("GRUPPO").toText());
    };
    grid.setDataFormatter(formatter);
    QCOMPARE(shown(grid, 1, "CODICE"), QStringLiteral("B2/Y"));
    QCOMPARE(shown(grid, 1, "IMPORTO"), QStringLiteral("-5,00"));
    QCOMPARE(keys, QStringList({"CODICE", "IMPORTO"}));
    grid.setDataFormatter(formatter, {QStringLiteral("codice")});
    keys.clear();
    QCOMPARE(shown(grid, 2, "CODICE"), QStringLiteral("C3/X"));
    QCOMPARE(shown(grid, 2, "IMPORTO"), QStringLiteral("0,00"));
    QCOMPARE(keys, QStringList({"CODICE"}));
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

// Header clicks sort (a second click reverses), the quick filter reads the shown texts in any case, the
// running balance (credit − debit, worked by hand) follows the grid's order, and the set's cursor follows
// the grid's row through the user's order.
void DataGridTest::theUsersSortAndFilterLieOverTheSetWithARunningBalance_data()
{
    QTest::addColumn<QString>("sortKey");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("balances");
    QTest::newRow("amount up") << "IMPORTO" << 1 << "" << QStringList{"B2", "C3", "D4", "A1"}
                               << QStringList{"4.00", "1.50", "2.50", "-7.50"};
    QTest::newRow("amount down") << "IMPORTO" << 2 << "" << QStringList{"A1", "D4", "C3", "B2"}
                                 << QStringList{"-10.00", "-9.00", "-11.50", "-7.50"};
    QTest::newRow("code down, group y") << "CODICE" << 2 << "y" << QStringList{"D4", "B2"}
                                        << QStringList{"1.00", "5.00"};
    QTest::newRow("shown amount, set order") << "" << 0 << "1.234" << QStringList{"A1"} << QStringList{"-10.00"};
    QTest::newRow("nothing holds it") << "GRUPPO" << 1 << "zz" << QStringList{} << QStringList{};
}

void DataGridTest::theUsersSortAndFilterLieOverTheSetWithARunningBalance()
{
    QFETCH(QString, sortKey);
    QFETCH(int, clicks);
    QFETCH(QString, filter);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, balances);
    db::Recordset rows = sampleRows();
    DataGrid grid;
    grid.gridModel()->setRunningBalance(QStringLiteral("Saldo progressivo"), QStringLiteral("DARE"),
                                        QStringLiteral("AVERE"));
    layOut(grid);
    grid.setRecordset(&rows);
    QSignalSpy shownAgain(grid.gridModel(), &DataGridModel::rowsShown);
    for (int i = 0; i < clicks; ++i)
        emit grid.horizontalHeader()->sectionClicked(grid.gridModel()->columnOf(sortKey));
    grid.setQuickFilter(filter);
    QCOMPARE(shownAgain.count(), clicks + 1);
    QStringList shownCodes, shownBalances;
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        shownCodes << shown(grid, row, "CODICE");
        shownBalances << grid.gridModel()->cellText(row, grid.gridModel()->runningBalanceColumn());
    }
    QCOMPARE(shownCodes, codes);
    QCOMPARE(shownBalances, balances);
    QCOMPARE(grid.gridModel()->shownTotals().rows, long(codes.size()));
    QCOMPARE(QString::fromStdString(grid.gridModel()->shownTotals().balance.toString()),
             balances.isEmpty() ? QStringLiteral("0") : balances.last());
    if (!codes.isEmpty()) {
        grid.setCurrentIndex(grid.model()->index(codes.size() - 1, 1));
        QCOMPARE(QString::fromStdString(rows.value("CODICE").toText()), codes.last());
    }
}

// Over enough rows and columns to be read on several threads, with accented capitals, a column the callback
// rewrites and texts that would run from one cell into the next: the rows kept are those one of whose shown
// cells, read one by one, holds the text in any case.
void DataGridTest::theQuickFilterKeepsTheRowsWhoseShownTextHoldsIt()
{
    const char* codes[] = {"ÈSTERO", "Società", "città AB", "CD", "caffè", "A1"};
    db::Recordset rows = db::Recordset::inMemory({{"ID", db::DataType::Integer},
                                                  {"CODICE", db::DataType::Text, 10},
                                                  {"IMPORTO", db::DataType::Decimal, 0, 15, 2},
                                                  {"GRUPPO", db::DataType::Text, 5}});
    for (int id = 1; id <= 3000; ++id) {
        rows.AddNew();
        rows.setValue("ID", id);
        rows.setValue("CODICE", codes[id % 6]);
        rows.setValue("IMPORTO", db::Decimal{std::int64_t(id) * 7919 % 200000 - 50000, 2});
        rows.setValue("GRUPPO", id % 5 ? "X" : "CD");
        rows.Update();
    }
    rows.MoveFirst();
    DataGrid grid;
    layOut(grid);
    grid.setDataFormatter([](const QString&, QString& text, const DataGridRow&) { text = "g:" + text; },
                          {QStringLiteral("GRUPPO")});
    grid.setRecordset(&rows);
    const auto idsHolding = [&](const QString& wanted) {
        QStringList ids;
        for (int row = 0; row < grid.model()->rowCount(); ++row)
            for (int column = 0; column < grid.gridModel()->columnCount(); ++column)
                if (!grid.isColumnHidden(column)
                    && grid.gridModel()->cellText(row, column).toCaseFolded().contains(wanted.toCaseFolded())) {
                    ids << QString::number(rows.valueAt(grid.gridModel()->setRow(row), 0).toDouble());
                    break;
                }
        return ids;
    };
    for (const QString wanted : {"èstero", "SOCIETÀ", "g:cd", "ab-", "ab", "-4", "1,2", "a1", "zz"}) {
        grid.setQuickFilter(wanted);
        QStringList kept;
        for (int row = 0; row < grid.model()->rowCount(); ++row)
            kept << QString::number(rows.valueAt(grid.gridModel()->setRow(row), 0).toDouble());
        grid.setQuickFilter({});
        QCOMPARE(kept, idsHolding(wanted));
    }
    QVERIFY(!idsHolding("èstero").isEmpty() && !idsHolding("g:cd").isEmpty() && idsHolding("ab-").isEmpty());
}

QTEST_MAIN(DataGridTest)
#include "test_datagrid.moc"
