// Filling a record set column by column, as the connection does when it reads a statement's rows back:
// values converted to the field's type, every value of every width read back unchanged, and the
// one-value-per-column-per-row rule enforced.

#include "db/RecordsetBuilder.h"

#include <QtTest>

Q_DECLARE_METATYPE(db::Value)
Q_DECLARE_METATYPE(db::FieldInfo)

namespace {

using Append = std::function<void(db::RecordsetBuilder&)>;

db::Value onlyValue(const db::FieldInfo& field, const Append& append)
{
    db::RecordsetBuilder b({field});
    append(b);
    b.endRow();
    db::Recordset rs = b.finish();
    return rs.value(0);
}

} // namespace

class RecordsetBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void convertsToTheFieldType_data();
    void convertsToTheFieldType();
    void refusesUnconvertibleValues();
    void readsBackValuesOfEveryWidth();
    void readsBackManyDistinctTexts();
    void enforcesOneValuePerColumnPerRow();
    void isSpentAfterFinish();
};

void RecordsetBuilderTest::convertsToTheFieldType_data()
{
    QTest::addColumn<db::FieldInfo>("field");
    QTest::addColumn<Append>("append");
    QTest::addColumn<db::Value>("stored");

    const db::FieldInfo amount{"IMPORTO", db::DataType::Decimal, 0, 19, 2};
    QTest::newRow("decimal at the field scale") << amount << Append([](auto& b) { b.appendDecimal(0, -1234); })
                                                << db::Value(db::Decimal{-1234, 2});
    QTest::newRow("integer into a decimal") << amount << Append([](auto& b) { b.appendInt(0, 7); })
                                            << db::Value(db::Decimal{700, 2});
    QTest::newRow("double into a decimal") << amount << Append([](auto& b) { b.appendDouble(0, 0.1); })
                                           << db::Value(db::Decimal{10, 2});
    QTest::newRow("text into a decimal") << amount << Append([](auto& b) { b.appendText(0, "12.345"); })
                                         << db::Value(db::Decimal{1235, 2});
    QTest::newRow("text into a date") << db::FieldInfo{"DATA", db::DataType::DateTime}
                                      << Append([](auto& b) { b.appendText(0, "2024-02-29 23:59:59"); })
                                      << db::Value(db::DateTime::fromCivil(2024, 2, 29, 23, 59, 59));
    QTest::newRow("date before 1970") << db::FieldInfo{"DATA", db::DataType::DateTime}
                                      << Append([](auto& b) { b.appendDateTime(0, db::DateTime::fromCivil(1899, 12, 30, 6)); })
                                      << db::Value(db::DateTime::fromCivil(1899, 12, 30, 6));
    QTest::newRow("integer into a bit") << db::FieldInfo{"FLAG", db::DataType::Bit}
                                        << Append([](auto& b) { b.appendInt(0, 2); }) << db::Value(true);
    QTest::newRow("integer into a text") << db::FieldInfo{"CODICE", db::DataType::Text}
                                         << Append([](auto& b) { b.appendInt(0, 42); }) << db::Value("42");
    QTest::newRow("integer into a float") << db::FieldInfo{"CAMBIO", db::DataType::Float}
                                          << Append([](auto& b) { b.appendInt(0, 3); }) << db::Value(3.0);
    QTest::newRow("empty text") << db::FieldInfo{"NOTE", db::DataType::Text}
                                << Append([](auto& b) { b.appendText(0, ""); }) << db::Value("");
    QTest::newRow("NULL") << db::FieldInfo{"NOTE", db::DataType::Text}
                          << Append([](auto& b) { b.appendNull(0); }) << db::Value();
}

void RecordsetBuilderTest::convertsToTheFieldType()
{
    QFETCH(db::FieldInfo, field);
    QFETCH(Append, append);
    QFETCH(db::Value, stored);
    QCOMPARE(onlyValue(field, append), stored);
}

void RecordsetBuilderTest::refusesUnconvertibleValues()
{
    db::RecordsetBuilder b({{"NUMDOC", db::DataType::Integer}});
    try {
        b.appendText(0, "A12");
        QFAIL("the text was accepted");
    } catch (const db::Error& e) {
        QVERIFY2(QString(e.what()).contains("Field 'NUMDOC' cannot take the value 'A12'"), e.what());
    }
}

// Values that force every storage width, including the widening of values stored before them.
void RecordsetBuilderTest::readsBackValuesOfEveryWidth()
{
    const std::vector<std::int64_t> values = {0, 1, -128, 300, 0, -70000, 5'000'000'000, INT64_MIN, INT64_MAX, 0};
    db::RecordsetBuilder b({{"N", db::DataType::Integer}, {"F", db::DataType::Float}});
    for (std::int64_t v : values) {
        b.appendInt(0, v);
        b.appendDouble(1, static_cast<double>(v) / 3);
        b.endRow();
    }
    db::Recordset rs = b.finish();
    for (std::size_t i = 0; i < values.size(); ++i) {
        QCOMPARE(rs.valueAt(long(i), 0).asInt(), values[i]);
        QCOMPARE(rs.valueAt(long(i), 1).asDouble(), static_cast<double>(values[i]) / 3);
    }
}

void RecordsetBuilderTest::readsBackManyDistinctTexts()
{
    db::RecordsetBuilder b({{"DESCR", db::DataType::Text}});
    for (int i = 0; i < 20000; ++i) {
        b.appendText(0, "Descrizione " + std::to_string(i % 7000));
        b.endRow();
    }
    db::Recordset rs = b.finish();
    for (long i : {0L, 6999L, 7000L, 13999L, 19999L})
        QCOMPARE(rs.valueAt(i, 0).asText(), "Descrizione " + std::to_string(i % 7000));
    rs.Filter("DESCR='descrizione 6999'");
    QCOMPARE(rs.RecordCount(), 2);
}

void RecordsetBuilderTest::enforcesOneValuePerColumnPerRow()
{
    db::RecordsetBuilder b({{"A", db::DataType::Integer}, {"B", db::DataType::Integer}});
    b.appendInt(0, 1);
    QVERIFY_THROWS_EXCEPTION(db::Error, b.appendInt(0, 2));
    QVERIFY_THROWS_EXCEPTION(db::Error, b.endRow());
    QVERIFY_THROWS_EXCEPTION(db::Error, b.appendInt(2, 1));
    QVERIFY_THROWS_EXCEPTION(db::Error, b.finish());
    b.appendInt(1, 2);
    b.endRow();
    QCOMPARE(b.finish().RecordCount(), 1);
}

void RecordsetBuilderTest::isSpentAfterFinish()
{
    db::RecordsetBuilder b({{"A", db::DataType::Integer}});
    db::Recordset rs = b.finish();
    QVERIFY(rs.isOpen());
    QCOMPARE(rs.RecordCount(), 0);
    QVERIFY_THROWS_EXCEPTION(db::Error, b.appendInt(0, 1));
    QVERIFY_THROWS_EXCEPTION(db::Error, b.finish());
}

QTEST_GUILESS_MAIN(RecordsetBuilderTest)
#include "test_recordset_builder.moc"
