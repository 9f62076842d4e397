// The ledger inquiry's public class as the host drives it: the contract's properties, showing and
// closing the window, the navigator's and the journal-entry pool's events, the trace lines and what
// the class lets go of when it ends.

#include "../../platform/hostfw/HostTestSupport.h"

#include "host/CLSCI_QUORVANE.h"
#include "host/FRMCI_QUORVANE.h"
#include "host/InstanceTag.h"
#include "host/TraceLine.h"

#include "hostfw/Catalogue.h"
#include "hostfw/JournalEntryPool.h"
#include "hostfw/LayoutObjectModel.h"
#include "hostfw/Navigator.h"
#include "hostfw/ScriptObjectModel.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

using namespace quorvane::host;
using hostfw::Catalogue;
using hostfw::Language;

namespace {

// A class set up as the host shell sets it: the demo company's session, a navigator, the program
// marked active.
struct HostedClass {
    HostedClass() : session(hostfw::ClsGlobal::open(hosttest::demoLogin(1))), answerer(hosttest::answerDialogs(*session))
    {
        program = std::make_unique<CLSCI_QUORVANE>();
        program->setClsGlobal(session);
        program->setActiveNavigator(&navigator);
        program->setIsActive(hostfw::hostTrue);
        program->setCaption(QStringLiteral("Partitario"));
    }
    QStringList messages() const { return answerer->texts(); }

    hostfw::Navigator navigator;
    std::shared_ptr<hostfw::ClsGlobal> session;
    std::shared_ptr<hosttest::ScriptedAnswerer> answerer;
    std::unique_ptr<CLSCI_QUORVANE> program;
};

QString italian(int number)
{
    return Catalogue::text(number, Language::Italian);
}

} // namespace

class PluginClassTest : public QObject {
    Q_OBJECT
private slots:
    void sixteenBitPropertiesKeepTheOldValueOnOverflow_data();
    void sixteenBitPropertiesKeepTheOldValueOnOverflow();
    void transferDataRaisesDataTransferOnceWithTheSameData();
    void instanceTagsAreFixedForLifeAndDistinct();
    void anInstanceTagIsTheGuidsFieldsInHexadecimal();
    void traceLinesOfTheClassAndItsWindow();
    void closeFormRefusedByTheScriptGivesFalseAndLeavesTheWindow();
    void showFormTwiceMakesASecondWindowAndForgetsTheFirst();
    void companyChangeIsAlwaysRefused();
    void buttonsWhileTheProgramIsActive_data();
    void buttonsWhileTheProgramIsActive();
    void theLayoutAndScriptModelsTakeTheWindowOfAnActiveProgram();
    void everyPoolClosingBringsTheWindowBack();
    void theEndLetsGoOfEverythingTheHostGave();
};

void PluginClassTest::sixteenBitPropertiesKeepTheOldValueOnOverflow_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<qint16>("kept");
    QTest::newRow("upper limit") << 32767 << qint16(32767);
    QTest::newRow("40000 keeps the old value") << 40000 << qint16(5);
    QTest::newRow("-32769 keeps the old value") << -32769 << qint16(5);
}

void PluginClassTest::sixteenBitPropertiesKeepTheOldValueOnOverflow()
{
    QFETCH(qint32, value);
    QFETCH(qint16, kept);
    CLSCI_QUORVANE program;
    program.setWindowState(5);
    program.setProgramMode(5);
    program.setWindowState(value);
    program.setProgramMode(value);
    QCOMPARE(program.WindowState(), kept);
    QCOMPARE(program.ProgramMode(), kept);
}

void PluginClassTest::transferDataRaisesDataTransferOnceWithTheSameData()
{
    CLSCI_QUORVANE program;
    QSignalSpy spy(&program, &CLSCI_QUORVANE::DataTransfer);
    const QVariant answer = program.TransferData(QStringLiteral("NUMREG=0000012"));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0), QVariant(QStringLiteral("NUMREG=0000012")));
    QVERIFY(!answer.isValid());
}

void PluginClassTest::instanceTagsAreFixedForLifeAndDistinct()
{
    CLSCI_QUORVANE first;
    CLSCI_QUORVANE second;
    const QString tag = first.instanceTag();
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(tag).hasMatch());
    QCOMPARE(first.instanceTag(), tag);
    QVERIFY(second.instanceTag() != tag);
}

void PluginClassTest::anInstanceTagIsTheGuidsFieldsInHexadecimal()
{
    const QUuid guid(0x1u, 0x2, 0xab, 0, 1, 2, 3, 4, 5, 0x6e, 0xff);
    QCOMPARE(InstanceTag::fromGuid(guid), QStringLiteral("00000001000200AB000102030405" "6EFF"));
}

void PluginClassTest::traceLinesOfTheClassAndItsWindow()
{
    hosttest::DebugCapture capture;
    QString classTag;
    QString windowTag;
    {
        HostedClass host;
        classTag = host.program->instanceTag();
        host.program->ShowForm();
        windowTag = host.program->window()->instanceTag();
        QVERIFY(host.program->CloseForm().toBool());
        host.program.reset();
    }
    const QStringList traces = capture.lines.filter(QStringLiteral("AQGE:"));
    QCOMPARE(traces, (QStringList{
                         QStringLiteral("AQGE:|%1|INI|QUORVANE|CLSCI_QUORVANE").arg(classTag),
                         QStringLiteral("AQGE:|%1|INI|QUORVANE|FRMCI_QUORVANE").arg(windowTag),
                         QStringLiteral("AQGE:|%1|TER|QUORVANE|CLSCI_QUORVANE").arg(classTag),
                         QStringLiteral("AQGE:|%1|TER|QUORVANE|FRMCI_QUORVANE").arg(windowTag),
                     }));
}

