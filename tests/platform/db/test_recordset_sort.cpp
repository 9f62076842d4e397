// Sort in ADO's syntax: stable, NULLs first when ascending and last when descending (a NULL text among the
// empty texts), texts as the company database's collation orders them, numbers and dates by value.

#include "test_recordset_samples.h"

#include <QtTest>

namespace {

// Rows whose group codes repeat, vary in case and include NULL and the empty text, in load order 1..8.
db::Recordset groups()
{
    db::RecordsetBuilder b(
        {{"ID", db::DataType::Integer}, {"GRP", db::DataType::Text}, {"QTY", db::DataType::Decimal, 0, 9, 3}});
    struct Row { int id; const char* grp; std::optional<std::int64_t> qty; };
    for (const Row& r : {Row{1, "b", 1000}, Row{2, "A", -2500}, Row{3, nullptr, 0}, Row{4, "a", std::nullopt},
                         Row{5, "", 1000}, Row{6, "B", 3}, Row{7, nullptr, -1}, Row{8, "a", 1000}}) {
        b.appendInt(0, r.id);
        r.grp ? b.appendText(1, r.grp) : b.appendNull(1);
        r.qty ? b.appendDecimal(2, *r.qty) : b.appendNull(2);
        b.endRow();
    }
    return b.finish();
}

} // namespace

class RecordsetSortTest : public QObject {
    Q_OBJECT

private slots:
    void ordersRows_data();
    void ordersRows();
    void ordersEveryType_data();
    void ordersEveryType();
    void refusesMalformedSorts_data();
    void refusesMalformedSorts();
    void emptySortRestoresLoadOrder();
    void sortMovesToFirstRowAndKeepsFilter();
};

void RecordsetSortTest::ordersRows_data()
{
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("ascending: NULLs with the empty text, then case-insensitive and stable")
        << "GRP" << QList<int>{3, 5, 7, 2, 4, 8, 1, 6};
    QTest::newRow("explicit ASC") << "GRP ASC" << QList<int>{3, 5, 7, 2, 4, 8, 1, 6};
    QTest::newRow("descending keeps ties in load order and NULLs last")
        << "GRP DESC" << QList<int>{1, 6, 2, 4, 8, 3, 5, 7};
    QTest::newRow("second key breaks ties") << "GRP, QTY DESC" << QList<int>{5, 3, 7, 8, 2, 4, 1, 6};
    QTest::newRow("decimal ascending with NULL first") << "QTY" << QList<int>{4, 2, 7, 3, 6, 1, 5, 8};
    QTest::newRow("decimal descending with NULL last") << "QTY DESC" << QList<int>{1, 5, 8, 6, 3, 7, 2, 4};
    QTest::newRow("bracketed names and keywords in any case") << "[grp] desc , id Desc" << QList<int>{6, 1, 8, 4, 2, 7, 5, 3};
}

void RecordsetSortTest::ordersRows()
{
    QFETCH(QString, sort);
    QFETCH(QList<int>, expected);
    db::Recordset rs = groups();
    rs.Sort(sort.toStdString());
    QCOMPARE(samples::ids(rs), expected);
    QCOMPARE(QString::fromStdString(rs.sort()), sort);
}

void RecordsetSortTest::ordersEveryType_data()
{
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("float") << "RATE" << QList<int>{3, 5, 2, 1, 6, 4};
    QTest::newRow("date and time") << "DAY" << QList<int>{3, 5, 1, 4, 2, 6};
    QTest::newRow("date descending") << "DAY DESC" << QList<int>{6, 2, 4, 1, 5, 3};
    QTest::newRow("bit") << "FLAG" << QList<int>{5, 2, 4, 1, 3, 6};
    QTest::newRow("integer descending") << "ID DESC" << QList<int>{6, 5, 4, 3, 2, 1};
    QTest::newRow("accented text, a NULL among the empty texts") << "NOTE" << QList<int>{2, 3, 5, 1, 6, 4};
}

void RecordsetSortTest::ordersEveryType()
{
    QFETCH(QString, sort);
    QFETCH(QList<int>, expected);
    db::Recordset rs = samples::sample();
    rs.Sort(sort.toStdString());
    QCOMPARE(samples::ids(rs), expected);
}

void RecordsetSortTest::refusesMalformedSorts_data()
{
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("unknown field") << "NOPE" << "unknown field, found 'NOPE' at position 1";
    QTest::newRow("unknown direction") << "GRP UP" << "expected ','";
    QTest::newRow("empty key") << "GRP,,ID" << "expected a field name, found ','";
    QTest::newRow("leading comma") << ", GRP" << "expected a field name";
    QTest::newRow("trailing comma") << "GRP," << "found the end";
    QTest::newRow("a value instead of a field") << "'GRP'" << "expected a field name";
}

void RecordsetSortTest::refusesMalformedSorts()
{
    QFETCH(QString, sort);
    QFETCH(QString, messagePart);
    db::Recordset rs = groups();
    rs.Sort("ID DESC");
    try {
        rs.Sort(sort.toStdString());
        QFAIL("the sort was accepted");
    } catch (const db::Error& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(messagePart), e.what());
    }
    QCOMPARE(samples::ids(rs).first(), 8);
}

void RecordsetSortTest::emptySortRestoresLoadOrder()
{
    db::Recordset rs = groups();
    rs.Sort("GRP DESC");
    rs.Sort("");
    QCOMPARE(samples::ids(rs), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    QVERIFY(rs.sort().empty());
}

void RecordsetSortTest::sortMovesToFirstRowAndKeepsFilter()
{
    db::Recordset rs = groups();
    rs.Filter("GRP='a'");
    rs.MoveLast();
    rs.Sort("QTY DESC");
    QCOMPARE(samples::ids(rs), (QList<int>{8, 2, 4}));
    QCOMPARE(rs.AbsolutePosition(), 1);
    QCOMPARE(rs.value("ID").asInt(), 8);
}

QTEST_GUILESS_MAIN(RecordsetSortTest)
#include "test_recordset_sort.moc"
