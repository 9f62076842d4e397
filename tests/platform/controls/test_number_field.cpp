// Numbers typed with the accountants' comma, shown in a display format, passed on with a point and no
// exponent; masked fields take whole numbers of their digits only.

#include "FieldTestSupport.h"

#include "controls/NumberField.h"
#include "controls/NumberText.h"

#include <QLineEdit>

using controls::NumberField;

class NumberFieldTest : public QObject {
    Q_OBJECT
private slots:
    void typedNumbersRead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("expected");
        QTest::newRow("comma decimals") << "1234,5" << 1234.5;
        QTest::newRow("points between thousands") << "1.234.567,25" << 1234567.25;
        QTest::newRow("point decimals") << "1234.5" << 1234.5;
        QTest::newRow("many points are thousands") << "1.234.567" << 1234567.0;
        QTest::newRow("negative") << "-0,25" << -0.25;
    }
    void typedNumbersRead()
    {
        QFETCH(QString, typed);
        QFETCH(double, expected);
        QCOMPARE(controls::parseTypedNumber(typed), std::optional<double>(expected));
    }

    void displayFormats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("amount with two decimals") << 1234567.5 << "###,###,###,##0.00" << "1.234.567,50";
        QTest::newRow("bare point: no decimals") << 1234.0 << "###,###,###,##0." << "1.234";
        QTest::newRow("exchange rate") << 1.0856 << "###,##0.000000" << "1,085600";
        QTest::newRow("no thousands separators") << 1234.5 << "0.0" << "1234,5";
    }
    void displayFormats()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(controls::formatNumber(value, pattern), expected);
    }

    // Amounts, quantities and rates, with ties, negative zero and values past a double's decimals: each
    // written as the locale itself writes it, grouped or not.
    void numbersAreWrittenAsTheLocaleWritesThem()
    {
        const double values[] = {0,       -0.0,      0.125,         -0.125,   2.5,          1234567.5, -1234.56,
                                 0.1 + 0.2, 999.995, 1e15 + 0.25,   -1e17,    123456789.123, 0.00001,  -0.004};
        for (const QLocale& locale : {controls::italianNumbers(), QLocale(QLocale::English, QLocale::UnitedKingdom),
                                      QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain)})
            for (double value : values)
                for (int decimals : {0, 2, 6}) {
                    QString expected = locale.toString(value, 'f', decimals);
                    QCOMPARE(controls::formatNumber(value, decimals, true, locale), expected);
                    QCOMPARE(controls::formatNumber(value, decimals, false, locale),
                             expected.remove(locale.groupSeparator()));
                }
        // A stored decimal, at its own scale, reads as its double does, up to and past the digits a double holds.
        const std::int64_t mantissas[] = {0, 5, -5, 123450, -99999, 100, (std::int64_t(1) << 50) - 1,
                                          -(std::int64_t(1) << 50), 123456789012345678};
        for (const QLocale& locale : {controls::italianNumbers(), QLocale(QLocale::English, QLocale::UnitedKingdom)})
            for (std::int64_t mantissa : mantissas)
                for (int scale : {0, 2, 6})
                    for (int decimals : {0, 2, 6}) {
                        const db::Decimal stored{mantissa, scale};
                        QCOMPARE(controls::formatNumber(stored, decimals, true, locale),
                                 locale.toString(stored.toDouble(), 'f', decimals));
                    }
    }

    void numbersArePassedOnInFull_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a small quantity, never 1e-05") << 0.00001 << "0.00001";
        QTest::newRow("a large amount, never 1e+16") << 1e16 << "10000000000000000";
        QTest::newRow("fifteen significant digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("negative") << -1234.5 << "-1234.5";
    }
    void numbersArePassedOnInFull()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(controls::plainNumber(value), expected);
        QCOMPARE(controls::parseTypedNumber(controls::plainNumber(value)), std::optional<double>(expected.toDouble()));
    }

    void aMaskedFieldTakesItsDigitsOnly()
    {
        fieldtest::FieldWindow w;
        auto* year = w.add<NumberField>();
        year->setMask(QStringLiteral("####"));
        QVERIFY(w.show());
        w.type(year, QStringLiteral("20a24,5"));
        QCOMPARE(year->Value(), QStringLiteral("2024"));
        w.type(year, QStringLiteral("024"));
        QCOMPARE(year->Value(), QStringLiteral("024"));
        w.type(year, QStringLiteral("123456"));
        QCOMPARE(year->Value(), QStringLiteral("1234"));
    }

};

QTEST_MAIN(NumberFieldTest)
#include "test_number_field.moc"