void PluginClassTest::closeFormRefusedByTheScriptGivesFalseAndLeavesTheWindow()
{
    HostedClass host;
    host.program->ShowForm();
    FRMCI_QUORVANE* window = host.program->window();
    QVERIFY(window->isActivated());
    hostfw::ScriptObjectModel* script = host.navigator.ScriptObject();
    QVERIFY(script);
    const auto refusal = connect(script, &hostfw::ScriptObjectModel::formEvent, this,
                                 [](const QString& event, const QString&, const QString&, bool& cancel) {
                                     if (event == QLatin1String("aqClose"))
                                         cancel = true;
                                 });
    QCOMPARE(host.program->CloseForm(), QVariant(false));
    QVERIFY(window->isLoaded());
    QCOMPARE(window->ActiveInterface(), static_cast<hostfw::Cinterface*>(host.program.get()));

    disconnect(refusal);
    QCOMPARE(host.program->CloseForm(), QVariant(true));
    QVERIFY(!window->isLoaded());
}

void PluginClassTest::showFormTwiceMakesASecondWindowAndForgetsTheFirst()
{
    HostedClass host;
    host.program->ShowForm();
    QPointer<FRMCI_QUORVANE> first = host.program->window();
    host.program->ShowForm();
    QPointer<FRMCI_QUORVANE> second = host.program->window();
    QVERIFY(first && second && first != second);
    QVERIFY(first->isLoaded()); // forgotten, not closed: it stays on screen until the user closes it

    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(second->isLoaded());
}

void PluginClassTest::companyChangeIsAlwaysRefused()
{
    HostedClass host;
    QVERIFY(host.navigator.RequestCompanyChange()); // before any window: refused, nothing shown
    QVERIFY(host.messages().isEmpty());

    host.program->ShowForm();
    host.program->setIsActive(hostfw::hostFalse);
    QVERIFY(host.navigator.RequestCompanyChange());
    QCOMPARE(host.messages(), QStringList{italian(30179)});
    QCOMPARE(host.answerer->requests.back().icon, hostfw::DialogIcon::Information);
}

void PluginClassTest::buttonsWhileTheProgramIsActive_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("cancelIn");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("cancelOut");
    QTest::addColumn<bool>("shown");
    QTest::newRow("25 refused") << true << false << 25 << true << true;
    QTest::newRow("25 already cancelled: nothing shown") << true << true << 25 << true << false;
    QTest::newRow("another button passes") << true << false << 24 << false << false;
    QTest::newRow("inactive program: 25 passes") << false << false << 25 << false << false;
}

void PluginClassTest::buttonsWhileTheProgramIsActive()
{
    QFETCH(bool, active);
    QFETCH(bool, cancelIn);
    QFETCH(int, button);
    QFETCH(bool, cancelOut);
    QFETCH(bool, shown);
    HostedClass host;
    host.program->ShowForm();
    host.program->setIsActive(hostfw::toHostBoolean(active));
    bool cancel = cancelIn;
    emit host.navigator.ButtonPressed(cancel, button);
    QCOMPARE(cancel, cancelOut);
    QCOMPARE(host.messages(), shown ? QStringList{italian(45614)} : QStringList{});
}

void PluginClassTest::theLayoutAndScriptModelsTakeTheWindowOfAnActiveProgram()
{
    HostedClass active;
    active.program->ShowForm();
    QCOMPARE(active.navigator.LayoutObject()->form(), active.program->window());
    QCOMPARE(active.navigator.LayoutObject()->identity(), FRMCI_QUORVANE::formName);
    QVERIFY(active.navigator.ScriptObject());

    HostedClass inactive;
    inactive.program->setIsActive(hostfw::hostFalse);
    inactive.program->ShowForm();
    QVERIFY(inactive.program->window()->isActivated());
    QCOMPARE(inactive.navigator.LayoutObject()->form(), nullptr);
    QCOMPARE(inactive.navigator.ScriptObject(), nullptr);
}

void PluginClassTest::everyPoolClosingBringsTheWindowBack()
{
    HostedClass host;
    hostfw::JournalEntryPool pool;
    host.program->setProperty("Pool", QVariant::fromValue<QObject*>(&pool));
    QCOMPARE(host.program->Pool(), &pool);
    host.program->ShowForm();
    FRMCI_QUORVANE* window = host.program->window();

    int closings = 0;
    const QMetaObject* meta = pool.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod signal = meta->method(i);
        if (signal.methodType() != QMetaMethod::Signal || !signal.name().startsWith("OnClosing"))
            continue;
        ++closings;
        window->hide();
        QVERIFY(signal.invoke(&pool, Qt::DirectConnection));
        QVERIFY2(window->isVisible(), signal.name().constData());
    }
    QCOMPARE(closings, 12);
}

void PluginClassTest::theEndLetsGoOfEverythingTheHostGave()
{
    HostedClass host;
    hostfw::JournalEntryPool pool;
    host.program->setPool(&pool);
    host.program->ShowForm();
    QPointer<FRMCI_QUORVANE> window = host.program->window();
    const std::weak_ptr<db::Connection> connection = host.program->Connection(); // the window's, handed back
    QVERIFY(!connection.expired());
    QVERIFY(host.program->CloseForm().toBool());
    host.program.reset();

    QVERIFY(!window);
    QVERIFY(connection.expired());
    QCOMPARE(host.session.use_count(), 1L);
}

QTEST_MAIN(PluginClassTest)
#include "test_host_plugin_class.moc"
