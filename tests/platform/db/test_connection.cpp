// The database connection as the window uses it: T-SQL command texts in, typed disconnected record sets out,
// temporary tables private to the connection, read-only company files, and clear errors.

#include "db/BulkWriter.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "db/EngineFailure.h"
#include "db/Error.h"
#include "db/SqliteConnection.h"

#include <sqlite3.h>

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using db::Connection;
using db::DataType;

class ConnectionTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }
    std::unique_ptr<Connection> openFile(const std::string& file, bool readOnly = false)
    {
        return Connection::open("Provider=SQLite;Data Source=" + file + (readOnly ? ";Mode=ReadOnly" : ""));
    }
    QByteArray digest(const std::string& file)
    {
        QFile f(QString::fromStdString(file));
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    // A small ledger table with a date, a money amount and a description, some of them NULL or empty.
    void createLedger(Connection& c)
    {
        c.Execute("CREATE TABLE RIGHE (NUMREG NVARCHAR(10) NOT NULL, DATAREG DATETIME NULL, "
                  "IMPORTO DECIMAL(18,2) NULL, DESCR NVARCHAR(40) NULL, SEGNO SMALLINT NULL)");
        c.Execute("INSERT INTO RIGHE (NUMREG, DATAREG, IMPORTO, DESCR, SEGNO) VALUES "
                  "('A1', '20240115', 310.00, 'Affitto', 0), ('A2', '20240229', 0.10, '', 0), "
                  "('A3', NULL, NULL, NULL, 1)");
    }

private slots:
    void refusesConnectionStringsItCannotUse_data()
    {
        QTest::addColumn<QString>("connectionString");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("no provider or driver") << "Data Source=x.db" << "Unknown kind of connection string";
        QTest::newRow("no data source") << "Provider=SQLite" << "no Data Source";
        QTest::newRow("read-only missing file") << "Provider=SQLite;Data Source=/nonexistent/dir/co.db;Mode=ReadOnly"
                                                << "/nonexistent/dir/co.db";
    }
    void refusesConnectionStringsItCannotUse()
    {
        QFETCH(QString, connectionString);
        QFETCH(QString, messagePart);
        try {
            Connection::open(connectionString.toStdString());
            QFAIL("the connection opened");
        } catch (const db::Error& e) {
            QVERIFY2(QString::fromStdString(e.what()).contains(messagePart), e.what());
        }
    }

    void keepsItsConnectionStringReadable()
    {
        std::string cs = "Provider=SQLite;Data Source=" + path("cs.db");
        QCOMPARE(Connection::open(cs)->connectionString(), cs);
    }

    // Keys and values as OLE DB and ODBC write them: quoted, braced, blanks around.
    void readsQuotedValuesAndMasksPasswords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dataSource");
        QTest::addColumn<QString>("masked");
        QTest::newRow("plain") << "Provider=SQLite; Data Source = a b.db ;PWD=x" << "a b.db"
                               << "Provider=SQLite; Data Source = a b.db ;PWD=****";
        QTest::newRow("double quotes") << "Data Source=\"semi;colon \"\"q\"\" .db \";Password=\"p;w\"" << "semi;colon \"q\" .db "
                                       << "Data Source=\"semi;colon \"\"q\"\" .db \";Password=****";
        QTest::newRow("braces") << "Driver={FreeTDS};Server=h;pwd={a;}}b};UID=u" << ""
                                << "Driver={FreeTDS};Server=h;pwd=****;UID=u";
        QTest::newRow("quoted inside a message") << "cannot open: Server=h; PWD = 'it''s';" << ""
                                                 << "cannot open: Server=h; PWD =****;";
    }
    void readsQuotedValuesAndMasksPasswords()
    {
        QFETCH(QString, text);
        QFETCH(QString, dataSource);
        QFETCH(QString, masked);
        QCOMPARE(QString::fromStdString(db::ConnectionString(text.toStdString()).value("data source")), dataSource);
        QCOMPARE(QString::fromStdString(db::maskPasswords(text.toStdString())), masked);
    }

    // Another program holds the file past the wait: the statement is told the file is busy, naming it; once
    // the program lets go, the same connection reads the table it could not see before.
    void aBusyFileIsNamedAndNothingIsRememberedOfIt()
    {
        const std::string file = path("busy.db");
        auto writer = openFile(file);
        createLedger(*writer);
        auto reader = Connection::open(db::embeddedDatabase(file, db::Access::ReadOnly) + ";Busy Timeout=100");
        sqlite3* handle = dynamic_cast<db::SqliteConnection&>(*writer).handle();
        QCOMPARE(sqlite3_exec(handle, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        try {
            reader->Open("SELECT COUNT(*) AS N FROM RIGHE");
            QFAIL("a locked file was read");
        } catch (const db::EngineFailure& e) {
            QVERIFY2(QString::fromStdString(e.what()).contains(QString::fromStdString(file + " is busy")), e.what());
        }
        QCOMPARE(sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
        QCOMPARE(reader->Open("SELECT COUNT(*) AS N FROM RIGHE").value("N").asInt(), 3LL);
    }

    void readsRowsBackWithTheirTypes()
    {
        auto c = openFile(path("types.db"));
        createLedger(*c);
        db::Recordset rows = c->Open("SELECT NUMREG, DATAREG, IMPORTO, DESCR, SEGNO FROM RIGHE WITH (NOLOCK) "
                                     "ORDER BY NUMREG");
        QCOMPARE(rows.RecordCount(), 3L);
        QCOMPARE(rows.field(1).type, DataType::DateTime);
        QCOMPARE(rows.field(2).type, DataType::Decimal);
        QCOMPARE(rows.field(2).scale, 2);
        QCOMPARE(rows.field(3).type, DataType::Text);
        QCOMPARE(rows.field(3).definedSize, 40);
        QCOMPARE(rows.value("DATAREG").asDateTime().toIsoDate(), std::string("2024-01-15"));
        QCOMPARE(rows.value("IMPORTO").asDecimal().toString(), std::string("310.00"));
        rows.MoveNext();
        QCOMPARE(rows.value("DATAREG").asDateTime().toIsoDate(), std::string("2024-02-29"));
        QVERIFY(rows.value("DESCR").isText());
        QCOMPARE(rows.value("DESCR").asText(), std::string());
        rows.MoveNext();
        QVERIFY(rows.value("DATAREG").isNull());
        QVERIFY(rows.value("IMPORTO").isNull());
        QVERIFY(rows.value("DESCR").isNull());
    }

    // DECIMAL(20,18) holds 10 as 10^19 units, past 64 bits: the movement set keeps such a value exact,
    // and sorts and filters it among the others.
    void keepsDecimalsBeyondSixtyFourBits()
    {
        auto c = openFile(path("wide.db"));
        c->Execute("SELECT CAST(10 AS DECIMAL(20,18)) AS V INTO #LARGE");
        c->Execute("INSERT INTO #LARGE (V) VALUES (2.5), (-12), (NULL), (10)");
        db::Recordset rows = c->Open("SELECT V FROM #LARGE");
        rows.Sort("V DESC");
        QStringList values;
        for (long r = 0; r < rows.RecordCount(); ++r)
            values << QString::fromStdString(rows.valueAt(r, 0).toText());
        QCOMPARE(values.join(";"), QString("10.000000000000000000;10.000000000000000000;2.500000000000000000;"
                                           "-12.000000000000000000;"));
        rows.Filter("V > 2.5");
        QCOMPARE(rows.RecordCount(), 2L);
        rows.Filter("V < 2.6 AND V > -12");
        QCOMPARE(rows.RecordCount(), 1L);
    }

    void unnamedAndRepeatedColumnsAreReachedByPosition()
    {
        auto c = openFile(path("names.db"));
        db::Recordset rows = c->Open("SELECT 1, 2 AS X, 3 AS x");
        QCOMPARE(rows.fieldCount(), 3);
        QCOMPARE(rows.field(0).name, std::string());
        QCOMPARE(rows.fieldIndex("X"), 1);
        QCOMPARE(rows.value(2).asInt(), 3LL);
    }

    void executeAnswersTheRowsAffected()
    {
        auto c = openFile(path("affected.db"));
        createLedger(*c);
        QCOMPARE(c->Execute("INSERT INTO RIGHE (NUMREG) VALUES ('B1')"), 1L);
        QVERIFY(!c->Open("INSERT INTO RIGHE (NUMREG) VALUES ('B2')").isOpen());
    }

    void failedStatementCarriesTheEngineMessageAndTheStatement()
    {
        auto c = openFile(path("errors.db"));
        const std::string bad = "SELECT NOSUCHCOLUMN FROM NOSUCHTABLE";
        try {
            c->Open(bad);
            QFAIL("the statement ran");
        } catch (const db::Error& e) {
            QCOMPARE(e.statement(), bad);
            QVERIFY(QString::fromStdString(e.what()).contains("NOSUCHTABLE", Qt::CaseInsensitive));
        }
        QCOMPARE(c->Open("SELECT 1 AS UNO").value("UNO").asInt(), 1LL);  // still usable afterwards

        // A statement of several steps stopped by a full temporary space says so, whatever its undo meets.
        createLedger(*c);
        sqlite3_exec(dynamic_cast<db::SqliteConnection&>(*c).handle(), "PRAGMA temp.max_page_count = 1", nullptr,
                     nullptr, nullptr);
        try {
            c->Execute("SELECT NUMREG, IMPORTO INTO #MOVIMENTI FROM RIGHE");
            QFAIL("the working table was made in a full temporary space");
        } catch (const db::Error& e) {
            QVERIFY2(QString::fromStdString(e.what()).contains("full"), e.what());
        }
    }

    void temporaryTableBelongsToItsConnection()
    {
        std::string file = path("temp.db");
        auto first = openFile(file);
        createLedger(*first);
        auto second = openFile(file);
        first->Execute("SELECT NUMREG, IMPORTO INTO #MOVIMENTI FROM RIGHE WITH (NOLOCK) WHERE SEGNO = 0");
        QCOMPARE(first->Open("SELECT * FROM #MOVIMENTI").RecordCount(), 2L);
        QVERIFY_THROWS_EXCEPTION(db::Error, second->Open("SELECT * FROM #MOVIMENTI"));
        first->Execute(" DROP TABLE #MOVIMENTI ");
        QVERIFY_THROWS_EXCEPTION(db::Error, first->Execute(" DROP TABLE #MOVIMENTI "));
    }

    void closingDropsTheWorkingTable()
    {
        std::string file = path("close.db");
        auto c = openFile(file);
        createLedger(*c);
        c->Execute("SELECT NUMREG INTO #MOVIMENTI FROM RIGHE");
        c->Close();
        c->Close();
        QVERIFY(!c->isOpen());
        QVERIFY_THROWS_EXCEPTION(db::Error, c->Open("SELECT * FROM #MOVIMENTI"));
        auto again = openFile(file);
        QVERIFY_THROWS_EXCEPTION(db::Error, again->Open("SELECT * FROM #MOVIMENTI"));
    }

    void readOnlyCompanyFileStaysUntouchedWhileTheWorkingTableWorks()
    {
        std::string file = path("readonly.db");
        createLedger(*openFile(file));
        QByteArray before = digest(file);
        {
            auto c = openFile(file, true);
            c->Execute("SELECT NUMREG, IMPORTO INTO #MOVIMENTI FROM RIGHE WITH (NOLOCK)");
            QCOMPARE(c->Open("SELECT * FROM #MOVIMENTI").RecordCount(), 3L);
            QVERIFY_THROWS_EXCEPTION(db::Error, c->Execute("INSERT INTO RIGHE (NUMREG) VALUES ('X')"));
        }
        QCOMPARE(digest(file), before);
    }

    void bulkWriterStoresValuesAsTheDialectReadsThem()
    {
        auto c = openFile(path("bulk.db"));
        createLedger(*c);
        {
            db::BulkWriter writer(*c, "RIGHE", {"NUMREG", "DATAREG", "IMPORTO", "DESCR"});
            for (int i = 0; i < 1000; ++i)
                writer.addRow({std::string("W") + std::to_string(i), db::DateTime::fromCivil(2023, 12, 31),
                               db::Decimal{1, 2}, db::Value::null()});
            writer.finish();
        }
        db::Recordset sums = c->Open("SELECT COUNT(*) AS N, SUM(IMPORTO) AS TOT FROM RIGHE "
                                     "WHERE DATAREG = '20231231'");
        QCOMPARE(sums.value("N").asInt(), 1000LL);
        QCOMPARE(sums.value("TOT").asDecimal().toString(), std::string("10.00"));
    }

    void bulkWriterRollsBackAnUnfinishedLoadAndRefusesShortRows()
    {
        auto c = openFile(path("bulk2.db"));
        createLedger(*c);
        {
            db::BulkWriter writer(*c, "RIGHE", {"NUMREG", "SEGNO"});
            writer.addRow({"Z1", 0});
            QVERIFY_THROWS_EXCEPTION(db::Error, writer.addRow({"Z2"}));
        }
        QCOMPARE(c->Open("SELECT COUNT(*) AS N FROM RIGHE").value("N").asInt(), 3LL);
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "test_connection.moc"
