// The company database as the command line is given it: a path is a file name whatever characters it
// holds, a connection string written into a path names no server, a pipe is refused rather than waited on,
// a log-mode database in a folder nobody may write into is read as it stands, a password given for SQL
// Server never shows, what the user asked wrongly is a refusal with its own status and a limits grid of any
// length is processed. The same database
// reached through a real ODBC driver (the SQLite one) gives the same ledger, print and export; an output
// replaces only a regular file or a new name, never the database it reads.

#include "QuorvaneProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Grouped by cost centre and month, so that the outputs hold groups, totals and lines.
const QByteArray groupedSelection = R"({"company": 1, "CBO_SELCONTOVDS": "2", "ADVO_ORDINAMENTI": [
    {"caption": "C.d.C.", "group": true}, {"caption": "Data reg.", "group": true, "period": 3}]})";

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
    static QByteArray fileBytes(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
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
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");
        const QStringList run{"run", "--selection", selection_, "--connect"};
        QTest::newRow("no such driver") << run + QStringList{"Driver={No Such Driver};Server=erp;UID=ann;PWD={s3c;ret}"}
                                        << 3 << "the ODBC driver \"No Such Driver\" is not installed";
        QTest::newRow("no driver at all") << run + QStringList{"Server=erp;UID=ann;Password=\"s3c;ret\""} << 3
                                          << "Unknown kind of connection string";
        QTest::newRow("no company tables") << run + QStringList{"Driver=SQLite3;Database=" + dir_.filePath("new.db") + ";PWD={s3c;ret}"}
                                           << 3 << "new.db";
        QTest::newRow("string as a file") << QStringList{"tsql", "--db", "Driver=FreeTDS;Server=erp;PWD={s3c;ret}"}
                                          << 2 << "Server=erp;PWD=****";
    }
    void aPasswordGivenForTheServerNeverShows()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, named);
        const Outcome run = quorvane(args, "SELECT 1 AS one");
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
        QVERIFY2(!run.err.contains("s3c") && !run.err.contains("ret"), qPrintable(run.err));
    }

    // Debian's SQLite ODBC driver is a real driver, registered by its package in unixODBC's odbcinst.ini:
    // the server it reaches says it is SQLite, so the statements are translated as for the file itself.
    void theSameDatabaseThroughOdbcGivesTheSameLedger_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("output");
        QTest::newRow("run") << QStringList{"run", "--format", "json", "--rows"} << QString();
        QTest::newRow("export") << QStringList{"export", "--csv"} << "ledger.csv";
        QTest::newRow("print") << QStringList{"print", "--counterparts", "--pdf"} << "ledger.pdf";
    }
    void theSameDatabaseThroughOdbcGivesTheSameLedger()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, output);
        const auto result = [&](const QStringList& database) {
            const QString path = dir_.filePath(database.first().mid(2) + "-" + output);
            const Outcome run = quorvane(args + (output.isEmpty() ? QStringList{} : QStringList{path}) + database
                                         + QStringList{"--selection", file("grouped.json", groupedSelection)});
            if (run.status != 0)
                return "status " + QString::number(run.status) + ": " + run.err;
            if (!path.endsWith(".pdf"))
                return output.isEmpty() ? run.out : QString::fromUtf8(fileBytes(path));
            return runProgram("pdftotext", {"-layout", path, "-"}).out;
        };
        const QString embedded = result({"--db", demo_});
        QVERIFY(embedded.size() > 1000);
        QCOMPARE(result({"--connect", "Driver=SQLite3;Database=" + demo_ + ";PWD={s3c;ret}"}), embedded);
    }

    // What is at an output's path: a regular file or a new name is written; a symbolic link is followed and
    // stays a link; anything else, and the database read under any of its names, is refused with status 4,
    // left as it was, and no temporary file stays beside it. A file that cannot grow fails the same way,
    // with the cause in the export's own words.
    void anOutputReplacesOnlyARegularFileOrANewName_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");
        for (const QString command : {"--xlsx", "--csv", "--pdf"}) {
            const QByteArray c = command.toLatin1();
            QTest::addRow("%s new name", c.constData()) << command << "new" << QString();
            QTest::addRow("%s regular file", c.constData()) << command << "file" << QString();
            QTest::addRow("%s link to a file", c.constData()) << command << "link to file" << QString();
            QTest::addRow("%s folder", c.constData()) << command << "folder" << "it is a folder";
            QTest::addRow("%s pipe", c.constData()) << command << "pipe" << "it is a pipe";
            QTest::addRow("%s device", c.constData()) << command << "device" << "it is a device";
            QTest::addRow("%s the database", c.constData()) << command << "database" << "which this command reads";
            QTest::addRow("%s the database linked", c.constData()) << command << "link to database" << "which this command reads";
            QTest::addRow("%s the database's other name", c.constData()) << command << "hard link to database" << "which this command reads";
            QTest::addRow("%s link to nothing", c.constData()) << command << "dangling link" << "points to no file";
            QTest::addRow("%s no room", c.constData())
                << command << "no room"
                << (command == "--xlsx" ? "the spreadsheet could not be written whole"
                                        : command == "--csv" ? "File too large" : "it could not be completed");
        }
    }
    void anOutputReplacesOnlyARegularFileOrANewName()
    {
        QFETCH(QString, command);
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        QTemporaryDir folder;
        const QString path = folder.filePath("out"), database = folder.filePath("company.db");
        QVERIFY(QFile::copy(demo_, database));
        const QByteArray out = QFile::encodeName(path);
        if (kind == "file")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        else if (kind == "link to file")
            QVERIFY(QFile(folder.filePath("real")).open(QIODevice::WriteOnly) && QFile::link("real", path));
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(out.constData(), 0644), 0);
        else if (kind == "device" && ::mknod(out.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("only root makes a device node");
        else if (kind == "database")
            QVERIFY(QFile::rename(database, path) && QFile::link(path, database));
        else if (kind == "link to database")
            QVERIFY(QFile::link(database, path));
        else if (kind == "hard link to database")
            QCOMPARE(::link(QFile::encodeName(database).constData(), out.constData()), 0);
        else if (kind == "dangling link")
            QVERIFY(QFile::link(folder.filePath("nothing"), path));
        struct stat before {};
        ::lstat(out.constData(), &before);
        const QStringList print{"print", "--db", database, "--selection", selection_, "--pdf", path};
        const QStringList exporting{"export", "--db", database, "--selection", selection_, command, path};
        const QStringList args = command == "--pdf" ? print : exporting;
        // The file may not grow past a few kilobytes: its writes fail as on a full disk.
        const Outcome run = kind != "no room"
                                ? quorvane(args, {}, 20000)
                                : runProgram("sh", QStringList{"-c", "ulimit -f 8; trap '' XFSZ; exec \"$0\" \"$@\"",
                                                               QUORVANE_EXECUTABLE} + args);
        struct stat after {};
        ::lstat(out.constData(), &after);
        if (refusal.isEmpty()) {
            QVERIFY2(run.status == 0, qPrintable(run.err));
            QCOMPARE(after.st_mode & S_IFMT, kind == "link to file" ? S_IFLNK : S_IFREG);
            QVERIFY(QFileInfo(path).size() > 100);
        } else {
            QCOMPARE(run.status, 4);
            QVERIFY2(run.err.contains(path + ": ") && run.err.contains(refusal) && !run.err.contains("[ERROR]"),
                     qPrintable(run.err));
            QCOMPARE(after.st_mode, before.st_mode);
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(after.st_size, before.st_size);
        }
        const QStringList hidden = QDir(folder.path()).entryList(QDir::Hidden | QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).filter(QRegularExpression("^\\."));
        QCOMPARE(hidden, QStringList());
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

    void whatTheUserAskedIsProcessedOrRefusedWithItsStatus_data()
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
        QByteArray manyRows;   // far more than SQLite's parser would hold as one nested OR
        for (int row = 0; row < 1000; ++row)
            manyRows += (row ? ", " : "") + QByteArray("{\"caption\": \"Causale\", \"section\": \"A\", \"from\": \"C")
                        + QByteArray::number(row) + "\"}";
        QTest::newRow("a thousand limits on one column")
            << QStringList{} << QByteArray(R"({"company": 1, "CBO_SELCONTOVDS": "2", "ADVQ_LIMITI": [)" + manyRows + "]}")
            << 0 << "";
        QTest::newRow("control character in the account")
            << QStringList{} << QByteArray("{\"company\": 1, \"TXT_CONTO\": \"01\\t\"}") << 1 << "\"TXT_CONTO\"";
    }
    void whatTheUserAskedIsProcessedOrRefusedWithItsStatus()
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
