// The cursor (BOF, EOF, moves, positions), MoveComplete, clones, fields and the closed state.

#include "test_recordset_samples.h"

#include <QtTest>

#include <functional>

class RecordsetCursorTest : public QObject {
    Q_OBJECT

private slots:
    void emptySetIsAtBothEnds();
    void walksForwardAndBack();
    void movingPastTheEndsIsAnError();
    void absolutePositionFollowsTheCursor();
    void notifiesEveryMove_data();
    void notifiesEveryMove();
    void cloneHasItsOwnCursorFilterAndSort();
    void cloneSharesTheRows();
    void cloneReappliesTheGroupOfItsOriginal();
    void findsFieldsWithoutRegardToCase();
    void keepsNullApartFromEmptyText();
    void closedSetRefusesWork();
};

void RecordsetCursorTest::emptySetIsAtBothEnds()
{
    db::Recordset rs = db::Recordset::inMemory(samples::sampleFields());
    QVERIFY(rs.BOF());
    QVERIFY(rs.EOF_());
    QCOMPARE(rs.RecordCount(), 0);
    rs.MoveFirst();
    rs.MoveLast();
    QVERIFY(rs.BOF() && rs.EOF_());
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.value("ID"));
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.MoveNext());
}

void RecordsetCursorTest::walksForwardAndBack()
{
    db::Recordset rs = samples::sample();
    QList<int> forward;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        forward.append(static_cast<int>(rs.value(samples::Id).asInt()));
    QCOMPARE(forward, (QList<int>{1, 2, 3, 4, 5, 6}));
    QList<int> backward;
    for (rs.MoveLast(); !rs.BOF(); rs.MovePrevious())
        backward.append(static_cast<int>(rs.value(samples::Id).asInt()));
    QCOMPARE(backward, (QList<int>{6, 5, 4, 3, 2, 1}));
}

void RecordsetCursorTest::movingPastTheEndsIsAnError()
{
    db::Recordset rs = samples::sample();
    rs.MoveLast();
    rs.MoveNext();
    QVERIFY(rs.EOF_());
    QVERIFY(!rs.BOF());
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.MoveNext());
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.value("ID"));
    rs.MovePrevious();
    QCOMPARE(rs.value("ID").asInt(), 6);
    rs.MoveFirst();
    rs.MovePrevious();
    QVERIFY(rs.BOF());
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.MovePrevious());
}

void RecordsetCursorTest::absolutePositionFollowsTheCursor()
{
    db::Recordset rs = samples::sample();
    QCOMPARE(rs.AbsolutePosition(), 1);
    rs.setAbsolutePosition(4);
    QCOMPARE(rs.value("NAME").asText(), std::string("O'Brien"));
    rs.MoveLast();
    QCOMPARE(rs.AbsolutePosition(), 6);
    rs.MoveNext();
    QCOMPARE(rs.AbsolutePosition(), db::Recordset::PositionEOF);
    rs.MoveFirst();
    rs.MovePrevious();
    QCOMPARE(rs.AbsolutePosition(), db::Recordset::PositionBOF);
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.setAbsolutePosition(0));
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.setAbsolutePosition(7));
    rs.Filter("ID=99");
    QCOMPARE(rs.AbsolutePosition(), db::Recordset::PositionUnknown);
}

void RecordsetCursorTest::notifiesEveryMove_data()
{
    QTest::addColumn<std::function<void(db::Recordset&)>>("operation");
    QTest::addColumn<int>("notifications");

    using Op = std::function<void(db::Recordset&)>;
    QTest::newRow("MoveNext") << Op([](db::Recordset& rs) { rs.MoveNext(); }) << 1;
    QTest::newRow("MoveFirst on the first row") << Op([](db::Recordset& rs) { rs.MoveFirst(); }) << 1;
    QTest::newRow("walk to EOF") << Op([](db::Recordset& rs) { while (!rs.EOF_()) rs.MoveNext(); }) << 6;
    QTest::newRow("MoveLast then MovePrevious") << Op([](db::Recordset& rs) { rs.MoveLast(); rs.MovePrevious(); }) << 2;
    QTest::newRow("AbsolutePosition") << Op([](db::Recordset& rs) { rs.setAbsolutePosition(3); }) << 1;
    QTest::newRow("Filter") << Op([](db::Recordset& rs) { rs.Filter("FLAG=1"); }) << 1;
    QTest::newRow("Sort") << Op([](db::Recordset& rs) { rs.Sort("NAME"); }) << 1;
    QTest::newRow("refused Filter") << Op([](db::Recordset& rs) {
        QVERIFY_THROWS_EXCEPTION(db::Error, rs.Filter("NOPE=1"));
    }) << 0;
    QTest::newRow("refused move") << Op([](db::Recordset& rs) {
        rs.MoveFirst();
        rs.MovePrevious();
        QVERIFY_THROWS_EXCEPTION(db::Error, rs.MovePrevious());
    }) << 2;
    QTest::newRow("reading values") << Op([](db::Recordset& rs) { rs.value("ID"); rs.valueAt(3, 1); }) << 0;
    QTest::newRow("Clone") << Op([](db::Recordset& rs) { db::Recordset c = rs.Clone(); c.MoveNext(); }) << 0;
}

