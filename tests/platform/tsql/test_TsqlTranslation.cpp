// Refusals outside the subset with their position, the translation cache, and the splitting of scripts.
#include "TsqlDatabase.h"

#include <QtTest>

class TsqlTranslation : public QObject {
    Q_OBJECT

private slots:
    void refusesWithPosition_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::newRow("union") << "SELECT 1\r\nUNION SELECT 2" << "UNION is not supported" << 2 << 1;
        QTest::newRow("update") << "UPDATE T SET A = 1" << "UPDATE is not supported" << 1 << 1;
        QTest::newRow("unknown function") << "SELECT\n  SOUNDEX('a')" << "'SOUNDEX' is not a supported function" << 2 << 3;
        QTest::newRow("unknown hint") << "SELECT 1 FROM T WITH (TABLOCKX)" << "unsupported table hint 'TABLOCKX'" << 1 << 23;
        QTest::newRow("missing ON") << "SELECT 1 FROM T JOIN U WHERE 1 = 1" << "expected ON but found 'WHERE'" << 1 << 24;
        QTest::newRow("unterminated string") << "SELECT 'abc" << "unterminated string" << 1 << 8;
        QTest::newRow("stray character") << "SELECT 1 ? 2" << "unexpected character '?'" << 1 << 10;
        QTest::newRow("bad date part") << "SELECT DATEPART(fortnight, '20240101')" << "'fortnight' is not a recognized date part" << 1 << 17;
        QTest::newRow("top percent") << "SELECT TOP 10 PERCENT 1" << "TOP ... PERCENT is not supported" << 1 << 15;
        QTest::newRow("end of text") << "SELECT 1 +" << "unexpected end of text" << 1 << 11;
        QTest::newRow("window function") << "SELECT A,\n ROW_NUMBER() OVER (ORDER BY A) FROM T"
                                         << "ROW_NUMBER() OVER is not supported" << 2 << 2;
        QTest::newRow("collate clause") << "SELECT 1 FROM T WHERE 'a' COLLATE Latin1_General_CS_AS = 'A'"
                                        << "COLLATE is not supported" << 1 << 27;
        QTest::newRow("variable declaration") << "DECLARE @A INT" << "DECLARE is not supported" << 1 << 1;
        QTest::newRow("table variable") << "SELECT 1 FROM @T" << "a table variable is not supported" << 1 << 15;
        QTest::newRow("paging") << "SELECT A FROM T ORDER BY A OFFSET 10 ROWS" << "OFFSET is not supported" << 1 << 28;
        QTest::newRow("date in another form") << "SELECT 1 FROM T WHERE A > CAST('15/01/2024' AS DATETIME)"
                                              << "the date '15/01/2024' is written in a form that is not supported: write it "
                                                 "as 'YYYYMMDD' or 'YYYY-MM-DD' (with ' HH:MM:SS' after it), or CONVERT it "
                                                 "with its style"
                                              << 1 << 32;
        QTest::newRow("number style") << "SELECT CONVERT(VARCHAR, 1.5, 1)"
                                      << "CONVERT style 1 is not supported from DECIMAL(2,1) to VARCHAR(30)" << 1 << 25;
    }

    void refusesWithPosition()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, message);
        QFETCH(int, line);
        QFETCH(int, column);
        TsqlDatabase db;
        db.run("CREATE TABLE T (A INT); CREATE TABLE U (B INT)");
        try {
            db.dialect().translate(tsql.toStdString());
            QFAIL("no error");
        } catch (const tsql::Error& error) {
            QCOMPARE(QString::fromStdString(error.what()),
                     QString("%1 (line %2, column %3)").arg(message).arg(line).arg(column));
            QCOMPARE(error.line(), line);
            QCOMPARE(error.column(), column);
        }
    }

    void repeatedTextComesFromTheCacheUntilInvalidated()
    {
        TsqlDatabase db;
        db.run("CREATE TABLE T (A INT)");
        auto first = db.dialect().translate("SELECT A FROM T");
        QCOMPARE(db.dialect().translate("SELECT A FROM T").get(), first.get());
        db.dialect().invalidate();
        QVERIFY(db.dialect().translate("SELECT A FROM T").get() != first.get());
    }

    void schemaChangesAreSeenAfterInvalidation()
    {
        TsqlDatabase db;
        db.run("CREATE TABLE T (A INT)");
        QCOMPARE(db.dialect().translate("SELECT * FROM T")->steps.back().columns.size(), size_t(1));
        db.run("DROP TABLE T; CREATE TABLE T (A INT, B INT)");
        QCOMPARE(db.dialect().translate("SELECT * FROM T")->steps.back().columns.size(), size_t(2));
    }

    void splitsScriptsAtGoLines_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("batches");
        QTest::newRow("lf") << "A\nGO\nB\n" << QStringList{"A\n", "B\n"};
        QTest::newRow("crlf, any case, blanks around") << "A\r\n  go  \r\nB" << QStringList{"A\r\n", "B"};
        QTest::newRow("go inside a line is no separator") << "SELECT 1 AS GO\nGO" << QStringList{"SELECT 1 AS GO\n"};
        QTest::newRow("empty batches dropped") << "GO\nGO\nA" << QStringList{"A"};
        QTest::newRow("no separator") << "A" << QStringList{"A"};
    }

    void splitsScriptsAtGoLines()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, batches);
        QStringList actual;
        for (const std::string& batch : tsql::splitBatches(script.toStdString()))
            actual << QString::fromStdString(batch);
        QCOMPARE(actual, batches);
    }
};

QTEST_GUILESS_MAIN(TsqlTranslation)
#include "test_TsqlTranslation.moc"
