// CROSS APPLY / OUTER APPLY of inline table functions, and views, defined in T-SQL in the database.
#include "TsqlDatabase.h"

#include <QTemporaryDir>
#include <QtTest>

class TsqlTableFunctions : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::string path_;
    std::unique_ptr<TsqlDatabase> db_;

private slots:
    void initTestCase()
    {
        path_ = dir_.filePath("company.db").toStdString();
        db_ = std::make_unique<TsqlDatabase>(path_.c_str());
        for (const std::string& batch : tsql::splitBatches(
                 "CREATE TABLE PDC (DITTA INT, CODPDC INT, CONTO NVARCHAR(20), DESCR NVARCHAR(50), NATURA INT)\nGO\n"
                 "CREATE TABLE NATURE (DITTA INT, CODICE INT, INDCOSTORIC INT, DESCR NVARCHAR(30))\n go \n"
                 "CREATE TABLE RIGHE (DITTA INT, CONTO NVARCHAR(20), VDS NVARCHAR(20), IMPORTO DECIMAL(18,2))\nGO\n"
                 "CREATE FUNCTION FNPDC(@codpdc INT, @conto NVARCHAR(20), @ditta INT, @lingua NVARCHAR(4))\n"
                 "RETURNS TABLE AS RETURN (SELECT PDC.DESCR AS PDC_DESCR, NATURA AS PDC_NATURA, @lingua AS LINGUA\n"
                 "  FROM PDC WITH (NOLOCK) WHERE DITTA = @ditta AND CODPDC = @codpdc AND CONTO = @conto)\nGO\n"
                 "CREATE FUNCTION DBO.FNNATURE(@natura INT, @ditta INT) RETURNS TABLE AS RETURN\n"
                 "  SELECT N.INDCOSTORIC, N.DESCR AS NATURA_DESCR FROM NATURE N WHERE N.DITTA = @ditta AND N.CODICE = @natura\nGO\n"
                 "CREATE TABLE LINGUE (CONTO NVARCHAR(20), LINGUA NVARCHAR(4), DESCR NVARCHAR(50))\nGO\n"
                 "CREATE FUNCTION FNDESCR(@conto NVARCHAR(20), @lingua NVARCHAR(4)) RETURNS TABLE AS RETURN (\n"
                 "  SELECT ISNULL(L.DESCR, P.DESCR) AS DESCR FROM PDC P\n"
                 "  LEFT OUTER JOIN LINGUE L ON L.CONTO = P.CONTO AND L.LINGUA = @lingua WHERE P.CONTO = @conto)\nGO\n"
                 "CREATE VIEW VRIGHE AS SELECT DITTA, CONTO, IMPORTO * 2 AS DOPPIO, CONTO + '-' + VDS AS CHIAVE FROM RIGHE\n"))
            db_->run(batch);
        db_->run("INSERT INTO PDC VALUES (1, 1, 'C1', 'Conto uno', NULL), (1, 2, 'V1', 'Voce uno', 7), (1, 2, 'V2', 'Voce due', 8)");
        db_->run("INSERT INTO NATURE VALUES (1, 7, 1, 'Costo')");
        db_->run("INSERT INTO LINGUE VALUES ('C1', 'ENG ', 'Account one'), ('C1', 'DEU ', 'Konto eins')");
        db_->run("INSERT INTO RIGHE VALUES (1, 'C1', 'V1', 10.50), (1, 'C9', 'V1', 1.25), (1, 'C1', 'V2', 3), (1, 'C1', 'V9', 4)");
    }

    void applies_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cross apply drops rows without a match")
            << "SELECT R.IMPORTO, CONTO.PDC_DESCR FROM RIGHE R WITH (NOLOCK)\r\n"
               "CROSS APPLY FNPDC(1, R.CONTO, R.DITTA, NULL) AS CONTO ORDER BY R.IMPORTO"
            << "3.00,Conto uno;4.00,Conto uno;10.50,Conto uno";
        QTest::newRow("outer apply keeps them with nulls")
            << "SELECT IMPORTO, VDS.PDC_DESCR FROM RIGHE OUTER APPLY FNPDC(2, VDS, DITTA, 'ITA ') AS VDS ORDER BY IMPORTO"
            << "1.25,Voce uno;3.00,Voce due;4.00,NULL;10.50,Voce uno";
        QTest::newRow("the same function twice under two aliases")
            << "SELECT CONTO.PDC_DESCR, VDS.PDC_DESCR, VDS.LINGUA FROM RIGHE\r\n"
               "CROSS APPLY FNPDC(1, RIGHE.CONTO, DITTA, NULL) AS CONTO\r\n"
               "CROSS APPLY FNPDC(2, RIGHE.VDS  , DITTA, 'ENG ') AS VDS ORDER BY RIGHE.IMPORTO"
            << "Conto uno,Voce due,ENG ;Conto uno,Voce uno,ENG ";
        QTest::newRow("an apply argument from an earlier apply, schema-qualified function")
            << "SELECT IMPORTO, PC04_VDS.NATURA_DESCR FROM RIGHE CROSS APPLY FNPDC(2, VDS, DITTA, NULL) AS VDS\r\n"
               "CROSS APPLY dbo.FNNATURE (VDS.PDC_NATURA, DITTA )   AS PC04_VDS ORDER BY IMPORTO"
            << "1.25,Costo;10.50,Costo";
        QTest::newRow("unqualified function columns, no alias")
            << "SELECT IMPORTO, ISNULL(NATURA_DESCR, '') FROM RIGHE OUTER APPLY FNNATURE(7, DITTA) WHERE IMPORTO > 4"
            << "10.50,Costo";
        QTest::newRow("function columns in where and order by")
            << "SELECT IMPORTO FROM RIGHE OUTER APPLY FNPDC(2, VDS, DITTA, NULL) AS X WHERE X.PDC_NATURA = 7 ORDER BY X.PDC_DESCR, IMPORTO"
            << "1.25;10.50";
        QTest::newRow("star over an apply")
            << "SELECT * FROM RIGHE CROSS APPLY FNNATURE(7, 1) AS N WHERE CONTO = 'C9'" << "1,C9,V1,1.25,1,Costo";
        QTest::newRow("outer apply of a body with its own left join")
            << "SELECT IMPORTO, D.DESCR FROM RIGHE OUTER APPLY FNDESCR(CONTO, 'ENG ') AS D ORDER BY IMPORTO"
            << "1.25,NULL;3.00,Account one;4.00,Account one;10.50,Account one";
        QTest::newRow("the same body in another language falls back to the chart")
            << "SELECT D.DESCR FROM RIGHE CROSS APPLY FNDESCR(CONTO, 'FRA ') AS D WHERE IMPORTO = 3" << "Conto uno";
        QTest::newRow("view") << "SELECT DOPPIO, CHIAVE FROM VRIGHE WITH (NOLOCK) WHERE CONTO = 'C9'" << "2.50,C9-V1";
    }

    void applies()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, expected);
        QCOMPARE(joinedRows(db_->run(tsql.toStdString())), expected);
    }

    void aReadOnlyConnectionKnowsFunctionsAndViews()
    {
        TsqlDatabase reader(path_.c_str(), SQLITE_OPEN_READONLY);
        QCOMPARE(joinedRows(reader.run("SELECT CONTO.PDC_DESCR FROM RIGHE CROSS APPLY FNPDC(1, CONTO, DITTA, NULL) AS CONTO "
                                   "WHERE IMPORTO = 3")),
                 QString("Conto uno"));
        QCOMPARE(joinedRows(reader.run("SELECT CHIAVE FROM VRIGHE WHERE DOPPIO = 6")),
                 QString("C1-V2"));
        QCOMPARE(reader.columns().at(0).size, 41);
    }

    void refusesBodiesThatCannotBeInlined_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("message");
        QTest::newRow("top") << "CREATE FUNCTION F1(@a INT) RETURNS TABLE AS RETURN (SELECT TOP 1 CONTO FROM PDC WHERE DITTA = @a)"
                             << "table function '' cannot be inlined: its body uses TOP";
        QTest::newRow("group by") << "CREATE FUNCTION F2(@a INT) RETURNS TABLE AS RETURN (SELECT DITTA FROM PDC GROUP BY DITTA)"
                                  << "table function '' cannot be inlined: its body uses GROUP BY";
        QTest::newRow("distinct") << "CREATE FUNCTION F3(@a INT) RETURNS TABLE AS RETURN (SELECT DISTINCT DITTA FROM PDC)"
                                  << "table function '' cannot be inlined: its body uses DISTINCT";
        QTest::newRow("union") << "CREATE FUNCTION F4(@a INT) RETURNS TABLE AS RETURN (SELECT DITTA FROM PDC UNION SELECT 1)"
                               << "UNION is not supported";
        QTest::newRow("unknown parameter") << "CREATE FUNCTION F5(@a INT) RETURNS TABLE AS RETURN (SELECT @b AS B)"
                                           << "must declare the scalar variable '@B'";
        QTest::newRow("outer apply of a body with an inner join")
            << "CREATE FUNCTION F6(@a INT) RETURNS TABLE AS RETURN (SELECT P.DESCR FROM PDC P JOIN NATURE N ON N.CODICE = P.NATURA "
               "WHERE P.DITTA = @a); SELECT 1 FROM RIGHE OUTER APPLY F6(DITTA) AS X"
            << "OUTER APPLY of 'F6' cannot be inlined: its body joins tables other than by LEFT JOIN";
        QTest::newRow("wrong argument count") << "SELECT 1 FROM RIGHE CROSS APPLY FNNATURE(1) AS N"
                                              << "table function 'FNNATURE' takes 2 arguments, 1 given";
        QTest::newRow("unknown function") << "SELECT 1 FROM RIGHE CROSS APPLY FNNONE(1) AS N"
                                          << "invalid object name 'FNNONE': no such table function";
    }

    void refusesBodiesThatCannotBeInlined()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, message);
        const QString refusal = refusalOf(*db_, tsql);
        QVERIFY2(!refusal.isEmpty() && refusal.startsWith(message), qPrintable(refusal));
    }
};

QTEST_GUILESS_MAIN(TsqlTableFunctions)
#include "test_TsqlTableFunctions.moc"
