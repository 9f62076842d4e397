// The statements over #MOVIMENTI: the movement set's select with its debit, credit and balance columns, and
// the amount and quantity condition on the rows.

#include "engine/AmountExpressions.h"
#include "engine/ResultSelects.h"
#include "engine/RowFilter.h"

#include <QTest>

using quorvane::AmountExpressions;

class ResultSelectsTest : public QObject {
    Q_OBJECT

private slots:
    void finalSelectSidesFollowTheAccountingKind_data();
    void finalSelectSidesFollowTheAccountingKind();
    void rowFilterComparesAmountAndQuantity_data();
    void rowFilterComparesAmountAndQuantity();
    void rowFilterRefusesWhatIsNotANumber();
};

void ResultSelectsTest::finalSelectSidesFollowTheAccountingKind_data()
{
    QTest::addColumn<bool>("financial");
    QTest::addColumn<QString>("debitWhen");
    QTest::addColumn<QString>("creditWhen");
    QTest::newRow("costs on the debit side, revenues and adjustments on the credit side")
        << false << "WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 1 THEN"
        << "WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 2 OR #MOVIMENTI.PC04_INDCOSTORIC_VDS = 0 THEN";
    QTest::newRow("outflows on the debit side, inflows on the credit side")
        << true << "WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 4 THEN" << "WHEN #MOVIMENTI.PC04_INDCOSTORIC_VDS = 3 THEN";
}

void ResultSelectsTest::finalSelectSidesFollowTheAccountingKind()
{
    QFETCH(bool, financial);
    QFETCH(QString, debitWhen);
    QFETCH(QString, creditWhen);
    const AmountExpressions plain = quorvane::amountExpressions(false, {});
    const QString expected = " SELECT\r\n   *\r\n   , #MOVIMENTI.CI13_IMPORTO AS IMPORTO\r\n"
                             "   , CASE  \r\n" + debitWhen + "\r\n  #MOVIMENTI.CI13_IMPORTO\r\n     ELSE 0 END AS DARE\r\n"
                             " , CASE    \r\n" + creditWhen + "\r\n  #MOVIMENTI.CI13_IMPORTO\r\n     ELSE 0 END AS AVERE\r\n"
                             "   , - (CASE  \r\n" + debitWhen + "\r\n  #MOVIMENTI.CI13_IMPORTO\r\n     ELSE 0 END) \r\n"
                             "  + (CASE\r\n" + creditWhen + "\r\n  #MOVIMENTI.CI13_IMPORTO\r\n     ELSE 0 END) AS SALDO\r\n"
                             "   , #MOVIMENTI.CI13_QTA AS QUANTITA\r\n FROM\r\n   #MOVIMENTI\r\n"
                             " WHERE\r\n   #MOVIMENTI.CI13_IMPORTO >= 5\r\n";
    QCOMPARE(QString::fromStdString(quorvane::finalSelect(plain, financial, "   #MOVIMENTI.CI13_IMPORTO >= 5")),
             expected);
}

void ResultSelectsTest::rowFilterComparesAmountAndQuantity_data()
{
    QTest::addColumn<QString>("amountOperator");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("quantityBox");
    QTest::addColumn<QString>("quantityOperator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no comparison") << "0" << "1000" << "" << "0" << "0" << "";
    QTest::newRow("equal") << "1" << "1000" << "" << "0" << "0" << "   #MOVIMENTI.CI13_IMPORTO = 1000";
    QTest::newRow("at most, empty amount is 0") << "3" << "" << "" << "0" << "0" << "   #MOVIMENTI.CI13_IMPORTO <= 0";
    QTest::newRow("band of 10% around 1000")
        << "4" << "1000" << "10" << "0" << "0" << "   #MOVIMENTI.CI13_IMPORTO BETWEEN 900.00 AND 1100.00";
    QTest::newRow("the same band around a negative amount")
        << "4" << "-1000" << "10" << "0" << "0" << "   #MOVIMENTI.CI13_IMPORTO BETWEEN -1100.00 AND -900.00";
    QTest::newRow("band half width rounded to the amount decimals")
        << "4" << "1234.567" << "10" << "0" << "0" << "   #MOVIMENTI.CI13_IMPORTO BETWEEN 1111.107 AND 1358.027";
    QTest::newRow("quantity selector with the box clear") << "0" << "" << "" << "0" << "2" << "";
    QTest::newRow("quantity alone") << "0" << "" << "" << "1" << "2" << "   #MOVIMENTI.CI13_QTA >= 3";
    QTest::newRow("amount and quantity")
        << "1" << "50" << "" << "1" << "4" << "   #MOVIMENTI.CI13_IMPORTO = 50 AND    #MOVIMENTI.CI13_QTA BETWEEN 2.700 AND 3.300";
}

void ResultSelectsTest::rowFilterComparesAmountAndQuantity()
{
    QFETCH(QString, amountOperator);
    QFETCH(QString, amount);
    QFETCH(QString, percent);
    QFETCH(QString, quantityBox);
    QFETCH(QString, quantityOperator);
    QFETCH(QString, expected);
    quorvane::SelectionParameters s;
    s.CBO_SELPERIMP = amountOperator.toStdString();
    s.TXT_IMPORTO = amount.toStdString();
    s.TXT_PERC = percent.toStdString();
    s.CHK_QUANTITA = quantityBox.toStdString();
    s.CBO_SELPERQTA = quantityOperator.toStdString();
    s.TXT_QUANTITA = "3";
    s.TXT_PERCQTA = "10";
    quorvane::EngineSettings settings;
    settings.quantityDecimals = 3;
    const AmountExpressions plain = quorvane::amountExpressions(false, settings);
    QCOMPARE(QString::fromStdString(quorvane::rowFilter(s, plain, settings)), expected);
}

void ResultSelectsTest::rowFilterRefusesWhatIsNotANumber()
{
    quorvane::SelectionParameters s;
    s.CBO_SELPERIMP = "1";
    s.TXT_IMPORTO = "1 OR 1=1";
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             quorvane::rowFilter(s, quorvane::amountExpressions(false, {}), {}));
}

QTEST_GUILESS_MAIN(ResultSelectsTest)
#include "test_result_selects.moc"
