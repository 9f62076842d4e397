// Statements whose results SQL Server's reference documentation shows, run on SQLite through the dialect:
// each case names the page (and example) its expected value comes from. A result is the value as SQL
// Server shows it (a decimal at its type's scale), or "error: " and SQL Server's message.
#include "TsqlDatabase.h"

#include <QtTest>

class TsqlSqlServerExamples : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TsqlDatabase> db_;

    // The value of a one-value query, or the error it stops with (the engine's message without the
    // statement text the harness appends).
    QString outcome(const QString& tsql)
    {
        try {
            return QString::fromStdString(db_->value(tsql.toStdString()));
        } catch (const std::exception& error) {
            return "error: " + QString::fromStdString(error.what()).section(" (line ", 0, 0).section(" in: ", 0, 0);
        }
    }

private slots:
    void initTestCase() { db_ = std::make_unique<TsqlDatabase>(); }

    void givesSqlServersResults_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("expected");
        // ROUND (Transact-SQL), example A "Use ROUND and estimates": the result keeps the argument's scale.
        addCase("round an estimate down", "SELECT ROUND(123.9994, 3)", "123.9990");
        addCase("round an estimate up", "SELECT ROUND(123.9995, 3)", "124.0000");
        // ROUND, example B "Use ROUND and rounding approximations".
        addCase("round to two decimals", "SELECT ROUND(123.4545, 2)", "123.4500");
        addCase("round to hundreds", "SELECT ROUND(123.45, -2)", "100.00");
        // ROUND, example C "Use ROUND to truncate".
        addCase("round half up", "SELECT ROUND(150.75, 0)", "151.00");
        addCase("round with truncation", "SELECT ROUND(150.75, 0, 1)", "150.00");
        // ROUND, remarks: a negative length rounds left of the point; 748.58 is DECIMAL(5,2), which
        // cannot hold 1000.00, until it is cast to DECIMAL(6,2).
        addCase("round to tens", "SELECT ROUND(748.58, -1)", "750.00");
        addCase("round to hundreds again", "SELECT ROUND(748.58, -2)", "700.00");
        addCase("round past the precision", "SELECT ROUND(748.58, -3)",
               "error: Arithmetic overflow error converting expression to data type numeric.");
        addCase("round after widening", "SELECT ROUND(CAST(748.58 AS decimal(6,2)), -3)", "1000.00");
        // Precision, scale, and length: a product keeps min(scale, 38 - integral digits) decimals while the
        // integral part needs under 32 digits, and 6 past that (rounding 0.0000009 to 0.000001).
        addCase("product at decimal(38,17)",
               "SELECT CAST(0.0000009000 AS DECIMAL(30,20)) * CAST(1.0000000000 AS DECIMAL(30,20))",
               "0.00000090000000000");
        addCase("product at decimal(38,6)",
               "SELECT CAST(0.0000009000 AS DECIMAL(30,10)) * CAST(1.0000000000 AS DECIMAL(30,10))", "0.000001");
        // Precision, scale, and length, division: scale max(6, s1 + p2 + 1) with 3 an INT, DECIMAL(10,0).
        addCase("one third", "SELECT 1.0/3", "0.333333333333");
        addCase("decimal by int", "SELECT CAST(7 AS DECIMAL(10, 2)) / 2", "3.5000000000000");
        // decimal and numeric: a value needs no more integral digits than p - s allows.
        addCase("decimal(20,18) holds 10", "SELECT CAST(10 AS decimal(20,18))", "10.000000000000000000");
        addCase("decimal(20,18) cannot hold 100", "SELECT CAST(100 AS decimal(20,18))",
               "error: Arithmetic overflow error converting int to data type numeric.");
        addCase("an empty text is no decimal", "SELECT CAST('' AS decimal(10,2))",
               "error: Error converting data type varchar to numeric.");
        // CAST and CONVERT, "Truncating and rounding results": int to decimal rounds, to int truncates.
        addCase("cast to int truncates", "SELECT CAST(10.6496 AS INT)", "10");
        addCase("cast negative to int truncates", "SELECT CAST(-10.6496 AS INT)", "-10");
        addCase("cast to numeric rounds", "SELECT CAST(10.6496 AS NUMERIC)", "11");
        addCase("cast negative to numeric rounds", "SELECT CAST(-10.6496 AS NUMERIC)", "-11");
        addCase("cast to money keeps four decimals", "SELECT CAST(10.3496847 AS money)", "10.3497");
        // CAST and CONVERT, money styles: style 0 writes two decimals and no thousands separator.
        addCase("money as text", "SELECT CAST(CAST(4235.987 AS money) AS varchar)", "4235.99");
        // CAST and CONVERT, truncation table: an int too long for char(1) is '*', for nvarchar an error.
        addCase("int too long for char", "SELECT CAST(25 AS char(1))", "*");
        addCase("int too long for nvarchar", "SELECT CAST(25 AS nvarchar(1))",
               "error: Arithmetic overflow error converting expression to data type nvarchar.");
        addCase("text cut to varchar size", "SELECT CAST('Example' AS varchar(2))", "Ex");
        // CAST and CONVERT, date and time styles.
        addCase("style 23", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 23)", "2024-01-05");
        addCase("style 101", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 101)", "01/05/2024");
        addCase("style 103", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 103)", "05/01/2024");
        addCase("style 104", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 104)", "05.01.2024");
        addCase("style 105", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 105)", "05-01-2024");
        addCase("style 111", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 111)", "2024/01/05");
        addCase("style 112", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 112)", "20240105");
        addCase("style 120", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 120)", "2024-01-05 21:07:00");
        addCase("style 121", "SELECT CONVERT(varchar, CAST('20240105 21:07' AS DATETIME), 121)",
               "2024-01-05 21:07:00.000");
        addCase("style 103 read", "SELECT CONVERT(DATETIME, '15/01/2024', 103)", "2024-01-15 00:00:00");
        addCase("default form of a datetime", "SELECT CAST(CAST('20240105 09:07' AS DATETIME) AS varchar)",
               "Jan  5 2024  9:07AM");
        // SUBSTRING, remarks: a start below 1 counts the characters before the first against the length.
        addCase("substring from before the start", "SELECT SUBSTRING('abcdef', -1, 4)", "ab");
        addCase("substring", "SELECT SUBSTRING('abcdef', 2, 3)", "bcd");
        // ISNULL, remarks: the replacement takes the checked expression's type, and is cut to its length.
        addCase("isnull takes the first type", "SELECT ISNULL(CAST(NULL AS varchar(2)), 'Example')", "Ex");
        // LIKE, pattern examples: ranges, negation and an escaped wildcard.
        addCase("range matches", "SELECT CASE WHEN 'Larsen' LIKE '[C-P]arsen' THEN 1 ELSE 0 END", "1");
        addCase("range misses", "SELECT CASE WHEN 'Sarsen' LIKE '[C-P]arsen' THEN 1 ELSE 0 END", "0");
        addCase("negated class", "SELECT CASE WHEN 'delta' LIKE 'de[^l]%' THEN 1 ELSE 0 END", "0");
        addCase("escaped percent", "SELECT CASE WHEN '30% off' LIKE '%30!%%' ESCAPE '!' THEN 1 ELSE 0 END", "1");
        addCase("escaped percent misses", "SELECT CASE WHEN '30 off' LIKE '%30!%%' ESCAPE '!' THEN 1 ELSE 0 END", "0");
        // LIKE, "Pattern match with LIKE": trailing blanks of char data do not count, of nchar data they do.
        addCase("char pattern ignores blanks", "SELECT CASE WHEN CAST('Robert King' AS CHAR(30)) LIKE '% King' THEN 1 ELSE 0 END",
               "1");
        addCase("nchar pattern keeps blanks",
               "SELECT CASE WHEN CAST('Robert King' AS NCHAR(30)) LIKE '% King' THEN 1 ELSE 0 END", "0");
        // The default collation of an Italian installation, Latin1_General_CI_AS: case-insensitive,
        // accent-sensitive, and '=' pads the shorter text with blanks (SQL Server's ANSI padding).
        addCase("case does not count", "SELECT CASE WHEN 'rossi' = 'ROSSI' THEN 1 ELSE 0 END", "1");
        addCase("trailing blanks do not count", "SELECT CASE WHEN 'rossi' = 'rossi   ' THEN 1 ELSE 0 END", "1");
        addCase("accents count", "SELECT CASE WHEN 'perche' = 'perché' THEN 1 ELSE 0 END", "0");
        // CHARINDEX, example "Perform a case-insensitive search".
        addCase("charindex ignores case", "SELECT CHARINDEX('TEST', 'This is a Test')", "11");
        // REPLACE, example A, and the default collation's case-insensitive match.
        addCase("replace", "SELECT REPLACE('abcdefghicde', 'cde', 'xxx')", "abxxxfghixxx");
        addCase("replace ignores case", "SELECT REPLACE('This is a Test', 'test', 'desk')", "This is a desk");
        // Divide by zero is an error for exact numbers.
        addCase("decimal divided by zero", "SELECT CAST(1 AS decimal(5,0)) / 0", "error: Divide by zero error encountered.");
    }

    void givesSqlServersResults()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, expected);
        QCOMPARE(outcome(tsql), expected);
    }

    // Not a documented example but the point of exact decimals: 29 digits survive an addition and the
    // conversion to text (DECIMAL(38,9) + DECIMAL(38,9) is DECIMAL(38,9): 38 - 29 integral digits).
    void keepsDigitsBeyondADouble()
    {
        QCOMPARE(outcome("SELECT CAST(CAST('12345678901234567890.123456789' AS DECIMAL(38, 9))"
                         " + CAST('0.000000001' AS DECIMAL(38, 9)) AS NVARCHAR(60))"),
                 QString("12345678901234567890.123456790"));
    }
};

QTEST_GUILESS_MAIN(TsqlSqlServerExamples)
#include "test_TsqlSqlServerExamples.moc"
