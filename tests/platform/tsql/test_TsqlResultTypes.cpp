// The T-SQL types the dialect reports for result columns and gives the tables SELECT ... INTO creates.
#include "TsqlDatabase.h"

#include <QtTest>

using Category = tsql::ColumnType::Category;
Q_DECLARE_METATYPE(Category)

class TsqlResultTypes : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TsqlDatabase> db_;

private slots:
    void initTestCase()
    {
        db_ = std::make_unique<TsqlDatabase>();
        db_->run("CREATE TABLE MOV (CODICE NVARCHAR(20), DESCR NVARCHAR(50), DATAREG DATETIME, IMPORTO DECIMAL(18,2),\n"
                 " QTA DECIMAL(19,6), FLAG BIT, NUM INT, GRANDE BIGINT, PESO FLOAT, GUID UNIQUEIDENTIFIER, NOTE NVARCHAR(MAX))");
    }

    void typesOfExpressions_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<Category>("category");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("scale");
        QTest::newRow("text column") << "DESCR" << Category::Text << 50 << 0 << 0;
        QTest::newRow("text of unlimited size") << "NOTE" << Category::Text << 0 << 0 << 0;
        QTest::newRow("datetime column") << "DATAREG" << Category::DateTime << 0 << 0 << 0;
        QTest::newRow("decimal column") << "IMPORTO" << Category::Decimal << 0 << 18 << 2;
        QTest::newRow("bit column") << "FLAG" << Category::Bit << 0 << 0 << 0;
        QTest::newRow("float column") << "PESO" << Category::Float << 0 << 0 << 0;
        QTest::newRow("guid is text") << "GUID" << Category::Text << 36 << 0 << 0;
        QTest::newRow("concatenation adds sizes") << "CODICE + ' ' + DESCR" << Category::Text << 71 << 0 << 0;
        QTest::newRow("cast to nvarchar without size") << "CAST(NUM AS NVARCHAR)" << Category::Text << 30 << 0 << 0;
        QTest::newRow("isnull takes the first type") << "ISNULL(DATAREG, '17530101')" << Category::DateTime << 0 << 0 << 0;
        QTest::newRow("case over texts") << "CASE WHEN FLAG = 1 THEN 'abc' ELSE DESCR END" << Category::Text << 50 << 0 << 0;
        QTest::newRow("case over int and decimal") << "CASE WHEN FLAG = 1 THEN IMPORTO ELSE 0 END" << Category::Decimal << 0 << 18 << 2;
        QTest::newRow("decimal plus decimal") << "IMPORTO + QTA" << Category::Decimal << 0 << 23 << 6;
        QTest::newRow("decimal times int") << "IMPORTO * NUM" << Category::Decimal << 0 << 29 << 2;
        // (32,4) / (13,2) needs 48 digits: 30 integral ones leave 8 decimals of 38.
        QTest::newRow("quotient reduced to 38 digits")
            << "IMPORTO * CAST(1 AS DECIMAL(13, 2)) / CAST(3 AS DECIMAL(13, 2))" << Category::Decimal << 0 << 38 << 8;
        QTest::newRow("round keeps its argument's type")
            << "ROUND(IMPORTO * CAST(1 AS DECIMAL(13, 2)) / CAST(3 AS DECIMAL(13, 2)), 2)" << Category::Decimal << 0 << 38 << 8;
        QTest::newRow("addition passing 38 digits keeps the integral digits") << "IMPORTO + CAST(1 AS DECIMAL(38, 10))" << Category::Decimal << 0 << 38 << 10;
        QTest::newRow("average of decimals") << "AVG(IMPORTO)" << Category::Decimal << 0 << 38 << 6;
        QTest::newRow("money times an integer stays money") << "CAST(1 AS MONEY) * NUM" << Category::Decimal << 0 << 19 << 4;
        QTest::newRow("sum of decimals") << "SUM(IMPORTO)" << Category::Decimal << 0 << 38 << 2;
        QTest::newRow("count") << "COUNT(*)" << Category::Integer << 0 << 0 << 0;
        QTest::newRow("int plus bigint") << "NUM + GRANDE" << Category::Integer << 0 << 0 << 0;
        QTest::newRow("decimal plus float") << "IMPORTO + PESO" << Category::Float << 0 << 0 << 0;
        QTest::newRow("datepart") << "DATEPART(WEEK, DATAREG)" << Category::Integer << 0 << 0 << 0;
        QTest::newRow("decimal literal") << "310.00" << Category::Decimal << 0 << 5 << 2;
    }

    void typesOfExpressions()
    {
        QFETCH(QString, expression);
        QFETCH(Category, category);
        QFETCH(int, size);
        QFETCH(int, precision);
        QFETCH(int, scale);
        auto translation = db_->dialect().translate("SELECT " + expression.toStdString() + " AS X FROM MOV");
        const tsql::ColumnType& column = translation->steps.back().columns.at(0);
        QCOMPARE(column.name, std::string("X"));
        QCOMPARE(column.category, category);
        QCOMPARE(column.size, size);
        QCOMPARE(column.precision, precision);
        QCOMPARE(column.scale, scale);
    }

    void selectIntoKeepsTheInferredTypes()
    {
        db_->run("SELECT IDENTITY( INT,1,1) AS ID, DATAREG, IMPORTO, CASE WHEN FLAG = 1 THEN 'C' ELSE 'F' END AS TIPO,\n"
                 " DATEPART(yy, DATAREG) * 100 + DATEPART(WEEK, DATAREG) AS SETT INTO #MOVIMENTI FROM MOV");
        auto translation = db_->dialect().translate("SELECT * FROM #MOVIMENTI");
        const auto& columns = translation->steps.back().columns;
        QCOMPARE(columns.size(), size_t(5));
        QCOMPARE(columns[0].category, Category::Integer);
        QCOMPARE(columns[1].category, Category::DateTime);
        QCOMPARE(columns[2].category, Category::Decimal);
        QCOMPARE(columns[2].scale, 2);
        QCOMPARE(columns[3].category, Category::Text);
        QCOMPARE(columns[4].category, Category::Integer);
        QCOMPARE(db_->execute("SELECT type FROM temp.pragma_table_info('#MOVIMENTI') WHERE name = 'IMPORTO'").at(0).at(0),
                 std::string("DECIMAL(18,2)"));
    }

    void datesAreStoredAsText()
    {
        QCOMPARE(db_->storageType("SELECT CAST('20240101' AS DATETIME) AS V"), std::string("text"));
        QCOMPARE(db_->value("SELECT CAST('20240101' AS DATETIME)"), std::string("2024-01-01 00:00:00"));
    }
};

QTEST_GUILESS_MAIN(TsqlResultTypes)
#include "test_TsqlResultTypes.moc"
