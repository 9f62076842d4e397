// The ledger inquiry window's life: what its first activation reads and sets up, what later
// activations leave alone, the window that closes itself for a financial company without the QEV
// integration, the host frame and status bar, the form scripts, and closing with the working table.

#include "../../platform/hostfw/HostTestSupport.h"

#include "host/CLSCI_QUORVANE.h"
#include "host/FRMCI_QUORVANE.h"
#include "host/HostMessages.h"

#include "controls/LabelField.h"
#include "controls/NumberField.h"
#include "controls/TabStrip.h"
#include "controls/ToolbarMenuButton.h"
#include "db/Error.h"
#include "hostfw/Catalogue.h"
#include "hostfw/HostStatusBar.h"
#include "hostfw/Navigator.h"
#include "hostfw/QevGlobal.h"
#include "hostfw/ScriptObjectModel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using namespace quorvane::host;
using hostfw::Catalogue;
using hostfw::Language;

namespace {

struct OpenWindow {
    explicit OpenWindow(std::shared_ptr<hostfw::ClsGlobal> s) : session(std::move(s)), answerer(hosttest::answerDialogs(*session))
    {
        program.setClsGlobal(session);
        program.setActiveNavigator(&navigator);
        program.setIsActive(hostfw::hostTrue);
        program.setCaption(QStringLiteral("Partitario contabilità analitica"));
    }
    FRMCI_QUORVANE* show()
    {
        program.ShowForm();
        return program.window();
    }

    std::shared_ptr<hostfw::ClsGlobal> session;
    std::shared_ptr<hosttest::ScriptedAnswerer> answerer;
    hostfw::Navigator navigator;
    CLSCI_QUORVANE program;
};

std::shared_ptr<hostfw::ClsGlobal> demoSession(int company)
{
    return hostfw::ClsGlobal::open(hosttest::demoLogin(company));
}

} // namespace

class WindowLifeTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstActivationReadsTheCompany_data();
    void theFirstActivationReadsTheCompany();
    void theSetUpOfPanelsMenuAndResizer();
    void aSecondActivationChangesNothing();
    void aFinancialCompanyWithoutQevTellsTheUserAndCloses();
    void aDialogDuringTheSetUpDoesNotStartTheSetUpAgain();
    void withoutTheVerticalModuleItsObjectsStayEmptyAndNothingIsShown();
    void closingDropsTheWorkingTable();
    void formScriptsHearOpenAndClose();
    void theWindowSitsInTheHostFrameAndWritesOnPanelTwo();
    void aSetUpThatCannotOpenTheDatabaseStopsWithoutActivating();
};

void WindowLifeTest::theFirstActivationReadsTheCompany_data()
{
    QTest::addColumn<int>("company");
    QTest::addColumn<int>("costCentreChart");
    QTest::addColumn<int>("expenseItemChart");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("amountFormat");
    QTest::addColumn<QString>("quantityFormat");
    QTest::addColumn<bool>("financial");
    QTest::addColumn<bool>("intercompany");
    QTest::addColumn<QString>("competence");
    QTest::addColumn<QString>("debitCaption");
    QTest::newRow("financial with QEV") << 2 << 3 << 4 << "EURO" << "###,###,###,##0.00" << "###,###,###,##0.000"
                                        << true << true << "ISNULL(CI12_DATAREG, CI12_DATADOC)" << "Uscite";
    QTest::newRow("no decimals anywhere") << 3 << 5 << 6 << "LIT" << "###,###,###,##0" << "###,###,###,##0." << false
                                          << false << "ISNULL(CI12_DATADOC, CI12_DATAREG)" << "Costi";
}

