// The global utility object's conversions, which statements are built from, and its window lock.

#include "hostfw/GlobalUtilities.h"

#include <QWidget>
#include <QtTest>

#include <cmath>
#include <stdexcept>

using namespace hostfw;

class GlobalUtilitiesTest : public QObject {
    Q_OBJECT
private slots:
    void nullSafeText_data();
    void nullSafeText();
    void nullSafeNumber_data();
    void nullSafeNumber();
    void numbersForStatements_data();
    void numbersForStatements();
    void aNumberThatIsNotFiniteIsRefused();
    void datesForStatements_data();
    void datesForStatements();
    void theWindowLockIsHeldByOneWindowAtATime();
};

void GlobalUtilitiesTest::nullSafeText_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << QVariant() << "";
    QTest::newRow("text") << QVariant(QStringLiteral("ABC ")) << "ABC ";
    QTest::newRow("integer") << QVariant(42) << "42";
}

void GlobalUtilitiesTest::nullSafeText()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QCOMPARE(GlobalUtilities::nzText(value), text);
}

void GlobalUtilitiesTest::nullSafeNumber_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<double>("number");
    QTest::newRow("null") << QVariant() << 0.0;
    QTest::newRow("empty text") << QVariant(QString()) << 0.0;
    QTest::newRow("numeric text") << QVariant(QStringLiteral(" 12.5 ")) << 12.5;
    QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << 0.0;
    QTest::newRow("double") << QVariant(-3.25) << -3.25;
}

void GlobalUtilitiesTest::nullSafeNumber()
{
    QFETCH(QVariant, value);
    QFETCH(double, number);
    QCOMPARE(GlobalUtilities::nzNumber(value), number);
}

void GlobalUtilitiesTest::numbersForStatements_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("sql");
    QTest::newRow("fraction with a point") << 1234.5 << "1234.5";
    QTest::newRow("negative") << -0.25 << "-0.25";
    QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("small, no exponent") << 0.0001 << "0.0001";
}

void GlobalUtilitiesTest::numbersForStatements()
{
    QFETCH(double, value);
    QFETCH(QString, sql);
    QCOMPARE(GlobalUtilities::numberToSql(value), sql);
}

void GlobalUtilitiesTest::aNumberThatIsNotFiniteIsRefused()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, GlobalUtilities::numberToSql(std::nan("")));
    QCOMPARE(GlobalUtilities::numberToSql(db::Decimal{-1250, 2}), QStringLiteral("-12.50"));
}

void GlobalUtilitiesTest::datesForStatements_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("sql");
    QTest::newRow("date") << QVariant(QDate(2024, 2, 29)) << "20240229";
    QTest::newRow("Italian text") << QVariant(QStringLiteral("05/03/2024")) << "20240305";
    QTest::newRow("null") << QVariant() << "";
    QTest::newRow("not a date") << QVariant(QStringLiteral("31/02/2024")) << "";
}

void GlobalUtilitiesTest::datesForStatements()
{
    QFETCH(QVariant, value);
    QFETCH(QString, sql);
    QCOMPARE(GlobalUtilities::dateToSql(value), sql);
}

void GlobalUtilitiesTest::theWindowLockIsHeldByOneWindowAtATime()
{
    GlobalUtilities& utilities = GlobalUtilities::instance();
    QWidget first;
    QWidget second;
    QVERIFY(utilities.lockWindowUpdate(&first));
    QVERIFY(!first.updatesEnabled());
    QVERIFY(!utilities.lockWindowUpdate(&second));
    QVERIFY(second.updatesEnabled());
    QVERIFY(utilities.lockWindowUpdate(nullptr));
    QVERIFY(first.updatesEnabled());
    QVERIFY(utilities.lockWindowUpdate(&second));
    QVERIFY(utilities.lockWindowUpdate(nullptr));
    QCOMPARE(utilities.lockedWindow(), nullptr);
}

QTEST_MAIN(GlobalUtilitiesTest)
#include "test_hostfw_globalutilities.moc"
