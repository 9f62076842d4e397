// The demo company group holds what the inquiry needs to be tried on: each property is counted with T-SQL
// through the dialect layer on a small database. The same seed gives the same content.

#include "company/DemoDatabase.h"
#include "company/SchemaScript.h"
#include "db/Connection.h"
#include "db/Error.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <cstdint>
#include <memory>

namespace {

constexpr long linesPerCompany = 1200;

std::unique_ptr<db::Connection> openReadOnly(const QString& path)
{
    return db::Connection::open("Provider=SQLite;Data Source=" + path.toStdString() + ";Mode=ReadOnly");
}

long count(db::Connection& connection, const std::string& query)
{
    db::Recordset rows = connection.Open(query);
    return rows.EOF_() ? 0 : static_cast<long>(rows.value("N").toDouble());
}

// FNV-1a over every value of every table, in storage order.
std::uint64_t contentDigest(db::Connection& connection)
{
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](const std::string& text) {
        for (unsigned char c : text)
            hash = (hash ^ c) * 1099511628211ull;
        hash = (hash ^ 0xFF) * 1099511628211ull;
    };
    for (const company::SchemaObject& object : company::schemaObjects()) {
        if (object.kind != company::SchemaObject::Kind::Table)
            continue;
        mix(object.name);
        db::Recordset rows = connection.Open("SELECT * FROM " + object.name);
        for (; !rows.EOF_(); rows.MoveNext())
            for (int i = 0; i < rows.fieldCount(); ++i)
                mix(rows.value(i).isNull() ? std::string("\x01NULL") : rows.value(i).toText());
    }
    return hash;
}

const char* const natureJoin =
    " FROM CI13_MOVCORPO CROSS APPLY FNPC03_ANAGPDC_COAN(CI13_CODVDS_PC01, CI13_VDS_PC03, CI13_DITTA_CG18, NULL) AS VDS"
    " CROSS APPLY FNPC04_NATURECOSTI(VDS.PC03_NATURA_PC04, CI13_DITTA_CG18) AS PC04_VDS";

const char* const registryAtDocumentDate =
    " FROM CI12_MOVTESTATA LEFT OUTER JOIN VCG16_ANAGRALLADATA AS A"
    " ON A.CG44_DITTA_CG18 = CI12_DITTACF_CG44 AND A.CG44_CLIFOR = CI12_CLIFOR_CG44 AND A.CG44_TIPOCF = CI12_TIPOCF_CG44"
    " AND ISNULL(CI12_DATADOC, CI12_DATAREG) >= ISNULL(A.DATAINIZIOVALIDITA, '17530101')"
    " AND ISNULL(CI12_DATADOC, CI12_DATAREG) <= ISNULL(A.DATAFINEVALIDITA, '99991231')"
    " WHERE CI12_TIPOCF_CG44 IS NOT NULL";

} // namespace

class DemoDatabaseTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<db::Connection> connection_;

    QString create(const QString& name, unsigned seed)
    {
        QString path = dir_.filePath(name);
        company::DemoOptions options;
        options.linesPerCompany = linesPerCompany;
        options.seed = seed;
        company::createDemoDatabase(path.toStdString(), options);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        path_ = create("demo.db", 1);
        connection_ = openReadOnly(path_);
    }

    void everyCompanyHasTheLinesAsked_data()
    {
        QTest::addColumn<int>("company");
        QTest::newRow("plain") << 1;
        QTest::newRow("everything on") << 2;
        QTest::newRow("edges") << 3;
    }

    void everyCompanyHasTheLinesAsked()
    {
        QFETCH(int, company);
        QCOMPARE(count(*connection_, "SELECT COUNT(*) AS N FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = "
                                         + std::to_string(company)),
                 linesPerCompany);
    }

    // Each query counts rows in a column N; "present" rows must count at least one, "absent" rows none.
    void dataPropertyHolds_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("present");
        auto row = [](const char* name, const std::string& query, bool present = true) {
            QTest::newRow(name) << QString::fromStdString(query) << present;
        };
        for (int year : {2022, 2023, 2024})
            row(qPrintable(QString("movements of %1").arg(year)),
                "SELECT COUNT(*) AS N FROM CI12_MOVTESTATA WHERE YEAR(CI12_DATAREG) = " + std::to_string(year));
        row("no movement without registration date", "SELECT COUNT(*) AS N FROM CI12_MOVTESTATA WHERE CI12_DATAREG IS NULL", false);
        row("competence across months",
            "SELECT COUNT(*) AS N FROM CI13_MOVCORPO WHERE YEAR(CI13_DADATACOMP) = YEAR(CI13_ADATACOMP)"
            " AND MONTH(CI13_DADATACOMP) < MONTH(CI13_ADATACOMP)");
        row("competence across years",
            "SELECT COUNT(*) AS N FROM CI13_MOVCORPO WHERE YEAR(CI13_DADATACOMP) < YEAR(CI13_ADATACOMP)");
        for (int indicator = 0; indicator <= 4; ++indicator)
            row(qPrintable(QString("cost-or-revenue indicator %1").arg(indicator)),
                std::string("SELECT COUNT(*) AS N") + natureJoin + " WHERE PC04_VDS.PC04_INDCOSTORIC = "
                    + std::to_string(indicator));
        for (int operation : {0, 1})
            row(qPrintable(QString("operation kind %1").arg(operation)),
                "SELECT COUNT(*) AS N FROM CI12_MOVTESTATA OUTER APPLY FNCI03_CAUSALI(CI12_CODCAUS_CI03, CI12_DITTA_CG18)"
                " AS CI03_CAUSALI WHERE CI03_INDOPERAZIONE = " + std::to_string(operation));
        row("customers", "SELECT COUNT(*) AS N FROM CI12_MOVTESTATA WHERE CI12_TIPOCF_CG44 = 0");
        row("suppliers", "SELECT COUNT(*) AS N FROM CI12_MOVTESTATA WHERE CI12_TIPOCF_CG44 = 1");
        row("document date outside every registry version",
            std::string("SELECT COUNT(*) AS N") + registryAtDocumentDate + " AND A.CG44_CLIFOR IS NULL");
        for (int origin = 0; origin <= 6; ++origin)
            row(qPrintable(QString("origin %1").arg(origin)),
                "SELECT COUNT(*) AS N FROM CI12_MOVTESTATA WHERE CI12_INDPROVENIENZA = " + std::to_string(origin));
        const std::string journal = " FROM CI12_MOVTESTATA INNER JOIN CG41_PRIMANOTA ON CG41_DITTA_CG18 = CI12_DITTA_CG18"
                                    " AND CG41_NUMREG = CI12_NUMREG_CO99";
        row("ledger movements with a journal entry", "SELECT COUNT(*) AS N" + journal + " WHERE CI12_INDPROVENIENZA IN (2, 3)");
        row("allocation traces", "SELECT COUNT(*) AS N FROM CI5C_TRACCIARIB");
        row("traces between existing lines only",
            "SELECT COUNT(*) AS N FROM CI5C_TRACCIARIB LEFT OUTER JOIN CI13_MOVCORPO ON CI13_DITTA_CG18 = CI5C_DITTA_CG18"
            " AND CI13_NUMREG_CO99 = CI5C_NUMREGDES_CO99 AND CI13_PROGRIGA = CI5C_PROGRIGADES_CI13 WHERE CI13_PROGRIGA IS NULL",
            false);
        row("cost centres without a chart row",
            "SELECT COUNT(*) AS N FROM CI13_MOVCORPO LEFT OUTER JOIN PC03_ANAGPDC ON PC03_DITTA_CG18 = CI13_DITTA_CG18"
            " AND PC03_CODICE_PC01 = CI13_CODPDC_PC01 AND PC03_CONTO = CI13_CONTO_PC03 WHERE PC03_CONTO IS NULL");
        for (int type = 1; type <= 4; ++type)
            for (int entity : {29, 30})
                row(qPrintable(QString("attribute of type %1 for entity %2").arg(type).arg(entity)),
                    "SELECT COUNT(*) AS N FROM CO5K_ATTRIBUTIDEF WHERE CO5K_DITTA_CG18 = 2 AND CO5K_TIPO = "
                        + std::to_string(type) + " AND CO5K_ENTITA = " + std::to_string(entity));
        row("attributes only in the company that defines them", "SELECT COUNT(*) AS N FROM CO5K_ATTRIBUTIDEF WHERE CO5K_DITTA_CG18 <> 2", false);
        row("lines with an empty variant code", "SELECT COUNT(*) AS N FROM CI13_MOVCORPO WHERE CI13_OPZIONE_MG5E = ''");
        row("line-level sites differing from the header",
            "SELECT COUNT(*) AS N FROM CI12_MOVTESTATA INNER JOIN CI13_MOVCORPO ON CI13_DITTA_CG18 = CI12_DITTA_CG18"
            " AND CI13_NUMREG_CO99 = CI12_NUMREG_CO99 WHERE CI13_SEDE_CG31 <> CI12_SEDE_CG31");
        row("no decimals in the edges company's amounts",
            "SELECT COUNT(*) AS N FROM CI13_MOVCORPO WHERE CI13_DITTA_CG18 = 3 AND CI13_IMPORTO <> ROUND(CI13_IMPORTO, 0)", false);
    }

    void dataPropertyHolds()
    {
        QFETCH(QString, query);
        QFETCH(bool, present);
        long n = count(*connection_, query.toStdString());
        if (present)
            QVERIFY2(n > 0, qPrintable(query));
        else
            QVERIFY2(n == 0, qPrintable(QString::number(n) + " rows: " + query));
    }

    void analyticDimensionIsPartlyFilled_data()
    {
        QTest::addColumn<QString>("column");
        for (const char* column :
             {"CI13_PROGETTO_PD68", "CI13_COMMESSA_PD25", "CI13_DIPENDENTE_PD06", "CI13_NODO_PD0C", "CI13_DEP_MG58",
              "CI13_CODART_MG66", "CI13_OPZIONE_MG5E", "CI13_QTA", "CI13_CODICE_CGC0", "CI13_SEDE_CG31"})
            QTest::newRow(column) << column;
    }

    void analyticDimensionIsPartlyFilled()
    {
        QFETCH(QString, column);
        std::string c = column.toStdString();
        QVERIFY(count(*connection_, "SELECT COUNT(*) AS N FROM CI13_MOVCORPO WHERE " + c + " IS NULL") > 0);
        QVERIFY(count(*connection_, "SELECT COUNT(*) AS N FROM CI13_MOVCORPO WHERE " + c + " IS NOT NULL") > 0);
    }

    void theSameSeedGivesTheSameContent()
    {
        auto again = openReadOnly(create("again.db", 1));
        QCOMPARE(contentDigest(*again), contentDigest(*connection_));
    }

    void anotherSeedGivesOtherContent()
    {
        auto other = openReadOnly(create("other.db", 2));
        QVERIFY(contentDigest(*other) != contentDigest(*connection_));
    }

    // `make run` makes the demo database again when this build's generator did not write it.
    void theGeneratorsStampTellsAnOlderDemoDatabase()
    {
        QVERIFY(company::isCurrentDemoDatabase(path_.toStdString()));
        const QString older = dir_.filePath("older.db");
        QVERIFY(QFile::copy(path_, older));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(older).constData(), &db), SQLITE_OK);
        const std::string pragma = "PRAGMA user_version = " + std::to_string(company::demoDataStamp() + 1);
        QCOMPARE(sqlite3_exec(db, pragma.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        QVERIFY(!company::isCurrentDemoDatabase(older.toStdString()));
        QVERIFY(!company::isCurrentDemoDatabase(dir_.filePath("nowhere.db").toStdString()));
    }

    void anExistingFileIsNotWrittenOver()
    {
        QString path = dir_.filePath("kept.db");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        try {
            company::createDemoDatabase(path.toStdString(), {});
            QFAIL("an existing file was accepted");
        } catch (const db::Error& e) {
            QVERIFY(QString(e.what()).contains(path));
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }

    void anExistingFileIsReplacedWhenAsked()
    {
        QString path = dir_.filePath("replaced.db");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.close();
        company::DemoOptions options;
        options.linesPerCompany = 10;
        options.replaceExisting = true;
        company::createDemoDatabase(path.toStdString(), options);
        auto connection = openReadOnly(path);
        QCOMPARE(count(*connection, "SELECT COUNT(*) AS N FROM CI13_MOVCORPO"), 30L);
    }
};

QTEST_GUILESS_MAIN(DemoDatabaseTest)
#include "test_demo_database.moc"