void WindowLifeTest::theFirstActivationReadsTheCompany()
{
    QFETCH(int, company);
    QFETCH(int, costCentreChart);
    QFETCH(int, expenseItemChart);
    QFETCH(QString, currency);
    QFETCH(QString, amountFormat);
    QFETCH(QString, quantityFormat);
    QFETCH(bool, financial);
    QFETCH(bool, intercompany);
    QFETCH(QString, competence);
    QFETCH(QString, debitCaption);
    OpenWindow open(demoSession(company));
    FRMCI_QUORVANE* window = open.show();
    QVERIFY(window->isActivated());
    const WindowSettings& s = window->settings();
    QCOMPARE(s.ditta.toInt(), company);
    QCOMPARE(s.costCentreChart.toInt(), costCentreChart);
    QCOMPARE(s.expenseItemChart.toInt(), expenseItemChart);
    QCOMPARE(s.currency, currency);
    QCOMPARE(s.amountFormat, amountFormat);
    QCOMPARE(s.quantityFormat, quantityFormat);
    QCOMPARE(s.qevIntegration, financial);
    QCOMPARE(s.financialAccounting, financial);
    QCOMPARE(s.intercompany, intercompany);
    QCOMPARE(s.competenceDateExpression, competence);
    QCOMPARE(s.debitCaption, debitCaption);
    QCOMPARE(window->controls().LBL_TOTNOGRUPPO_COSTI->text(), debitCaption);
    QCOMPARE(window->controls().LBL_RICAVI->text(), s.creditCaption);
    QCOMPARE(window->controls().TXT_QUANTITA->property("Format").toString(), quantityFormat);
    QVERIFY(open.answerer->requests.empty());
}

void WindowLifeTest::theSetUpOfPanelsMenuAndResizer()
{
    OpenWindow open(demoSession(1));
    FRMCI_QUORVANE* window = open.show();
    const FormControls& c = window->controls();
    QVERIFY(c.FRAME_PARAMETRI->isVisible());
    QVERIFY(!c.FRA_RISULTATI->isVisible());
    QCOMPARE(c.TAB_QUORVANE->currentIndex(), 1);
    QVERIFY(!c.CMD_MOVIMENTI->isEnabled());

    const QList<QAction*> items = c.CMD_STAMPA->menu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QStringLiteral("&2 - Stampa solo gruppo corrente"));
    QCOMPARE(items[0]->objectName(), QStringLiteral("Key_StampaGruppoCorrente"));
    QCOMPARE(items[1]->text(), QStringLiteral("&1 - Stampa"));
    QCOMPARE(items[1]->objectName(), QStringLiteral("Key_Stampa"));
}

void WindowLifeTest::aSecondActivationChangesNothing()
{
    OpenWindow open(demoSession(1));
    FRMCI_QUORVANE* window = open.show();
    const auto connection = window->connection();
    const hostfw::CostUtilities* utilities = window->costUtilities();
    window->controls().TAB_QUORVANE->setCurrentIndex(2);

    open.program.Refresh(); // shows the window again: a second activation
    QCOMPARE(window->connection(), connection);
    QCOMPARE(window->costUtilities(), utilities);
    QCOMPARE(window->controls().TAB_QUORVANE->currentIndex(), 2);
    QCOMPARE(window->controls().CMD_STAMPA->menu()->actions().size(), 2);
}

void WindowLifeTest::aFinancialCompanyWithoutQevTellsTheUserAndCloses()
{
    OpenWindow open(hosttest::changedSession(2, [](company::CompanySettings& s) { s.qevIntegration = false; }));
    FRMCI_QUORVANE* window = open.show();
    QCOMPARE(open.answerer->texts(), QStringList{Catalogue::text(messages::financialNeedsQev, Language::Italian)});
    QCOMPARE(open.answerer->requests.front().icon, hostfw::DialogIcon::Information);
    QVERIFY(!window->isLoaded());
    QVERIFY(!window->isActivated());
    QCOMPARE(open.program.CloseForm(), QVariant(true)); // the host sees the window gone
}

void WindowLifeTest::aDialogDuringTheSetUpDoesNotStartTheSetUpAgain()
{
    OpenWindow open(hosttest::changedSession(2, [](company::CompanySettings& s) { s.qevIntegration = false; }));
    open.answerer->whileShown = [&] { open.program.Refresh(); }; // the window is activated under the dialog
    open.show();
    QCOMPARE(open.answerer->requests.size(), std::size_t(1));
}

void WindowLifeTest::withoutTheVerticalModuleItsObjectsStayEmptyAndNothingIsShown()
{
    const auto session = demoSession(2);
    session->classes().unregisterClass(QString::fromLatin1(hostfw::qevGlobalClassName));
    OpenWindow withoutModule(session);
    FRMCI_QUORVANE* window = withoutModule.show();
    QCOMPARE(window->services().qevGlobal.get(), nullptr);
    QCOMPARE(window->services().siteDecode.get(), nullptr);
    QVERIFY(!window->settings().qevIntegration);

    OpenWindow plain(demoSession(1));
    FRMCI_QUORVANE* plainWindow = plain.show();
    QVERIFY(plainWindow->services().qevGlobal);
    QVERIFY(plainWindow->isActivated());
    QVERIFY(plain.answerer->requests.empty());
}

