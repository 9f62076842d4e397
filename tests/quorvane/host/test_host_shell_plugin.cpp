// The host shell with the real plug-in file: its options, loading the library through QPluginLoader,
// opening the ledger inquiry from the menu into the MDI area, and closing it again.

#include "../../platform/hostfw/HostTestSupport.h"

#include "HostMainWindow.h"
#include "HostOptions.h"
#include "ProgramLoader.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include <stdexcept>

using namespace hostshell;

class HostShellTest : public QObject {
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void refusedOptions_data();
    void refusedOptions();
    void aScriptForTheInquiryOpensItAtStart();
    void theLoaderCreatesTheClassFromThePluginFile();
    void theLoaderNamesWhatItCouldNotLoad();
    void theMenuOpensTheLedgerInquiryAndTheHostClosesIt();
};

void HostShellTest::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("company");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("quit");
    QTest::newRow("defaults") << QStringList{} << 1 << "ITA " << false << false;
    QTest::newRow("company and language")
        << QStringList{"--company", "3", "--lang", "eng", "--db", "/tmp/x.db"} << 3 << "ENG " << false << false;
    QTest::newRow("open at start") << QStringList{"--open"} << 1 << "ITA " << true << false;
    QTest::newRow("quit after open opens too") << QStringList{"--quit-after-open"} << 1 << "ITA " << true << true;
}

void HostShellTest::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, company);
    QFETCH(QString, language);
    QFETCH(bool, open);
    QFETCH(bool, quit);
    QString error;
    const auto parsed = parseHostOptions(QStringList{"quorvane-host"} + arguments, error);
    QVERIFY2(parsed, qPrintable(error));
    QCOMPARE(parsed->company, company);
    QCOMPARE(parsed->language, language);
    QCOMPARE(parsed->openAtStart, open);
    QCOMPARE(parsed->quitAfterOpen, quit);
    QVERIFY(!parsed->database.isEmpty());
}

void HostShellTest::refusedOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("company not a number") << QStringList{"--company", "uno"} << "--company";
    QTest::newRow("company zero") << QStringList{"--company", "0"} << "--company";
    QTest::newRow("unknown language") << QStringList{"--lang", "DEU"} << "--lang";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "colour";
}

void HostShellTest::refusedOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    QString error;
    QVERIFY(!parseHostOptions(QStringList{"quorvane-host"} + arguments, error));
    QVERIFY2(error.contains(named), qPrintable(error));
}

void HostShellTest::aScriptForTheInquiryOpensItAtStart()
{
    QString error;
    const auto parsed = parseHostOptions({"quorvane-host", "--selection", "/tmp/s.json", "--process", "--keys",
                                          "Right,Down", "--screenshot", "/tmp/s.png"},
                                         error);
    QVERIFY2(parsed, qPrintable(error));
    QCOMPARE(parsed->script.selection, QStringLiteral("/tmp/s.json"));
    QVERIFY(parsed->script.process);
    QCOMPARE(parsed->script.keys, (QStringList{"Right", "Down"}));
    QCOMPARE(parsed->script.screenshot, QStringLiteral("/tmp/s.png"));
    QVERIFY(parsed->openAtStart);
    QVERIFY(parseHostOptions({"quorvane-host"}, error)->script.empty());
}

void HostShellTest::theLoaderCreatesTheClassFromThePluginFile()
{
    ProgramLoader loader(QStringLiteral(QUORVANE_PLUGIN_FILE));
    const std::unique_ptr<QObject> program(loader.create(QStringLiteral("QUORVANE.CLSCI_QUORVANE")));
    QCOMPARE(program->metaObject()->className(), "quorvane::host::CLSCI_QUORVANE");
    hostfw::Cinterface* contract = contractOf(program.get());
    QCOMPARE(contract->ActiveDll(), contract);
    QVERIFY(!contract->TransferData(1).isValid());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, loader.create(QStringLiteral("QUORVANE.CLSCI_ALTRO")));
}

void HostShellTest::theLoaderNamesWhatItCouldNotLoad()
{
    ProgramLoader loader(QStringLiteral("/nonexistent/libquorvane.so"));
    try {
        loader.create(QStringLiteral("QUORVANE.CLSCI_QUORVANE"));
        QFAIL("a missing plug-in file was loaded");
    } catch (const std::runtime_error& e) {
        QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("/nonexistent/libquorvane.so")));
    }
}

void HostShellTest::theMenuOpensTheLedgerInquiryAndTheHostClosesIt()
{
    const auto session = hostfw::ClsGlobal::open(hosttest::demoLogin(1));
    const auto answerer = hosttest::answerDialogs(*session);
    HostMainWindow host(session, QStringLiteral(QUORVANE_PLUGIN_FILE));
    host.show();
    QVERIFY(host.openLedgerInquiry());
    QCOMPARE(host.mdiArea()->subWindowList().size(), 1);
    QMdiSubWindow* sub = host.mdiArea()->subWindowList().constFirst();
    QCOMPARE(sub->widget()->objectName(), QStringLiteral("FRMCI_QUORVANE"));
    QCOMPARE(sub->widget()->windowTitle(), QStringLiteral("Partitario contabilità analitica"));
    QCOMPARE(host.programs().size(), std::size_t(1));
    QVERIFY(host.programs().front()->contract().Connection()); // the window's own, handed back

    // The company cannot change under an open inquiry; the program says why.
    QVERIFY(host.programs().front()->navigator().RequestCompanyChange());
    QCOMPARE(answerer->requests.size(), std::size_t(1));

    // A journal-entry program closing brings the window back in front.
    sub->widget()->hide();
    emit host.findChild<hostfw::JournalEntryPool*>()->OnClosingRegMovCont();
    QVERIFY(sub->widget()->isVisible());

    QVERIFY(host.closePrograms());
    QVERIFY(host.programs().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(host.mdiArea()->subWindowList().isEmpty());
}

QTEST_MAIN(HostShellTest)
#include "test_host_shell_plugin.moc"
