// Dates typed the way accountants type them, and text that is no date read as none.

#include "FieldTestSupport.h"

#include "controls/DateFieldM.h"
#include "controls/ItalianDate.h"

using controls::DateFieldM;

namespace {
const QDate today(2024, 7, 18);
}

class DateFieldTest : public QObject {
    Q_OBJECT
private slots:
    void quickFormsRead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("six digits") << "150324" << QDate(2024, 3, 15);
        QTest::newRow("eight digits") << "15032024" << QDate(2024, 3, 15);
        QTest::newRow("day and month with a slash") << "15/3" << QDate(2024, 3, 15);
        QTest::newRow("day and month as four digits") << "1503" << QDate(2024, 3, 15);
        QTest::newRow("day alone") << "5" << QDate(2024, 7, 5);
        QTest::newRow("full short date") << "01/02/2023" << QDate(2023, 2, 1);
        QTest::newRow("dashes and one-digit parts") << "1-2-23" << QDate(2023, 2, 1);
        QTest::newRow("points") << "29.02.2024" << QDate(2024, 2, 29);
        QTest::newRow("two-digit year from 50") << "311299" << QDate(1999, 12, 31);
        QTest::newRow("two-digit year below 50") << "010149" << QDate(2049, 1, 1);
    }
    void quickFormsRead()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        QCOMPARE(controls::parseItalianDate(typed, today), std::optional<QDate>(expected));
    }

    void textThatIsNoDateReadsNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("31 February") << "31/02/2024";
        QTest::newRow("29 February of a common year") << "290223";
        QTest::newRow("month 13") << "011324";
        QTest::newRow("five digits") << "15032";
        QTest::newRow("three-digit year") << "15/03/202";
        QTest::newRow("letters") << "15/mar/2024";
        QTest::newRow("four parts") << "1/2/3/4";
        QTest::newRow("empty") << "";
    }
    void textThatIsNoDateReadsNothing()
    {
        QFETCH(QString, typed);
        QCOMPARE(controls::parseItalianDate(typed, today), std::nullopt);
    }

};

QTEST_MAIN(DateFieldTest)
#include "test_date_field.moc"