void WindowLifeTest::closingDropsTheWorkingTable()
{
    OpenWindow open(demoSession(1));
    FRMCI_QUORVANE* window = open.show();
    const std::shared_ptr<db::Connection> connection = window->connection();
    connection->Execute("SELECT CI12_NUMREG_CO99 INTO #MOVIMENTI FROM CI12_MOVTESTATA WITH (NOLOCK)");
    QVERIFY(connection->Open("SELECT COUNT(*) AS N FROM #MOVIMENTI").RecordCount() == 1);

    QVERIFY(open.program.CloseForm().toBool());
    QVERIFY(!connection->isOpen());
    QVERIFY_THROWS_EXCEPTION(db::Error, connection->Open("SELECT COUNT(*) AS N FROM #MOVIMENTI"));
    QCOMPARE(window->connection(), nullptr);
    QCOMPARE(window->costUtilities(), nullptr);
}

void WindowLifeTest::formScriptsHearOpenAndClose()
{
    OpenWindow open(demoSession(1));
    QStringList heard;
    hostfw::ScriptObjectModel* script = open.navigator.findChild<hostfw::ScriptObjectModel*>();
    QVERIFY(script);
    connect(script, &hostfw::ScriptObjectModel::formEvent, this,
            [&](const QString& event, const QString& form, const QString&, bool&) { heard << event + '@' + form; });
    open.show();
    QCOMPARE(heard, QStringList{QStringLiteral("aqOpen@FRMCI_QUORVANE")});
    QVERIFY(open.program.CloseForm().toBool());
    QCOMPARE(heard, (QStringList{QStringLiteral("aqOpen@FRMCI_QUORVANE"), QStringLiteral("aqClose@FRMCI_QUORVANE")}));
    QCOMPARE(open.session->ApplicationTitle(), FRMCI_QUORVANE::applicationTitle());
}

void WindowLifeTest::theWindowSitsInTheHostFrameAndWritesOnPanelTwo()
{
    QMdiArea frame;
    hostfw::HostStatusBar statusBar;
    OpenWindow open(demoSession(1));
    open.program.setActiveFrame(&frame);
    open.program.setStatusBar(&statusBar);
    open.program.setLeft(1500);
    open.program.setTop(750);
    FRMCI_QUORVANE* window = open.show();
    QCOMPARE(frame.subWindowList().size(), 1);
    QMdiSubWindow* sub = frame.subWindowList().constFirst();
    QCOMPARE(sub->widget(), window);
    QCOMPARE(sub->pos(), QPoint(100, 50)); // twips at 15 a pixel
    // At least its design size, 1000 × 536 pixels, where the screen has room for it.
    const QSize screen = sub->screen()->availableGeometry().size();
    QVERIFY(sub->width() >= std::min(1000, screen.width()) && sub->height() >= std::min(536, screen.height()));

    window->ScriviSuPannello(QStringLiteral("Doppio clic per aprire"));
    QCOMPARE(statusBar.panelText(2), QStringLiteral("Doppio clic per aprire"));

    QVERIFY(open.program.CloseForm().toBool());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(frame.subWindowList().isEmpty());
}

void WindowLifeTest::aSetUpThatCannotOpenTheDatabaseStopsWithoutActivating()
{
    const auto demo = demoSession(1);
    hostfw::SessionLogin login = hosttest::demoLogin(1);
    login.connectionString = QStringLiteral("Provider=SQLite;Data Source=/nonexistent/quorvane.db;Mode=ReadOnly");
    OpenWindow open(std::make_shared<hostfw::ClsGlobal>(login, demo->Company(), demo->Charts()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Form_Activate")));
    FRMCI_QUORVANE* window = open.show();
    QVERIFY(!window->isActivated());
    QCOMPARE(window->connection(), nullptr);
}

QTEST_MAIN(WindowLifeTest)
#include "test_host_window_life.moc"