void RecordsetCursorTest::notifiesEveryMove()
{
    QFETCH(std::function<void(db::Recordset&)>, operation);
    QFETCH(int, notifications);
    db::Recordset rs = samples::sample();
    int seen = 0;
    rs.setMoveCompleteHandler([&] { ++seen; });
    operation(rs);
    QCOMPARE(seen, notifications);
}

void RecordsetCursorTest::cloneHasItsOwnCursorFilterAndSort()
{
    db::Recordset original = samples::sample();
    original.Sort("ID DESC");
    original.Filter("FLAG=1");
    original.MoveNext();
    db::Recordset clone = original.Clone();
    QVERIFY(clone.filter().empty());
    QVERIFY(clone.sort().empty());
    QCOMPARE(samples::ids(clone), (QList<int>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(clone.AbsolutePosition(), 1);

    clone.Filter("FLAG=0");
    clone.MoveLast();
    QCOMPARE(samples::ids(original), (QList<int>{6, 3, 1}));
    QCOMPARE(original.value("ID").asInt(), 3);
    QCOMPARE(clone.value("ID").asInt(), 4);
}

void RecordsetCursorTest::cloneSharesTheRows()
{
    db::Recordset original = db::Recordset::inMemory(samples::sampleFields());
    db::Recordset clone = original.Clone();
    original.AddNew();
    original.setValue("ID", 7);
    original.Update();
    QCOMPARE(clone.RecordCount(), 0);   // a clone's view is fixed until its next Filter or Sort
    clone.Filter("");
    QCOMPARE(samples::ids(clone), (QList<int>{7}));
    clone.setValue("NAME", "edited in the clone");
    clone.Update();
    QCOMPARE(original.value("NAME").asText(), std::string("edited in the clone"));
    QCOMPARE(original.dataBytes(), clone.dataBytes());
}

void RecordsetCursorTest::cloneReappliesTheGroupOfItsOriginal()
{
    db::Recordset original = samples::sample();
    original.Sort("FLAG, NAME");
    original.Filter("FLAG=1");
    db::Recordset clone = original.Clone();
    clone.Sort(original.sort());
    clone.Filter(original.filter());
    QCOMPARE(samples::ids(clone), samples::ids(original));
    QCOMPARE(samples::ids(clone), (QList<int>{3, 1, 6}));
}

void RecordsetCursorTest::findsFieldsWithoutRegardToCase()
{
    db::Recordset rs = samples::sample();
    QCOMPARE(rs.fieldCount(), 7);
    QCOMPARE(rs.fieldIndex("amount"), int(samples::Amount));
    QCOMPARE(rs.fieldIndex("Note"), int(samples::Note));
    QCOMPARE(rs.fieldIndex("MISSING"), -1);
    QCOMPARE(rs.field(samples::Name).definedSize, 20);
    QCOMPARE(rs.field(samples::Amount).scale, 2);
    QCOMPARE(rs.value("amount").asDecimal().toString(), std::string("10.50"));
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.value("MISSING"));
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.field(7));
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.valueAt(6, 0));
    QVERIFY_THROWS_EXCEPTION(db::Error, db::Recordset::inMemory({{"A"}, {"a"}}));
}

void RecordsetCursorTest::keepsNullApartFromEmptyText()
{
    db::Recordset rs = samples::sample();
    QVERIFY(rs.valueAt(2, samples::Note).isNull());
    QVERIFY(rs.valueAt(1, samples::Note).isText());
    QCOMPARE(rs.valueAt(1, samples::Note).asText(), std::string());
    QVERIFY(rs.valueAt(4, samples::Amount).isNull());
    QCOMPARE(rs.valueAt(2, samples::Amount), db::Value(db::Decimal{0, 2}));
    QCOMPARE(rs.valueAt(3, samples::Day), db::Value(db::DateTime::fromCivil(2024, 1, 31, 10, 30)));
    QCOMPARE(rs.valueAt(1, samples::Flag), db::Value(false));
    QCOMPARE(rs.valueAt(4, samples::Rate), db::Value(-1.0));
}

void RecordsetCursorTest::closedSetRefusesWork()
{
    db::Recordset never;
    QVERIFY(!never.isOpen());
    QVERIFY_THROWS_EXCEPTION(db::Error, never.RecordCount());
    QVERIFY_THROWS_EXCEPTION(db::Error, never.Clone());
    db::Recordset rs = samples::sample();
    QVERIFY(rs.isOpen());
    rs.Close();
    QVERIFY(!rs.isOpen());
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.Filter("ID=1"));
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.MoveFirst());
}

QTEST_GUILESS_MAIN(RecordsetCursorTest)
#include "test_recordset_cursor.moc"
