// Filter in ADO's syntax over a small set whose rows differ in the ways filters must tell apart.

#include "test_recordset_samples.h"

#include <QtTest>

class RecordsetFilterTest : public QObject {
    Q_OBJECT

private slots:
    void selectsRows_data();
    void selectsRows();
    void refusesMalformedFilters_data();
    void refusesMalformedFilters();
    void failedFilterKeepsPreviousRows();
    void emptyFilterShowsAllRows();
    void filterKeepsSortOrder();
};

void RecordsetFilterTest::selectsRows_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("text equality ignores case") << "NAME='ROSSI'" << QList<int>{1, 2};
    QTest::newRow("doubled quote inside a text") << "NAME='O''Brien'" << QList<int>{4};
    QTest::newRow("a text without a value: the empty text finds NULL too") << "NOTE=''" << QList<int>{2, 3, 5};
    QTest::newRow("a text without a value: NULL finds the empty texts too") << "NOTE=NULL" << QList<int>{2, 3, 5};
    QTest::newRow("a text with a value") << "NOTE<>NULL" << QList<int>{1, 4, 6};
    QTest::newRow("text inequality counts NULL as the empty text") << "NAME<>'rossi'" << QList<int>{3, 4, 5, 6};
    QTest::newRow("text ordering, NULL as the empty text") << "NAME<'C'" << QList<int>{3, 5};
    QTest::newRow("text ordering ignores case") << "NAME>='ROSSI'" << QList<int>{1, 2, 6};
    QTest::newRow("accented text ignores case") << "NOTE='CITTÀ'" << QList<int>{6};
    QTest::newRow("LIKE with star") << "NAME LIKE 'R*'" << QList<int>{1, 2};
    QTest::newRow("LIKE with percent") << "NAME LIKE 'r%'" << QList<int>{1, 2};
    QTest::newRow("LIKE with wildcards at both ends") << "NAME LIKE '*ERD*'" << QList<int>{6};
    QTest::newRow("LIKE with leading wildcard") << "NAME like '*chi'" << QList<int>{3};
    QTest::newRow("LIKE without wildcard is equality") << "NAME LIKE 'verdi'" << QList<int>{6};
    QTest::newRow("decimal equality is exact at the field scale") << "AMOUNT=10.5" << QList<int>{1, 6};
    QTest::newRow("decimal finer than the field equals nothing") << "AMOUNT=10.501" << QList<int>{};
    QTest::newRow("decimal finer than the field still orders") << "AMOUNT>10.501" << QList<int>{4};
    QTest::newRow("negative decimal") << "AMOUNT=-3" << QList<int>{2};
    QTest::newRow("decimal against a quoted number") << "AMOUNT>='10.50'" << QList<int>{1, 4, 6};
    QTest::newRow("decimal NULL") << "AMOUNT=NULL" << QList<int>{5};
    QTest::newRow("zero decimal is not NULL") << "AMOUNT=0" << QList<int>{3};
    QTest::newRow("integer equality") << "ID=3" << QList<int>{3};
    QTest::newRow("integer ordering") << "ID<=2" << QList<int>{1, 2};
    QTest::newRow("integer against a whole decimal literal") << "ID=3.00" << QList<int>{3};
    QTest::newRow("integer against a fractional literal") << "ID=2.5" << QList<int>{};
    QTest::newRow("integer above a fractional literal") << "ID>2.5" << QList<int>{3, 4, 5, 6};
    QTest::newRow("float equality") << "RATE=1.5" << QList<int>{1, 6};
    QTest::newRow("float zero is not NULL") << "RATE=0" << QList<int>{2};
    QTest::newRow("negative float") << "RATE<0" << QList<int>{5};
    QTest::newRow("date between hashes") << "DAY=#2024-01-31#" << QList<int>{1};
    QTest::newRow("date in quotes") << "DAY='2024-01-31'" << QList<int>{1};
    QTest::newRow("date with a time") << "DAY='2024-01-31 10:30:00'" << QList<int>{4};
    QTest::newRow("date ordering sees the time") << "DAY>='2024-01-31 10:00:00'" << QList<int>{2, 4, 6};
    QTest::newRow("date before") << "DAY<#2024-01-01#" << QList<int>{5};
    QTest::newRow("bit true") << "FLAG=1" << QList<int>{1, 3, 6};
    QTest::newRow("bit false") << "FLAG=0" << QList<int>{2, 4};
    QTest::newRow("AND binds tighter than OR") << "NAME='Rossi' OR NAME='Verdi' AND FLAG=0" << QList<int>{1, 2};
    QTest::newRow("parentheses group an OR") << "(NAME='Rossi' OR NAME='Verdi') AND FLAG=1" << QList<int>{1, 6};
    QTest::newRow("nested parentheses") << "((ID=1) OR (ID=2 AND (FLAG=0)))" << QList<int>{1, 2};
    QTest::newRow("ADO's OR of AND groups") << "(NAME='rossi' AND FLAG=0) OR (ID=4 AND FLAG=0)" << QList<int>{2, 4};
    QTest::newRow("bracketed field name") << "[name]='Bianchi'" << QList<int>{3};
    QTest::newRow("keywords and fields ignore case") << "id >= 4 and note like 'n*'" << QList<int>{4};
    QTest::newRow("blanks around the parts") << "  ID =  1  " << QList<int>{1};
    QTest::newRow("number against a text field") << "NOTE<>NULL AND ID=1 AND NAME<>5" << QList<int>{1};
}

