// Numbers typed with the accountants' comma, shown in the field's display format once left, passed on
// with a point; masked fields take whole numbers of their digits only.

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

    void leavingShowsTheFormatAndTheValueKeepsThePoint()
    {
        fieldtest::FieldWindow w;
        auto* field = w.add<NumberField>();
        field->setDigits(11);
        field->setFormat(QStringLiteral("###,###,###,##0.00"));
        QVERIFY(w.show());
        w.type(field, QStringLiteral("1234,5"));
        QCOMPARE(field->lineEdit()->text(), QStringLiteral("1.234,50"));
        QCOMPARE(field->Value(), QStringLiteral("1234.5"));
        w.enter(field);
        QCOMPARE(field->lineEdit()->text(), QStringLiteral("1234,5"));
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

    void theFormatIsAProperty()
    {
        NumberField field;
        field.setProperty("Format", QStringLiteral("###,##0.0"));
        field.setValue(QStringLiteral("1500"));
        QCOMPARE(field.format(), QStringLiteral("###,##0.0"));
        QCOMPARE(field.lineEdit()->text(), QStringLiteral("1.500,0"));
        field.setValue(QString());
        QCOMPARE(field.Value(), QString());
        QVERIFY(field.isValid());
    }
};

QTEST_MAIN(NumberFieldTest)
#include "test_number_field.moc"
