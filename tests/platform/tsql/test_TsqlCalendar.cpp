// The date rules the runtime functions apply: SQL Server's DATEPART, DATEDIFF and DATEADD with
// DATEFIRST 7, and date texts in and out.
#include "tsql/DateTime.h"

#include <QtTest>

class TsqlCalendar : public QObject {
    Q_OBJECT

private:
    static tsql::DateTime date(const char* text)
    {
        auto value = tsql::parseDateTime(text);
        if (!value)
            throw std::runtime_error(std::string("not a date: ") + text);
        return *value;
    }

private slots:
    void readsDateTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("eight digits") << "20240229" << "2024-02-29 00:00:00";
        QTest::newRow("dashed") << "2024-02-29" << "2024-02-29 00:00:00";
        QTest::newRow("with time") << "20240229 13:45" << "2024-02-29 13:45:00";
        QTest::newRow("storage form") << "2024-02-29 13:45:10" << "2024-02-29 13:45:10";
        QTest::newRow("milliseconds dropped") << "2024-02-29T13:45:10.997" << "2024-02-29 13:45:10";
        QTest::newRow("trailing blanks") << "17530101  " << "1753-01-01 00:00:00";
        QTest::newRow("last day") << "99991231" << "9999-12-31 00:00:00";
        QTest::newRow("no leap day in 2023") << "20230229" << "";
        QTest::newRow("month 13") << "20241301" << "";
        QTest::newRow("hour 24") << "20240101 24:00" << "";
        QTest::newRow("words") << "yesterday" << "";
        QTest::newRow("empty") << "" << "";
    }

    void readsDateTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        auto value = tsql::parseDateTime(text.toStdString());
        QCOMPARE(value ? QString::fromStdString(tsql::formatDateTime(*value)) : QString(), stored);
    }

    void dateParts_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("expected");
        QTest::newRow("week of the last Sunday of 2023") << "week" << "20231231" << 53LL;
        QTest::newRow("week of New Year 2024") << "wk" << "20240101" << 1LL;
        QTest::newRow("week starts on Sunday") << "ww" << "20240107" << 2LL;
        QTest::newRow("Saturday before stays in week 1") << "week" << "20240106" << 1LL;
        QTest::newRow("week 1 of a year starting on Saturday") << "week" << "20220101" << 1LL;
        QTest::newRow("its next day is week 2") << "week" << "20220102" << 2LL;
        QTest::newRow("weekday of a Sunday") << "dw" << "20240107" << 1LL;
        QTest::newRow("weekday of a Wednesday") << "weekday" << "20240110" << 4LL;
        QTest::newRow("quarter") << "q" << "20241001" << 4LL;
        QTest::newRow("day of year in a leap year") << "dy" << "20241231" << 366LL;
        QTest::newRow("year") << "yyyy" << "19991231" << 1999LL;
        QTest::newRow("minute") << "mi" << "20240101 10:59:30" << 59LL;
    }

    void dateParts()
    {
        QFETCH(QString, part);
        QFETCH(QString, text);
        QFETCH(qlonglong, expected);
        auto datePart = tsql::datePartFromName(part.toStdString());
        QVERIFY(datePart);
        QCOMPARE(tsql::datePart(*datePart, date(text.toUtf8().constData())), expected);
    }

    void dateDifferences_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<qlonglong>("expected");
        QTest::newRow("days of a competence range") << "dd" << "20240115" << "20240214" << 30LL;
        QTest::newRow("days backwards") << "day" << "20240214" << "20240115" << -30LL;
        QTest::newRow("month boundary crossed in one day") << "mm" << "20231231" << "20240101" << 1LL;
        QTest::newRow("year boundary crossed in one day") << "yy" << "20231231" << "20240101" << 1LL;
        QTest::newRow("Saturday to Sunday crosses a week") << "wk" << "20240106" << "20240107" << 1LL;
        QTest::newRow("Sunday to Saturday stays in the week") << "wk" << "20240107" << "20240113" << 0LL;
        QTest::newRow("quarters") << "qq" << "20240331" << "20240401" << 1LL;
        QTest::newRow("hours") << "hh" << "20240101 23:59" << "20240102 00:00" << 1LL;
    }

    void dateDifferences()
    {
        QFETCH(QString, part);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(qlonglong, expected);
        auto datePart = tsql::datePartFromName(part.toStdString());
        QVERIFY(datePart);
        QCOMPARE(tsql::dateDiff(*datePart, date(from.toUtf8().constData()), date(to.toUtf8().constData())), expected);
    }

    void dateAdditions_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<int>("amount");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("month after 31 January in a leap year") << "mm" << 1 << "20240131" << "2024-02-29 00:00:00";
        QTest::newRow("day before the first of March") << "dd" << -1 << "20240301" << "2024-02-29 00:00:00";
        QTest::newRow("month 13 rolls into January") << "month" << 1 << "20241215" << "2025-01-15 00:00:00";
        QTest::newRow("months backwards across a year") << "mm" << -13 << "20240115" << "2022-12-15 00:00:00";
        QTest::newRow("a year from a leap day") << "yy" << 1 << "20240229" << "2025-02-28 00:00:00";
        QTest::newRow("hours past midnight") << "hh" << 3 << "20240101 22:30" << "2024-01-02 01:30:00";
        QTest::newRow("weeks") << "wk" << 2 << "20240101" << "2024-01-15 00:00:00";
    }

    void dateAdditions()
    {
        QFETCH(QString, part);
        QFETCH(int, amount);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        auto datePart = tsql::datePartFromName(part.toStdString());
        QVERIFY(datePart);
        QCOMPARE(QString::fromStdString(tsql::formatDateTime(tsql::dateAdd(*datePart, amount, date(text.toUtf8().constData())))),
                 expected);
    }

    void numbersAsDays()
    {
        QCOMPARE(tsql::formatDateTime(tsql::dateTimeFromDays1900(0)), std::string("1900-01-01 00:00:00"));
        QCOMPARE(tsql::formatDateTime(tsql::dateTimeFromDays1900(45290.5)), std::string("2024-01-01 12:00:00"));
    }
};

QTEST_GUILESS_MAIN(TsqlCalendar)
#include "test_TsqlCalendar.moc"
