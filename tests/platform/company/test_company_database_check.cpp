// Opening a company database: a missing or foreign file is refused with a message naming the file and
// what is wrong; a read-only session that extracts into a temporary table leaves the file as it was.

#include "company/DatabaseCheck.h"
#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "db/Error.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The message of the check's refusal, or "" when the file passes.
QString refusal(const QString& path)
{
    try {
        company::checkCompanyDatabase(path.toStdString());
        return {};
    } catch (const db::Error& e) {
        return QString::fromUtf8(e.what());
    }
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class CompanyDatabaseCheckTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString demo_;

    void make(const QString& name, const QString& path)
    {
        QFile demo(demo_);
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QByteArray bytes = demo.readAll();
        if (name == "notes.txt")
            writeFile(path, "Appunti: non è un database.\n");
        else if (name == "empty.db")
            writeFile(path, {});
        else if (name == "truncated.db")
            writeFile(path, bytes.left(bytes.size() / 2));
        else if (name == "garbled.db")
            writeFile(path, bytes.left(2048) + QByteArray(2048, '\x5a') + bytes.mid(4096));
        else if (name == "folder.db")
            QVERIFY(QDir().mkpath(path));
        else if (name == "pipe.db")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (name == "foreign.db")
            db::Connection::open(db::embeddedDatabase(path.toStdString(), db::Access::ReadWrite))
                ->Execute("CREATE TABLE RUBRICA (NOME NVARCHAR(40) NULL)");
        else if (name == "older.db")
            olderDemo(path);
    }

    // The demo database as an older build left it, before the warehouse document lines.
    void olderDemo(const QString& path)
    {
        QVERIFY(QFile::copy(demo_, path));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "DROP TABLE DO30_DOCCORPO", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        demo_ = dir_.filePath("demo.db");
        company::DemoOptions options;
        options.linesPerCompany = 300;
        company::createDemoDatabase(demo_.toStdString(), options);
    }

    void theDemoDatabasePasses() { QCOMPARE(refusal(demo_), QString()); }

    void aMissingFileIsNamed()
    {
        QString path = dir_.filePath("nowhere.db");
        QString message = refusal(path);
        QVERIFY(message.contains(path));
        QVERIFY(message.contains("does not exist"));
    }

    // Each bad file is named with what is wrong with it; the file itself is made by `make`.
    void badFilesAreNamedWithWhatIsWrong_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("what");
        QTest::newRow("text") << "notes.txt" << "is not a SQLite file.";
        QTest::newRow("empty") << "empty.db" << "is not a SQLite file.";
        QTest::newRow("truncated") << "truncated.db" << "is damaged";
        QTest::newRow("garbled schema page") << "garbled.db" << "is damaged";
        QTest::newRow("folder") << "folder.db" << "is a folder";
        QTest::newRow("pipe") << "pipe.db" << "is a pipe or a device";
        QTest::newRow("foreign") << "foreign.db" << "is not a company database: it holds none of the 72 objects";
        QTest::newRow("older schema") << "older.db"
                                      << "lacks 1 of the 72 objects of the company schema: table DO30_DOCCORPO.";
    }
    void badFilesAreNamedWithWhatIsWrong()
    {
        QFETCH(QString, name);
        QFETCH(QString, what);
        const QString path = dir_.filePath(name);
        make(name, path);
        const QString message = refusal(path);
        QVERIFY2(message.contains(path + " " + what), qPrintable(message));
    }

    void aReadOnlyExtractionLeavesTheFileAsItWas()
    {
        QByteArray before = fileDigest(demo_);
        auto connection = db::Connection::open("Provider=SQLite;Data Source=" + demo_.toStdString() + ";Mode=ReadOnly");
        connection->Execute(
            "SELECT IDENTITY(INT,1,1) AS ID, CI12_NUMREG_CO99, CI12_DATAREG, CI13_PROGRIGA, CI13_IMPORTO,"
            " CONTO.PC03_DESCR AS DESCRCONTO, PC04_VDS.PC04_INDCOSTORIC AS PC04_INDCOSTORIC_VDS"
            " INTO #MOVIMENTI"
            " FROM CI12_MOVTESTATA WITH (NOLOCK)"
            " INNER JOIN CI13_MOVCORPO WITH (NOLOCK) ON CI12_DITTA_CG18 = CI13_DITTA_CG18 AND CI12_NUMREG_CO99 = CI13_NUMREG_CO99"
            " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODPDC_PC01, CI13_CONTO_PC03, CI13_DITTA_CG18, NULL) AS CONTO"
            " CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03, CI13_DITTA_CG18, NULL) AS VDS"
            " CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_DITTA_CG18) AS PC04_VDS"
            " WHERE CI12_DITTA_CG18 = 1");
        db::Recordset rows = connection->Open("SELECT * FROM #MOVIMENTI");
        QVERIFY(rows.RecordCount() > 0);
        QVERIFY(rows.RecordCount() < 300);   // lines without a chart row are dropped by the inner applies
        connection->Close();
        QCOMPARE(fileDigest(demo_), before);
    }
};

QTEST_GUILESS_MAIN(CompanyDatabaseCheckTest)
#include "test_company_database_check.moc"