void RecordsetFilterTest::selectsRows()
{
    QFETCH(QString, filter);
    QFETCH(QList<int>, expected);
    db::Recordset rs = samples::sample();
    rs.Filter(filter.toStdString());
    QCOMPARE(samples::ids(rs), expected);
    QCOMPARE(rs.RecordCount(), expected.size());
    QCOMPARE(QString::fromStdString(rs.filter()), filter);
}

void RecordsetFilterTest::refusesMalformedFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("unknown field") << "NOPE=1" << "unknown field 'NOPE' at position 1";
    QTest::newRow("missing value") << "ID=" << "expected a value";
    QTest::newRow("missing operator") << "ID 1" << "expected a comparison operator, found '1' at position 4";
    QTest::newRow("unclosed quote") << "NAME='abc" << "closing quote";
    QTest::newRow("unclosed parenthesis") << "(ID=1" << "expected ')'";
    QTest::newRow("two clauses without AND") << "ID=1 ID=2" << "expected AND, OR or the end";
    QTest::newRow("dangling AND") << "ID=1 AND" << "expected a field name, found the end";
    QTest::newRow("text that is not a number") << "AMOUNT='abc'" << "'abc' is not a number";
    QTest::newRow("text that is not a date") << "DAY='yesterday'" << "is not a date";
    QTest::newRow("number against a date") << "DAY=20240131" << "is not a date";
    QTest::newRow("LIKE on a number field") << "ID LIKE '1*'" << "LIKE needs a text field";
    QTest::newRow("NULL with an ordering") << "ID<NULL" << "NULL can only be compared with = or <>";
    QTest::newRow("unexpected character") << "ID=1 & ID=2" << "unexpected character '&' at position 6";
    QTest::newRow("unclosed bracket") << "[NAME='x'" << "closing ']'";
    QTest::newRow("malformed number") << "ID=1.2.3" << "malformed number";
    QTest::newRow("keyword as field") << "AND=1" << "expected a field name";
}

void RecordsetFilterTest::refusesMalformedFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, messagePart);
    db::Recordset rs = samples::sample();
    try {
        rs.Filter(filter.toStdString());
        QFAIL("the filter was accepted");
    } catch (const db::Error& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(messagePart), e.what());
    }
}

void RecordsetFilterTest::failedFilterKeepsPreviousRows()
{
    db::Recordset rs = samples::sample();
    rs.Filter("FLAG=1");
    rs.MoveNext();
    QVERIFY_THROWS_EXCEPTION(db::Error, rs.Filter("AMOUNT='x'"));
    QCOMPARE(QString::fromStdString(rs.filter()), QString("FLAG=1"));
    QCOMPARE(samples::ids(rs), (QList<int>{1, 3, 6}));
    QCOMPARE(rs.value("ID").asInt(), 3);
}

void RecordsetFilterTest::emptyFilterShowsAllRows()
{
    db::Recordset rs = samples::sample();
    rs.Filter("ID=2");
    rs.Filter("");
    QCOMPARE(samples::ids(rs), (QList<int>{1, 2, 3, 4, 5, 6}));
    QVERIFY(rs.filter().empty());
    QCOMPARE(rs.AbsolutePosition(), 1);
}

void RecordsetFilterTest::filterKeepsSortOrder()
{
    db::Recordset rs = samples::sample();
    rs.Sort("AMOUNT DESC");
    rs.Filter("FLAG<>NULL");
    QCOMPARE(samples::ids(rs), (QList<int>{4, 1, 6, 3, 2}));
    QCOMPARE(rs.value("ID").asInt(), 4);
}

QTEST_GUILESS_MAIN(RecordsetFilterTest)
#include "test_recordset_filter.moc"
