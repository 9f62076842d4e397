// The ledger read while the ERP goes on posting into the company database: another process commits a
// movement every few milliseconds, and twenty processings in a row, each checking and opening the database
// as the window does, all succeed; each one's totals, and the totals each node's click shows, equal the sums
// the test writes out over that processing's own lines. The same with the database in write-ahead-log mode.

#include "ServerSums.h"

#include "company/CompanySettings.h"
#include "company/DatabaseCheck.h"
#include "company/DemoDatabase.h"
#include "db/ConnectionString.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/GroupedLedger.h"
#include "engine/MovementExtraction.h"
#include "engine/NodeFilter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

constexpr int company = 1;
constexpr int processings = 20;
constexpr const char* writerPauseMs = "5";

// One processing as the window runs it on a fresh connection: every actual movement of the company,
// grouped by cost centre; then every node clicked. `rows` receives the lines it extracted.
void processAndCheck(const std::string& path, int run, long& rows)
{
    company::checkCompanyDatabase(path);
    const auto connection = db::Connection::open(db::embeddedDatabase(path, db::Access::ReadOnly));
    const company::CompanySettings settings = company::readCompanySettings(*connection, company);
    quorvane::ExtractionRequest request;
    request.settings = quorvane::engineSettingsOf(settings, hostfw::Language::Italian);
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    request.selection.CHK_QUANTITA = "1";
    quorvane::MovementExtraction extraction(*connection);
    quorvane::NoProgress progress;
    QVERIFY(extraction.run(request, progress));
    const bool financial = request.settings.financialAccounting;
    const ServerSums all = serverSums(*connection, financial, "");
    const QString which = QStringLiteral("processing %1").arg(run);
    QVERIFY2(extraction.totals().debit.rescaled(2) == db::Decimal::fromDouble(all.debit, 2), qPrintable(which));
    QVERIFY2(extraction.totals().credit.rescaled(2) == db::Decimal::fromDouble(all.credit, 2), qPrintable(which));

    quorvane::GroupedLedger grouped;
    const quorvane::ChartAccountFormatting accounts(hostfw::ChartDefinitions::read(*connection));
    quorvane::NoGroupTreeProgress treeProgress;
    grouped.ConfigurazioneVisualizzazioneMovimenti(
        {quorvane::groupingColumn("C.d.C.", "CI13_CONTO_PC03")}, extraction.movements(),
        hostfw::Translator(hostfw::Language::Italian), progress);
    grouped.CaricamentoTree(extraction.movements(),
                            quorvane::GroupCaptions({"-", accounts, settings.costCentreChart, settings.expenseItemChart}),
                            treeProgress);
    db::Recordset& movements = extraction.movements();
    for (std::size_t i = 0; i < grouped.tree().size(); ++i) {
        movements.Filter(quorvane::movementFilterOf(grouped.tree().node(i).tag));
        compareToTheCent(quorvane::sumShownRows(movements),
                         serverSums(*connection, financial, sqlCondition(movements.filter())),
                         which + " " + QString::fromStdString(grouped.tree().node(i).tag));
    }
    movements.Filter("");
    rows = all.rows;
}

} // namespace

class ProcessingBesideAWriterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString demo_;

private slots:
    void initTestCase()
    {
        demo_ = dir_.filePath("demo.db");
        company::DemoOptions options;
        options.linesPerCompany = 400;
        company::createDemoDatabase(demo_.toStdString(), options);
    }

    void processingsAndNodeClicksSucceedWhileMovementsArePosted_data()
    {
        QTest::addColumn<bool>("writeAheadLog");
        QTest::newRow("rollback journal") << false;
        QTest::newRow("write-ahead log") << true;
    }
    void processingsAndNodeClicksSucceedWhileMovementsArePosted()
    {
        QFETCH(bool, writeAheadLog);
        const QString path = dir_.filePath(writeAheadLog ? "wal.db" : "journal.db");
        QVERIFY(QFile::copy(demo_, path));
        if (writeAheadLog) {
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        QProcess writer;
        writer.start(QStringLiteral(MOVEMENT_WRITER), {path, QString::fromLatin1(writerPauseMs)});
        QVERIFY(writer.waitForReadyRead(30000));
        std::vector<long> rows;
        std::string failure;
        for (int run = 1; run <= processings && failure.empty() && !QTest::currentTestFailed(); ++run) {
            try {
                processAndCheck(path.toStdString(), run, rows.emplace_back());
            } catch (const std::exception& e) {
                failure = "processing " + std::to_string(run) + ": " + e.what();
            }
        }
        const bool stillWriting = writer.state() == QProcess::Running;
        writer.kill();
        writer.waitForFinished();
        QVERIFY2(failure.empty(), failure.c_str());
        QVERIFY2(stillWriting, writer.readAllStandardError().constData());
        QCOMPARE(rows.size(), std::size_t(processings));
        // The writer's movements reached the later processings: they were read while it wrote.
        QVERIFY2(rows.front() > 0 && rows.back() > rows.front(), qPrintable(QString::number(rows.back())));
        qInfo("%d processings beside the writer, lines %ld to %ld", processings, rows.front(), rows.back());
    }
};

QTEST_GUILESS_MAIN(ProcessingBesideAWriterTest)
#include "test_processing_beside_a_writer.moc"
