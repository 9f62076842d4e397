// In-memory sets with appended fields, the way the group tree keeps its key table: AddNew, field values
// converted to the field's type, Update, edits of the current row, and Filter and Sort over what was added.

#include "db/Recordset.h"

#include <QtTest>

Q_DECLARE_METATYPE(db::Value)

namespace {

enum KeyColumn { Conto, Mese, Data, Chiave };

db::Recordset keyTable()
{
    return db::Recordset::inMemory({{"CI13_CONTO_PC03", db::DataType::Text, 15},
                                    {"DATAREGMESE", db::DataType::Decimal, 0, 6, 0},
                                    {"CI12_DATAREG", db::DataType::DateTime},
                                    {"CHIAVE", db::DataType::Decimal, 0, 15, 0, false}});
}

void addNode(db::Recordset& rs, db::Value conto, db::Value mese, int key)
{
    rs.AddNew();
    rs.setValue("CI13_CONTO_PC03", std::move(conto));
    rs.setValue("DATAREGMESE", std::move(mese));
    rs.setValue("CHIAVE", key);
    rs.Update();
}

QList<int> keys(const db::Recordset& rs)
{
    QList<int> out;
    for (long i = 0; i < rs.RecordCount(); ++i)
        out.append(static_cast<int>(rs.valueAt(i, Chiave).asDecimal().mantissa));
    return out;
}

} // namespace

class RecordsetInMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void addedRowBecomesCurrent();
    void pendingRowReadsBackBeforeUpdate();
    void convertsAssignedValues_data();
    void convertsAssignedValues();
    void refusesValuesTheFieldCannotHold_data();
    void refusesValuesTheFieldCannotHold();
    void secondAddNewStoresTheFirstRow();
    void editsTheCurrentRow();
    void movingAwayStoresAnEdit();
    void findsAddedRowsByFilterAndSort();
};

void RecordsetInMemoryTest::addedRowBecomesCurrent()
{
    db::Recordset rs = keyTable();
    addNode(rs, "A", 202401, 1);
    addNode(rs, "B", db::Value::null(), 2);
    QCOMPARE(rs.RecordCount(), 2);
    QCOMPARE(rs.AbsolutePosition(), 2);
    QCOMPARE(rs.value("CI13_CONTO_PC03").asText(), std::string("B"));
    QVERIFY(rs.value("DATAREGMESE").isNull());
    QVERIFY(rs.value("CI12_DATAREG").isNull());
    rs.MoveFirst();
    QCOMPARE(rs.value("DATAREGMESE"), db::Value(db::Decimal{202401, 0}));
}

void RecordsetInMemoryTest::pendingRowReadsBackBeforeUpdate()
{
    db::Recordset rs = keyTable();
    rs.AddNew();
    QVERIFY(!rs.BOF());
    QVERIFY(!rs.EOF_());
    QVERIFY(rs.value(Conto).isNull());
    rs.setValue(Conto, "X");
    QCOMPARE(rs.value(Conto).asText(), std::string("X"));
    QCOMPARE(rs.RecordCount(), 0);
    rs.setValue(Chiave, 1);
    rs.Update();
    QCOMPARE(rs.RecordCount(), 1);
}

void RecordsetInMemoryTest::convertsAssignedValues_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<db::Value>("assigned");
    QTest::addColumn<db::Value>("stored");

    QTest::newRow("text to numeric") << int(Mese) << db::Value("202403") << db::Value(db::Decimal{202403, 0});
    QTest::newRow("negative empty marker") << int(Mese) << db::Value(-1) << db::Value(db::Decimal{-1, 0});
    QTest::newRow("decimal rounded to the field scale")
        << int(Mese) << db::Value(db::Decimal{25, 1}) << db::Value(db::Decimal{3, 0});
    QTest::newRow("text to date")
        << int(Data) << db::Value("2024-01-31") << db::Value(db::DateTime::fromCivil(2024, 1, 31));
    const db::Value zeroDate(db::DateTime::fromCivil(1899, 12, 30));
    QTest::newRow("zero date marker") << int(Data) << zeroDate << zeroDate;
    QTest::newRow("number to text") << int(Conto) << db::Value(db::Decimal{1250, 2}) << db::Value("12.50");
    const db::Value blanks(std::string(15, ' '));
    QTest::newRow("blank text of full width stays blank") << int(Conto) << blanks << blanks;
    QTest::newRow("NULL to a nullable field") << int(Conto) << db::Value::null() << db::Value::null();
}

