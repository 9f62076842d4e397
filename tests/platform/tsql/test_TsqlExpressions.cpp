// Expressions as SQL Server evaluates them, run on a real in-memory SQLite through the dialect.
#include "TsqlDatabase.h"

#include <QtTest>

class TsqlExpressions : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TsqlDatabase> db_;

private slots:
    void initTestCase()
    {
        db_ = std::make_unique<TsqlDatabase>();
        db_->run("CREATE TABLE ANAG (CODICE INT NOT NULL PRIMARY KEY, COGNOME NVARCHAR(30), NOME NVARCHAR(30),\r\n"
                 "  NUMDOC INT NULL, DATADOC DATETIME NULL, DATAREG DATETIME NOT NULL, IMPORTO DECIMAL(18, 2),\r\n"
                 "  FLAG BIT, PESO FLOAT)");
        db_->run("INSERT INTO ANAG (CODICE, COGNOME, NOME, NUMDOC, DATADOC, DATAREG, IMPORTO, FLAG, PESO) VALUES\n"
                 " (1, N'Rossi', N'Mario', 12, '20240110', '20240115', 310.00, 1, 1.5),\n"
                 " (2, 'D''Amico', NULL, NULL, NULL, '20231231', -2.5, 0, NULL)");
    }

    void evaluates_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("expected");
        addCase("text plus text concatenates", "SELECT 'a' + 'b'", "ab");
        addCase("number plus number adds", "SELECT 1 + 2", "3");
        addCase("cast number to text then concatenate", "SELECT CAST(12 AS NVARCHAR) + '/'", "12/");
        addCase("isnull of null then concatenate", "SELECT ISNULL(NULL, '') + 'x'", "x");
        addCase("text plus null is null", "SELECT 'a' + NULL", "NULL");
        addCase("text columns joined by a blank", "SELECT COGNOME + ' ' + NOME FROM ANAG WHERE CODICE = 1", "Rossi Mario");
        addCase("isnull of text columns", "SELECT ISNULL(COGNOME,'') + ' ' + ISNULL(NOME,'') FROM ANAG WHERE CODICE = 2", "D'Amico ");
        addCase("text that is a number plus a number adds", "SELECT '12' + 1", "13");
        addCase("isnull of an int column takes the empty text as zero", "SELECT ISNULL(NUMDOC, '') FROM ANAG WHERE CODICE = 2", "0");
        addCase("document number and section", "SELECT CAST(ISNULL(NUMDOC, '') AS NVARCHAR(7)) + '/' + 'A' FROM ANAG WHERE CODICE = 1", "12/A");
        addCase("datetime column equals a yyyymmdd text", "SELECT CODICE FROM ANAG WHERE DATAREG = '20240115'", "1");
        addCase("datetime column between two texts", "SELECT CODICE FROM ANAG WHERE DATAREG BETWEEN '20240101' AND '20241231'", "1");
        addCase("isnull of a date with a default date", "SELECT CODICE FROM ANAG WHERE ISNULL(DATADOC, '17530101') < DATAREG AND CODICE = 2", "2");
        addCase("isnull of two dates", "SELECT ISNULL(DATADOC, DATAREG) FROM ANAG WHERE CODICE = 2", "2023-12-31 00:00:00");
        addCase("week of the last day of 2023", "SELECT DATEPART(WEEK, '20231231')", "53");
        addCase("week of the first day of 2024", "SELECT DATEPART(WEEK, '20240101')", "1");
        addCase("week abbreviation", "SELECT DATEPART(wk, DATAREG) FROM ANAG WHERE CODICE = 1", "3");
        addCase("year part", "SELECT DATEPART(yy, DATAREG) FROM ANAG WHERE CODICE = 1", "2024");
        addCase("month part", "SELECT DATEPART(mm, '20240315')", "3");
        addCase("day part", "SELECT DATEPART(dd, '20240315')", "15");
        addCase("quarter part", "SELECT DATEPART(qq, '20240815')", "3");
        addCase("weekday of a Sunday", "SELECT DATEPART(dw, '20240107')", "1");
        addCase("weekday of a Saturday", "SELECT DATEPART(WEEKDAY, '20240113')", "7");
        addCase("year month day functions", "SELECT YEAR(DATAREG) * 10000 + MONTH(DATAREG) * 100 + DAY(DATAREG) FROM ANAG WHERE CODICE = 1", "20240115");
        addCase("days between two dates", "SELECT DATEDIFF(dd, '20240115', '20240214')", "30");
        addCase("months between two dates", "SELECT DATEDIFF(month, '20231231', '20240101')", "1");
        addCase("add a month to the end of January", "SELECT DATEADD(mm, 1, '20240131')", "2024-02-29 00:00:00");
        addCase("add days", "SELECT DATEADD(dd, -1, '20240301')", "2024-02-29 00:00:00");
        addCase("null date gives a null part", "SELECT DATEPART(WEEK, DATADOC) FROM ANAG WHERE CODICE = 2", "NULL");
        addCase("period key of the week", "SELECT DATEPART(yy, DATAREG) * 100 + DATEPART(WEEK, DATAREG) FROM ANAG WHERE CODICE = 2", "202353");
        // 310.00 * DECIMAL(13,2) is DECIMAL(19,4); divided by DECIMAL(13,2) it is DECIMAL(35,18), and ROUND
        // keeps that type. Over a DECIMAL(18,2) column the quotient passes 38 digits and keeps 8 decimals.
        addCase("competence share rounds exactly",
               "SELECT ROUND(310.00 * CAST(14 AS DECIMAL(13, 2)) / CAST(31 AS DECIMAL(13, 2)), 2)", "140.000000000000000000");
        addCase("competence share over columns",
               "SELECT ROUND(ISNULL(IMPORTO, 0) * CAST(14 AS DECIMAL(13, 2)) / CAST(31 AS DECIMAL(13, 2)), 2) FROM ANAG WHERE CODICE = 1",
               "140.00000000");
        addCase("round half away from zero below zero", "SELECT ROUND(-2.675, 2)", "-2.680");
        addCase("cast to decimal rounds", "SELECT CAST(2.675 AS DECIMAL(10, 2))", "2.68");
        addCase("cast decimal to text keeps the scale", "SELECT CAST(IMPORTO AS NVARCHAR(20)) FROM ANAG WHERE CODICE = 1", "310.00");
        addCase("cast text to int", "SELECT CAST('42' AS INT) + 1", "43");
        addCase("cast decimal to int truncates", "SELECT CAST(2.9 AS INT)", "2");
        addCase("integer division", "SELECT 7 / 2", "3");
        addCase("searched case", "SELECT CASE WHEN IMPORTO > 0 THEN 'D' ELSE 'A' END FROM ANAG WHERE CODICE = 2", "A");
        addCase("simple case", "SELECT CASE FLAG WHEN 1 THEN 'bis' ELSE '' END FROM ANAG WHERE CODICE = 1", "bis");
        addCase("case with an isnull operand",
               "SELECT (CASE ISNULL(NUMDOC, -1) WHEN 0 THEN 'C' WHEN -1 THEN 'none' ELSE NULL END) FROM ANAG WHERE CODICE = 2", "none");
        addCase("negated case plus case",
               "SELECT - (CASE WHEN FLAG = 1 THEN IMPORTO ELSE 0 END) + (CASE WHEN FLAG = 0 THEN 5 ELSE 0 END) FROM ANAG WHERE CODICE = 1",
               "-310.00");
        addCase("unary minus", "SELECT -CODICE FROM ANAG WHERE CODICE = 2", "-2");
        addCase("in list", "SELECT COUNT(*) FROM ANAG WHERE CODICE IN (1, 3)", "1");
        addCase("not in list", "SELECT COUNT(*) FROM ANAG WHERE CODICE NOT IN (1, 3)", "1");
        addCase("not", "SELECT COUNT(*) FROM ANAG WHERE NOT (CODICE = 1 OR CODICE = 2)", "0");
        addCase("like with a prefix", "SELECT CODICE FROM ANAG WHERE COGNOME LIKE 'Ro%'", "1");
        addCase("not like", "SELECT CODICE FROM ANAG WHERE COGNOME NOT LIKE 'Ro%'", "2");
        addCase("is null", "SELECT CODICE FROM ANAG WHERE NOME IS NULL", "2");
        addCase("is not null", "SELECT CODICE FROM ANAG WHERE NOME IS NOT NULL", "1");
        addCase("not between", "SELECT CODICE FROM ANAG WHERE CODICE NOT BETWEEN 2 AND 5", "1");
        addCase("exists", "SELECT COUNT(*) FROM ANAG A WHERE EXISTS (SELECT 1 FROM ANAG B WHERE B.CODICE = A.CODICE + 1)", "1");
        addCase("unicode literal", "SELECT N'perché'", "perché");
        addCase("doubled quote", "SELECT 'it''s'", "it's");
        addCase("comment to the end of line", "SELECT 1 -- ignored\r\n + 1", "2");
        addCase("line ends of every kind", "SELECT\r1\n+\r\n2", "3");
        addCase("bracketed names", "SELECT [CODICE] FROM [ANAG] WHERE [NOME] = 'Mario'", "1");
        addCase("case-insensitive names", "SELECT codice FROM anag WHERE Nome = 'Mario'", "1");
        addCase("text length ignores trailing blanks", "SELECT LEN('ab  ')", "2");
        addCase("nullif", "SELECT NULLIF(1, 1)", "NULL");
        addCase("coalesce", "SELECT COALESCE(NULL, NULL, 'x')", "x");
    }

    void evaluates()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(db_->value(tsql.toStdString())), expected);
    }

    // A million amounts of 0.01 to 0.03 added in binary floating point drift; the decimal sum must not.
    void sumOfDecimalsIsExact()
    {
        db_->run("CREATE TABLE RIGHE (IMPORTO DECIMAL(18, 2))");
        db_->execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
                     "INSERT INTO RIGHE SELECT (i % 3 + 1) / 100.0 FROM n");
        // 333,333 rows of 0.01, 333,334 of 0.02, 333,333 of 0.03: a binary sum is off by about 1e-7
        QCOMPARE(QString::fromStdString(db_->value("SELECT CASE WHEN SUM(IMPORTO) = 20000 THEN 'exact' ELSE 'drift' END FROM RIGHE")),
                 QString("exact"));
    }
};

QTEST_GUILESS_MAIN(TsqlExpressions)
#include "test_TsqlExpressions.moc"
