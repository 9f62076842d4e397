// The host shell's unattended-run options, and a plug-in file it cannot load named in its refusal (the whole
// inquiry opened from the menu is the host-shell inquiry test's).

#include "HostOptions.h"
#include "ProgramLoader.h"

#include <QtTest>

#include <stdexcept>

using namespace hostshell;

class HostShellTest : public QObject {
    Q_OBJECT
private slots:
    void aScriptForTheInquiryOpensItAtStart();
    void theLoaderNamesWhatItCouldNotLoad();
};

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

QTEST_MAIN(HostShellTest)
#include "test_host_shell_plugin.moc"
