// The company database as the command line is given it: a path is a file name whatever characters it
// holds, a connection string written into a path names no server, a pipe is refused rather than waited on,
// a log-mode database in a folder nobody may write into is read as it stands, a password given for SQL
// Server never shows, and what the user asked wrongly is a refusal with its own status.

#include "QuorvaneProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

class DatabaseFilesAndNamesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString demo_, selection_;

    QString file(const QString& name, const QByteArray& content)
    {
        const QString path = dir_.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(content);
        return path;
    }
    QString pipe(const char* name)
    {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        ::mkfifo(QFile::encodeName(path).constData(), 0644);
        return path;
    }
    static QJsonObject totals(const Outcome& run)
    {
        return QJsonDocument::fromJson(run.out.toUtf8()).object().value("totals").toObject();
    }

private slots:
    void initTestCase()
    {
        demo_ = dir_.filePath("demo.db");
        QCOMPARE(quorvane({"demo-db", demo_, "--lines", "300"}).status, 0);
        selection_ = file("all.json", R"({"company": 1, "CBO_SELCONTOVDS": "2"})");
    }

    void aPathIsAFileNameWhateverItHolds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("semicolon") << "semi;colon.db";
        QTest::newRow("trailing blank") << "ends in a blank.db ";
        QTest::newRow("uri words") << "file:x.db?mode=rwc&immutable=1#y";
        QTest::newRow("quotes and percent") << "it's \"quoted\" 100%.db";
        QTest::newRow("option words") << "Provider=ODBC;Mode=ReadWrite.db";
    }
    void aPathIsAFileNameWhateverItHolds()
    {
        QFETCH(QString, name);
        const QString path = dir_.filePath(name);
        QVERIFY(QFile::copy(demo_, path));
        const Outcome run = quorvane({"run", "--db", path, "--selection", selection_});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(totals(run), totals(quorvane({"run", "--db", demo_, "--selection", selection_})));
        QVERIFY(QFile::remove(path));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files).filter(name.left(4)), QStringList());
    }

    void aConnectionStringWrittenIntoAPathIsAMissingFile()
    {
        const QString path = demo_ + ";Provider=ODBC;Driver={FreeTDS};Server=erp";
        const Outcome run = quorvane({"sql", "--db", path, "--selection", selection_});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(path + " does not exist"), qPrintable(run.err));
    }

    void aPasswordGivenForTheServerNeverShows_data()
    {
        QTest::addColumn<QString>("connection");
        QTest::newRow("no such driver") << "Driver={No Such Driver};Server=erp;UID=ann;PWD={s3c;ret}";
        QTest::newRow("no driver at all") << "Server=erp;UID=ann;Password=\"s3c;ret\"";
    }
    void aPasswordGivenForTheServerNeverShows()
    {
        QFETCH(QString, connection);
        const Outcome run = quorvane({"run", "--connect", connection, "--selection", selection_});
        QCOMPARE(run.status, 3);
        QVERIFY2(!run.err.contains("s3c") && !run.err.contains("ret"), qPrintable(run.err));
        QCOMPARE(quorvane({"run", "--connect", connection, "--db", demo_, "--selection", selection_}).status, 1);
    }

    void aPipeIsRefusedNotWaitedOn()
    {
        const QString database = pipe("database.db"), selection = pipe("selection.json");
        const Outcome asDatabase = quorvane({"sql", "--db", database, "--selection", selection_}, {}, 20000);
        QCOMPARE(asDatabase.status, 3);
        QVERIFY2(asDatabase.err.contains(database + " is a pipe or a device"), qPrintable(asDatabase.err));
        const Outcome asSelection = quorvane({"sql", "--db", demo_, "--selection", selection}, {}, 20000);
        QCOMPARE(asSelection.status, 1);
        QVERIFY2(asSelection.err.contains(selection), qPrintable(asSelection.err));
    }

    void whatTheUserAskedWronglyIsARefusal_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("selection");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown company") << QStringList{"--company", "99"} << QByteArray(R"({"CBO_SELCONTOVDS": "2"})")
                                         << 2 << "Company 99";
        QTest::newRow("grouping row twice")
            << QStringList{}
            << QByteArray(R"({"company": 1, "CBO_SELCONTOVDS": "2", "ADVO_ORDINAMENTI": [
                 {"caption": "C.d.C.", "group": true}, {"caption": "C.d.C.", "group": true}]})")
            << 1 << "ADVO_ORDINAMENTI: the row \"C.d.C.\" is chosen twice";
        QTest::newRow("control character in the account")
            << QStringList{} << QByteArray("{\"company\": 1, \"TXT_CONTO\": \"01\\t\"}") << 1 << "\"TXT_CONTO\"";
    }
    void whatTheUserAskedWronglyIsARefusal()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, selection);
        QFETCH(int, status);
        QFETCH(QString, named);
        const Outcome run =
            quorvane(QStringList{"run", "--db", demo_, "--selection", file("asked.json", selection)} + args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
    }

    // As the ERP leaves it: the database in write-ahead-log mode, its folder closed to the user who reads it
    // (root may write anywhere, so the command runs as nobody then).
    void aLogModeDatabaseInAFolderNobodyMayWriteIsReadAsItStands()
    {
        const QString folder = dir_.filePath("closed"), path = folder + "/wal.db";
        QVERIFY(QDir().mkpath(folder) && QFile::copy(demo_, path));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir_.path()).constData(), 0755) == 0);
        const QStringList args{"run", "--db", path, "--selection", selection_};
        const Outcome run = ::geteuid() != 0 ? quorvane(args)
                                             : runProgram("setpriv", QStringList{"--reuid=65534", "--regid=65534",
                                                                                 "--clear-groups", QUORVANE_EXECUTABLE}
                                                                         + args);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(totals(run), totals(quorvane({"run", "--db", demo_, "--selection", selection_})));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"wal.db"});
    }
};

QTEST_GUILESS_MAIN(DatabaseFilesAndNamesTest)
#include "test_database_files_and_names.moc"
