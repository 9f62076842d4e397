// A filled query row yields a condition of a fixed shape over its column, whatever the user typed: values
// are literals of the row's kind, and a value that does not fit the row is refused.

#include "controls/QueryCondition.h"

#include <QtTest>

using namespace controls;

Q_DECLARE_METATYPE(controls::ValueKind)

namespace {

QueryRowDefinition rowOf(ValueKind kind, int maxLength = 0, const QString& mask = {})
{
    QueryRowDefinition row;
    row.caption = QStringLiteral("Riga");
    row.column = QStringLiteral("COL");
    row.kind = kind;
    row.maxLength = maxLength;
    row.mask = mask;
    return row;
}

} // namespace

class QueryConditionTest : public QObject {
    Q_OBJECT

private slots:
    void conditionTakesTheShapeOfTheFilledValues_data()
    {
        QTest::addColumn<ValueKind>("kind");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("condition");
        QTest::newRow("nothing") << ValueKind::Text << "" << " " << QStringList{""} << "";
        QTest::newRow("equal bounds") << ValueKind::Code << "01" << "01" << QStringList{} << "COL = '01'";
        QTest::newRow("range") << ValueKind::Number << "100" << "200" << QStringList{} << "COL BETWEEN 100 AND 200";
        QTest::newRow("from only") << ValueKind::Number << "-1,5" << "" << QStringList{} << "COL >= -1.5";
        QTest::newRow("to only") << ValueKind::Date << "" << "29/02/2024" << QStringList{} << "COL <= '20240229'";
        QTest::newRow("list") << ValueKind::Article << "" << "" << QStringList{"A1", " ", "B2 "}
                              << "COL IN ('A1', 'B2')";
        QTest::newRow("embedded quote") << ValueKind::Text << "O'Brien" << "" << QStringList{}
                                        << "COL >= 'O''Brien'";
        QTest::newRow("comment and terminator stay quoted")
            << ValueKind::LedgerAccount << "" << "" << QStringList{"1' --", "2; DELETE FROM X", "'')--"}
            << "COL IN ('1'' --', '2; DELETE FROM X', ''''')--')";
        QTest::newRow("iso date") << ValueKind::Date << "2024-01-31" << "2024-01-31" << QStringList{}
                                  << "COL = '20240131'";
    }

    void conditionTakesTheShapeOfTheFilledValues()
    {
        QFETCH(ValueKind, kind);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, list);
        QFETCH(QString, condition);
        QCOMPARE(queryCondition(rowOf(kind), {from, to, list}), condition);
    }

    void valuesThatDoNotFitTheRowAreRefused_data()
    {
        QTest::addColumn<ValueKind>("kind");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("value");
        QTest::newRow("longer than the row") << ValueKind::Text << 4 << "" << "ABCDE";
        QTest::newRow("letter in a digit mask") << ValueKind::Number << 6 << "#" << "12a";
        QTest::newRow("sign outside a digit mask") << ValueKind::Number << 6 << "#" << "-1";
        QTest::newRow("number with a quote") << ValueKind::Number << 0 << "" << "1' OR 1=1";
        QTest::newRow("number as an expression") << ValueKind::Number << 0 << "" << "1 OR 1=1";
        QTest::newRow("no such date") << ValueKind::Date << 0 << "" << "31/02/2024";
        QTest::newRow("date with text") << ValueKind::Date << 0 << "" << "2024-01-01' --";
    }

    void valuesThatDoNotFitTheRowAreRefused()
    {
        QFETCH(ValueKind, kind);
        QFETCH(int, maxLength);
        QFETCH(QString, mask);
        QFETCH(QString, value);
        QueryRowDefinition row = rowOf(kind, maxLength, mask);
        QVERIFY(valueRefusal(row, value).has_value());
        QVERIFY_THROWS_EXCEPTION(QueryValueError, queryCondition(row, {value, {}, {}}));
        QVERIFY_THROWS_EXCEPTION(QueryValueError, queryCondition(row, {{}, {}, {value}}));
    }

    void aRangeAndAListTogetherAreRefused()
    {
        QVERIFY_THROWS_EXCEPTION(QueryValueError, queryCondition(rowOf(ValueKind::Text), {"A", {}, {"B"}}));
    }
};

QTEST_GUILESS_MAIN(QueryConditionTest)
#include "test_query_condition.moc"