void RecordsetInMemoryTest::convertsAssignedValues()
{
    QFETCH(int, column);
    QFETCH(db::Value, assigned);
    QFETCH(db::Value, stored);
    db::Recordset rs = keyTable();
    rs.AddNew();
    rs.setValue(column, assigned);
    rs.setValue(Chiave, 1);
    rs.Update();
    QCOMPARE(rs.value(column), stored);
}

void RecordsetInMemoryTest::refusesValuesTheFieldCannotHold_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<db::Value>("before");
    QTest::addColumn<db::Value>("assigned");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("text that is not a number") << int(Mese) << db::Value(db::Decimal{7, 0}) << db::Value("abc")
                                               << "'DATAREGMESE' cannot take the value 'abc'";
    QTest::newRow("text longer than the field") << int(Conto) << db::Value("7") << db::Value(std::string(16, 'x'))
                                                << "longer than the field's size";
    QTest::newRow("text that is not a date") << int(Data) << db::Value(db::DateTime::fromCivil(2024, 1, 31))
                                             << db::Value("31/01/2024") << "not a date";
    QTest::newRow("NULL to a field that refuses it") << int(Chiave) << db::Value(db::Decimal{7, 0}) << db::Value::null()
                                                     << "'CHIAVE' does not accept NULL";
}

// A refused value leaves the pending row as it was.
void RecordsetInMemoryTest::refusesValuesTheFieldCannotHold()
{
    QFETCH(int, column);
    QFETCH(db::Value, before);
    QFETCH(db::Value, assigned);
    QFETCH(QString, messagePart);
    db::Recordset rs = keyTable();
    rs.AddNew();
    rs.setValue(column, before);
    try {
        rs.setValue(column, assigned);
        QFAIL("the value was accepted");
    } catch (const db::Error& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(messagePart), e.what());
    }
    QCOMPARE(rs.value(column), before);
}

void RecordsetInMemoryTest::secondAddNewStoresTheFirstRow()
{
    db::Recordset rs = keyTable();
    rs.AddNew();
    rs.setValue(Chiave, 1);
    rs.AddNew();
    rs.setValue(Chiave, 2);
    rs.Update();
    QCOMPARE(keys(rs), (QList<int>{1, 2}));
}

void RecordsetInMemoryTest::editsTheCurrentRow()
{
    db::Recordset rs = keyTable();
    addNode(rs, "A", 1, 1);
    addNode(rs, "B", 2, 2);
    rs.MoveFirst();
    rs.setValue(Conto, "Z");
    QCOMPARE(rs.valueAt(0, Conto).asText(), std::string("A"));   // stored only by Update
    rs.Update();
    QCOMPARE(rs.valueAt(0, Conto).asText(), std::string("Z"));
    QCOMPARE(rs.valueAt(0, Mese), db::Value(db::Decimal{1, 0}));
    QCOMPARE(rs.RecordCount(), 2);
}

void RecordsetInMemoryTest::movingAwayStoresAnEdit()
{
    db::Recordset rs = keyTable();
    addNode(rs, "A", 1, 1);
    addNode(rs, "B", 2, 2);
    rs.MoveFirst();
    rs.setValue(Mese, 70000);
    rs.MoveNext();
    QCOMPARE(rs.valueAt(0, Mese), db::Value(db::Decimal{70000, 0}));
}

// The look-up of a parent node: the values of the leading levels, NULL below, exactly one row.
void RecordsetInMemoryTest::findsAddedRowsByFilterAndSort()
{
    db::Recordset rs = keyTable();
    addNode(rs, "B", db::Value::null(), 1);
    addNode(rs, "B", 202401, 2);
    addNode(rs, std::string(15, ' '), db::Value::null(), 3);
    addNode(rs, "a", -1, 4);
    rs.Filter("CI13_CONTO_PC03='B' AND DATAREGMESE=NULL");
    QCOMPARE(keys(rs), (QList<int>{1}));
    rs.Filter("CI13_CONTO_PC03='" + std::string(15, ' ') + "'");
    QCOMPARE(keys(rs), (QList<int>{3}));
    rs.Filter("DATAREGMESE=-1");
    QCOMPARE(keys(rs), (QList<int>{4}));
    rs.Filter("");
    rs.Sort("CI13_CONTO_PC03 DESC, DATAREGMESE DESC");
    QCOMPARE(keys(rs), (QList<int>{2, 1, 4, 3}));
    rs.Filter("CI13_CONTO_PC03='b'");
    QCOMPARE(keys(rs), (QList<int>{2, 1}));
}

QTEST_GUILESS_MAIN(RecordsetInMemoryTest)
#include "test_recordset_inmemory.moc"
