// Queries, temporary tables and name resolution, run on real SQLite databases through the dialect.
#include "TsqlDatabase.h"

#include <QtTest>

class TsqlQueries : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TsqlDatabase> db_;

private slots:
    void init()
    {
        db_ = std::make_unique<TsqlDatabase>();
        db_->run("CREATE TABLE TESTATA (DITTA INT NOT NULL, NUMREG NVARCHAR(10) NOT NULL, DATAREG DATETIME,\n"
                 "  DESCR NVARCHAR(40), PRIMARY KEY (DITTA, NUMREG))\n"
                 "CREATE TABLE CORPO (DITTA INT NOT NULL, NUMREG NVARCHAR(10) NOT NULL, PROGRIGA INT NOT NULL,\n"
                 "  IMPORTO DECIMAL(18,2), DESCR NVARCHAR(40))\n"
                 "CREATE INDEX IX_CORPO ON CORPO (DITTA, NUMREG)");
        db_->run("INSERT INTO TESTATA (DITTA, NUMREG, DATAREG, DESCR) VALUES (1, 'R1', '20240105', 'primo'), "
                 "(1, 'R2', '20240210', 'secondo'), (2, 'R3', '20240301', 'terzo');"
                 "INSERT INTO CORPO VALUES (1, 'R1', 1, 10.50, 'a'), (1, 'R1', 2, 4.25, 'b'), (1, 'R2', 1, 7, NULL)");
    }

    void answers_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inner join with hints, with and without alias")
            << "SELECT T.NUMREG, PROGRIGA FROM TESTATA T WITH (NOLOCK) INNER JOIN CORPO WITH(NOLOCK) "
               "ON T.DITTA = CORPO.DITTA AND T.NUMREG = CORPO.NUMREG ORDER BY T.NUMREG, PROGRIGA"
            << "R1,1;R1,2;R2,1";
        QTest::newRow("left outer join keeps the header without lines")
            << "SELECT TESTATA.NUMREG, PROGRIGA FROM TESTATA AS TESTATA WITH (NOLOCK) LEFT OUTER JOIN CORPO AS C "
               "WITH (NOLOCK) ON TESTATA.DITTA = C.DITTA AND TESTATA.NUMREG = C.NUMREG WHERE TESTATA.DITTA = 2"
            << "R3,NULL";
        QTest::newRow("top") << "SELECT TOP 2 NUMREG FROM TESTATA ORDER BY NUMREG DESC" << "R3;R2";
        QTest::newRow("group by with sum count min max")
            << "SELECT NUMREG, SUM(IMPORTO), COUNT(*), MIN(PROGRIGA), MAX(PROGRIGA) FROM CORPO GROUP BY NUMREG ORDER BY NUMREG"
            << "R1,14.75,2,1,2;R2,7.00,1,1,1";
        QTest::newRow("star and qualified star")
            << "SELECT C.*, T.DESCR AS TDESCR FROM TESTATA T JOIN CORPO C ON C.NUMREG = T.NUMREG WHERE C.PROGRIGA = 2"
            << "1,R1,2,4.25,b,primo";
        // AVG of DECIMAL(18,2) is DECIMAL(38,6): 21.75 / 3
        QTest::newRow("average of decimals") << "SELECT AVG(IMPORTO) FROM CORPO WHERE DITTA = 1" << "7.250000";
        QTest::newRow("derived table")
            << "SELECT D.N FROM (SELECT NUMREG AS N, DITTA FROM TESTATA WHERE DITTA = 1) AS D ORDER BY D.N" << "R1;R2";
        QTest::newRow("scalar subqueries without from")
            << "SELECT (SELECT TOP 1 1 FROM CORPO WHERE NUMREG = 'R2') AS X, (SELECT TOP 1 1 FROM CORPO WHERE NUMREG = 'R9') AS Y"
            << "1,NULL";
        QTest::newRow("isnull over a scalar subquery")
            << "SELECT ISNULL((SELECT TOP 1 PROGRIGA FROM CORPO WHERE NUMREG = 'R9'), 0) AS WK" << "0";
        QTest::newRow("correlated subquery")
            << "SELECT NUMREG, (SELECT COUNT(*) FROM CORPO WHERE CORPO.NUMREG = TESTATA.NUMREG) FROM TESTATA ORDER BY 1"
            << "R1,2;R2,1;R3,0";
        QTest::newRow("order by an alias") << "SELECT NUMREG AS N FROM TESTATA ORDER BY N DESC" << "R3;R2;R1";
        QTest::newRow("in subquery")
            << "SELECT NUMREG FROM TESTATA WHERE NUMREG IN (SELECT NUMREG FROM CORPO WHERE IMPORTO > 5) ORDER BY NUMREG"
            << "R1;R2";
        QTest::newRow("statements separated by semicolons, last one answers")
            << "SELECT 1; SELECT NUMREG FROM TESTATA WHERE DATAREG > '20240201' AND DITTA = 1" << "R2";
    }

    void answers()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, expected);
        QCOMPARE(joinedRows(db_->run(tsql.toStdString())), expected);
    }

    void selectIntoCreatesATemporaryTableNumberedInOrder()
    {
        db_->run("SELECT\r\n   IDENTITY( INT,1,1) AS ID,\r\n   T.NUMREG, C.PROGRIGA, C.IMPORTO\r\n"
                 " INTO  #MOVIMENTI\r\nFROM TESTATA T WITH (NOLOCK) INNER JOIN CORPO C WITH (NOLOCK) ON C.NUMREG = T.NUMREG\r\n"
                 " WHERE T.DITTA = 1");
        QCOMPARE(joinedRows(db_->run("SELECT ID, NUMREG, PROGRIGA FROM #MOVIMENTI ORDER BY ID")), QString("1,R1,1;2,R1,2;3,R2,1"));
        QCOMPARE(joinedRows(db_->run("SELECT * FROM #MOVIMENTI WHERE ID = 2")), QString("2,R1,2,4.25"));
    }

    void selectIntoThenSelectInOneText()
    {
        QCOMPARE(joinedRows(db_->run("SELECT NUMREG INTO #T FROM TESTATA WHERE DITTA = 2; SELECT * FROM #T")), QString("R3"));
    }

    void temporaryTableLivesOnlyOnItsConnection()
    {
        TsqlDatabase first("file:tsqltemp?mode=memory&cache=shared");
        TsqlDatabase second("file:tsqltemp?mode=memory&cache=shared");
        first.run("CREATE TABLE BASE (A INT)");
        first.run("SELECT A INTO #MINE FROM BASE");
        QCOMPARE(first.run("SELECT * FROM #MINE").size(), size_t(0));
        QVERIFY_THROWS_EXCEPTION(tsql::Error, second.run("SELECT * FROM #MINE"));
        QCOMPARE(second.run("SELECT * FROM BASE").size(), size_t(0));
    }

    void droppingAMissingTableFails()
    {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, db_->run(" DROP TABLE #MOVIMENTI "));
        db_->run("SELECT NUMREG INTO #MOVIMENTI FROM TESTATA");
        db_->run(" DROP TABLE #MOVIMENTI ");
        QVERIFY_THROWS_EXCEPTION(tsql::Error, db_->run("SELECT * FROM #MOVIMENTI"));
    }

    void refusesBadNames_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("message");
        QTest::newRow("ambiguous column")
            << "SELECT DESCR FROM TESTATA T JOIN CORPO C ON C.NUMREG = T.NUMREG" << "ambiguous column name 'DESCR' (line 1, column 8)";
        QTest::newRow("unknown column") << "SELECT NOPE FROM TESTATA" << "invalid column name 'NOPE' (line 1, column 8)";
        QTest::newRow("unknown table") << "SELECT 1 FROM NOWHERE" << "invalid object name 'NOWHERE' (line 1, column 15)";
        QTest::newRow("table name hidden by its alias")
            << "SELECT TESTATA.NUMREG FROM TESTATA T"
            << "the multi-part identifier 'TESTATA.NUMREG' could not be bound (line 1, column 8)";
        QTest::newRow("same exposed name twice")
            << "SELECT 1 FROM CORPO JOIN CORPO ON 1 = 1"
            << "the objects in the FROM clause have the same exposed name 'CORPO'; use aliases to tell them apart (line 1, column 26)";
        QTest::newRow("identity outside select into")
            << "SELECT IDENTITY(INT, 1, 1) AS ID FROM TESTATA"
            << "the IDENTITY function is only allowed in a SELECT ... INTO (line 1, column 8)";
        QTest::newRow("date text that is no date")
            << "SELECT 1 FROM TESTATA WHERE DATAREG > '2024x'"
            << "conversion failed when converting '2024x' to DATETIME (line 1, column 39)";
    }

    void refusesBadNames()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, message);
        QCOMPARE(refusalOf(*db_, tsql), message);
    }
};

QTEST_GUILESS_MAIN(TsqlQueries)
#include "test_TsqlQueries.moc"
