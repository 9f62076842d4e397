// "Modifica" on a line of the ledger opens the movement where it was made, in the host program that owns it,
// on the demo company: one row per way the line's origin and the database decide it, each with the program
// that opened and what it was opened with, the window hidden while it is open and back when it closes. A
// movement deleted after the processing opens nothing; neither does a grid without a current line. In the
// host shell the programs open in the host's frame, and the document program holds the host's menus.

#include "PanelTestSupport.h"

#include "HostMainWindow.h"

#include "controls/DataGrid.h"
#include "db/SqliteConnection.h"
#include "hostfw/Catalogue.h"
#include "hostfw/JournalEntryPool.h"
#include "hostfw/SourceProgramWindow.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>

#include <sqlite3.h>

using hostfw::SourceProgramArguments;
using hostfw::SourceProgramWindow;
using quorvane::SelectionParameters;

namespace {

// Every actual movement line of the company, whatever its account: the account filter grid left empty.
SelectionParameters everyLine(int company)
{
    SelectionParameters s;
    s.CBO_SELCONTOVDS = "2";
    s.company = company;
    return s;
}

// The grid shows the registration's lines, as a group node shows its own; the first one is the current line.
bool showRegistration(quorvane::host::FRMCI_QUORVANE& window, const QString& number)
{
    db::Recordset& movements = window.movements();
    movements.Filter(("CI12_NUMREG_CO99 = '" + number + "'").toStdString());
    window.controls().GRD_MOVIMENTI->refresh();
    movements.MoveFirst();
    return movements.RecordCount() > 0;
}

// "Modifica", or a double click on the grid's current line.
void openTheLinesSource(quorvane::host::FRMCI_QUORVANE& window, bool byDoubleClick)
{
    if (!byDoubleClick) {
        QTest::mouseClick(window.controls().CMD_MODIFICA, Qt::LeftButton);
        return;
    }
    controls::DataGrid* grid = window.controls().GRD_MOVIMENTI;
    const QPoint line = grid->visualRect(grid->currentIndex()).center();
    // The test's double click comes without the press a real one starts with: a view takes it for a press.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, line);
}

// Shows the first of the registrations that the processing extracted; answers it, or "" for none.
QString showFirstExtracted(quorvane::host::FRMCI_QUORVANE& window, const QStringList& numbers)
{
    for (const QString& number : numbers)
        if (showRegistration(window, number))
            return number;
    return {};
}

// A ledger window of the plug-in class over a session.
struct LedgerWindow {
    explicit LedgerWindow(std::shared_ptr<hostfw::ClsGlobal> s) : session(std::move(s)), answerer(hosttest::answerDialogs(*session))
    {
        program.setClsGlobal(session);
        program.setActiveNavigator(&navigator);
        program.setIsActive(hostfw::hostTrue);
        program.ShowForm();
        window = program.window();
    }
    void process()
    {
        window->applySelection(everyLine(session->Company().company));
        window->CMD_ELABORA_ButtonClick();
    }

    std::shared_ptr<hostfw::ClsGlobal> session;
    std::shared_ptr<hosttest::ScriptedAnswerer> answerer;
    hostfw::Navigator navigator;
    quorvane::host::CLSCI_QUORVANE program;
    quorvane::host::FRMCI_QUORVANE* window = nullptr;
};

std::vector<SourceProgramWindow*> openPrograms()
{
    std::vector<SourceProgramWindow*> open;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* program = qobject_cast<SourceProgramWindow*>(widget); program && program->isVisible())
            open.push_back(program);
    return open;
}

QStringList column(db::Connection& connection, const QString& statement)
{
    QStringList values;
    db::Recordset rows = connection.Open(statement.toStdString());
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext())
        values << QString::fromStdString(rows.value(0).toText());
    return values;
}

QString single(db::Connection& connection, const QString& statement)
{
    const QStringList values = column(connection, statement);
    return values.isEmpty() ? QString() : values.constFirst();
}

const QString modifiableEntry = QStringLiteral(
    "CI12_NUMREG_CO99 IN (SELECT CG41_NUMREG FROM CG41_PRIMANOTA WHERE CG41_DITTA_CG18 = 1 AND CG41_FLGSTPIVA = 0)"
    " AND CI12_NUMREG_CO99 NOT IN (SELECT CG42_NUMREG_CG41 FROM CG42_MOVCONT WHERE CG42_DITTA_CG18 = 1"
    " AND CG42_FLGSTPGIOR = 1)");
const QString withEntry = QStringLiteral("CI12_NUMREG_CO99 IN (SELECT CG41_NUMREG FROM CG41_PRIMANOTA WHERE CG41_DITTA_CG18 = 1)");
const QString withoutEntry = QStringLiteral("CI12_NUMREG_CO99 NOT IN (SELECT CG41_NUMREG FROM CG41_PRIMANOTA)");
const QString withDocument = QStringLiteral("CI12_NUMREG_CO99 IN (SELECT DO11_NUMREG_CO99 FROM DO11_DOCTESTATA WHERE DO11_DITTA_CG18 = 1)");
const QString withoutDocument = QStringLiteral("CI12_NUMREG_CO99 NOT IN (SELECT DO11_NUMREG_CO99 FROM DO11_DOCTESTATA)");

const QString movementsProgram = QStringLiteral("Movimenti di contabilità analitica");
const QString journalEntryProgram = QStringLiteral("Prima nota");
const QString reconciliationProgram = QStringLiteral("Quadratura contabilità generale - analitica");
const QString documentProgram = QStringLiteral("Documenti di magazzino");

// What the window must have passed the program for the registration, read from the database.
SourceProgramArguments expectedArguments(db::Connection& connection, const QString& program, const QString& number)
{
    const QString key = QStringLiteral(" WHERE %1 = 1 AND %2 = '%3'");
    SourceProgramArguments expected;
    if (program == movementsProgram) {
        expected.reason = single(connection, "SELECT CI12_CODCAUS_CI03 FROM CI12_MOVTESTATA"
                                                 + key.arg("CI12_DITTA_CG18", "CI12_NUMREG_CO99", number));
    } else if (program == journalEntryProgram) {
        expected.ledgerReason = single(connection, "SELECT CG41_CODICE_CG33 FROM CG41_PRIMANOTA"
                                                       + key.arg("CG41_DITTA_CG18", "CG41_NUMREG", number));
        expected.filter = "CG41_DITTA_CG18 = 1 AND CG41_NUMREG = '" + number + "'";
        return expected;
    } else if (program == documentProgram) {
        expected.documentKey = single(connection, "SELECT DO11_DOCUM_MG36 FROM DO11_DOCTESTATA"
                                                      + key.arg("DO11_DITTA_CG18", "DO11_NUMREG_CO99", number))
                                   .trimmed();
    }
    expected.company = 1;
    expected.registrationNumber = number;
    return expected;
}

} // namespace

class OpeningALinesSourceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void eachOriginOpensItsProgramAndTheWindowComesBackWhenItCloses_data();
    void eachOriginOpensItsProgramAndTheWindowComesBackWhenItCloses();
    void aMovementDeletedAfterTheProcessingOpensNothing();
    void nothingOpensWithoutACurrentLine();
    void inTheHostShellTheProgramsOpenInItsFrameAndTheDocumentHoldsItsMenus();

private:
    LedgerWindow& windowWithLedgerEdit(int setting);

    std::unique_ptr<db::Connection> connection_;
    std::map<int, std::unique_ptr<LedgerWindow>> windows_;
};

void OpeningALinesSourceTest::initTestCase()
{
    connection_ = db::Connection::open(hosttest::demoConnectionString().toStdString());
}

// A case that failed half-way leaves no program open for the next one.
void OpeningALinesSourceTest::cleanup()
{
    for (SourceProgramWindow* program : openPrograms())
        program->closeProgram();
}

// One processed window per ledger-edit setting of the company, shared by the rows.
LedgerWindow& OpeningALinesSourceTest::windowWithLedgerEdit(int setting)
{
    std::unique_ptr<LedgerWindow>& window = windows_[setting];
    if (!window) {
        window = std::make_unique<LedgerWindow>(
            hosttest::changedSession(1, [setting](company::CompanySettings& s) { s.ledgerEditSetting = setting; }));
        window->process();
    }
    return *window;
}

void OpeningALinesSourceTest::eachOriginOpensItsProgramAndTheWindowComesBackWhenItCloses_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<int>("ledgerEdit");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("byDoubleClick");
    const auto origin = [](int value) { return QStringLiteral("CI12_INDPROVENIENZA = %1").arg(value); };
    const auto both = [](const QString& a, const QString& b) { return a + QStringLiteral(" AND ") + b; };
    QTest::newRow("entered by hand") << origin(0) << 1 << movementsProgram << false;
    QTest::newRow("imported") << origin(1) << 1 << movementsProgram << false;
    QTest::newRow("allocation") << origin(6) << 1 << movementsProgram << false;
    QTest::newRow("ledger, entry open to changes") << both(origin(2), modifiableEntry) << 1 << journalEntryProgram << true;
    QTest::newRow("ledger, entry printed in the VAT registers")
        << both(origin(2), both(withEntry, "CI12_NUMREG_CO99 IN (SELECT CG41_NUMREG FROM CG41_PRIMANOTA WHERE "
                                           "CG41_DITTA_CG18 = 1 AND CG41_FLGSTPIVA = 1)"))
        << 1 << reconciliationProgram << false;
    QTest::newRow("ledger, entry with a line printed in the journal")
        << both(origin(2), "CI12_NUMREG_CO99 IN (SELECT CG42_NUMREG_CG41 FROM CG42_MOVCONT WHERE CG42_DITTA_CG18 = 1 "
                           "AND CG42_FLGSTPGIOR = 1)")
        << 1 << reconciliationProgram << false;
    QTest::newRow("ledger, no entry") << both(origin(2), withoutEntry) << 1 << movementsProgram << false;
    QTest::newRow("ledger, company keeps entries from changes") << both(origin(2), modifiableEntry) << 0
                                                                 << reconciliationProgram << false;
    QTest::newRow("reconciled ledger, entry open to changes") << both(origin(3), modifiableEntry) << 1
                                                              << journalEntryProgram << false;
    QTest::newRow("reconciled ledger, no entry") << both(origin(3), withoutEntry) << 1 << movementsProgram << false;
    QTest::newRow("warehouse, document") << both(origin(4), withDocument) << 1 << documentProgram << true;
    QTest::newRow("warehouse, no document") << both(origin(4), withoutDocument) << 1 << movementsProgram << false;
    QTest::newRow("sales, document") << both(origin(5), withDocument) << 1 << documentProgram << false;
    QTest::newRow("sales, no document") << both(origin(5), withoutDocument) << 1 << movementsProgram << false;
}

void OpeningALinesSourceTest::eachOriginOpensItsProgramAndTheWindowComesBackWhenItCloses()
{
    QFETCH(QString, condition);
    QFETCH(int, ledgerEdit);
    QFETCH(QString, program);
    QFETCH(bool, byDoubleClick);
    LedgerWindow& w = windowWithLedgerEdit(ledgerEdit);
    const QString number = showFirstExtracted(*w.window, column(
        *connection_, "SELECT CI12_NUMREG_CO99 FROM CI12_MOVTESTATA WHERE CI12_DITTA_CG18 = 1 AND " + condition
                          + " ORDER BY CI12_NUMREG_CO99"));
    QVERIFY2(!number.isEmpty(), "the demo company has no extracted movement of this kind");

    openTheLinesSource(*w.window, byDoubleClick);
    QVERIFY2(w.answerer->requests.empty(), qPrintable(w.answerer->texts().join(QLatin1Char('\n'))));
    const std::vector<SourceProgramWindow*> open = openPrograms();
    QCOMPARE(open.size(), std::size_t(1));
    QPointer<SourceProgramWindow> opened = open.front();
    QCOMPARE(opened->program(), program);
    QCOMPARE(opened->arguments(), expectedArguments(*connection_, program, number));
    QVERIFY(opened->windowTitle().endsWith(QStringLiteral("(sola lettura)")));
    QVERIFY(!w.window->isVisible());
    QCOMPARE(w.session->HostInteractionEnabled(), program != documentProgram);

    QTest::keyClick(opened, Qt::Key_Escape);
    QTRY_VERIFY(opened.isNull());
    QVERIFY(w.window->isVisible());
    QVERIFY(w.session->HostInteractionEnabled());
    QVERIFY(openPrograms().empty());
}

void OpeningALinesSourceTest::aMovementDeletedAfterTheProcessingOpensNothing()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.db"));
    QVERIFY(QFile::copy(hosttest::demoDatabase(), copy));
    const QString connectionString = QStringLiteral("Provider=SQLite;Data Source=%1;Mode=ReadOnly").arg(copy);
    LedgerWindow w(hostfw::ClsGlobal::open({connectionString, 1, QStringLiteral("TEST"), QStringLiteral("ITA ")}));
    w.process();
    db::Recordset& movements = w.window->movements();
    movements.MoveFirst();
    const std::string number = movements.value("CI12_NUMREG_CO99").toText();

    const auto writer = db::Connection::open("Provider=SQLite;Data Source=" + copy.toStdString());
    const std::string where = "_DITTA_CG18 = 1 AND ";
    const std::string deletion = "DELETE FROM CI13_MOVCORPO WHERE CI13" + where + "CI13_NUMREG_CO99 = '" + number
                                 + "'; DELETE FROM CI12_MOVTESTATA WHERE CI12" + where + "CI12_NUMREG_CO99 = '" + number + "'";
    QCOMPARE(sqlite3_exec(dynamic_cast<db::SqliteConnection&>(*writer).handle(), deletion.c_str(), nullptr, nullptr, nullptr),
             SQLITE_OK);

    QTest::mouseClick(w.window->controls().CMD_MODIFICA, Qt::LeftButton);
    QCOMPARE(w.answerer->texts(), QStringList{hostfw::Catalogue::text(35169, hostfw::Language::Italian)});
    QCOMPARE(w.answerer->requests.front().icon, hostfw::DialogIcon::Warning);
    QVERIFY(openPrograms().empty());
    QVERIFY(w.window->isVisible());
}

void OpeningALinesSourceTest::nothingOpensWithoutACurrentLine()
{
    LedgerWindow w(hostfw::ClsGlobal::open(hosttest::demoLogin(1)));
    QTest::mouseClick(w.window->controls().CMD_MODIFICA, Qt::LeftButton); // before any processing
    w.process();
    w.window->movements().MoveLast();
    w.window->movements().MoveNext();
    QVERIFY(w.window->movements().EOF_());
    QTest::mouseClick(w.window->controls().CMD_MODIFICA, Qt::LeftButton);
    QVERIFY(w.answerer->requests.empty());
    QVERIFY(openPrograms().empty());
    QVERIFY(w.window->isVisible());
}

// The journal entry opens through the host's own pool, the document with the host's menus held; both in the
// host's frame, the ledger coming back when each closes.
void OpeningALinesSourceTest::inTheHostShellTheProgramsOpenInItsFrameAndTheDocumentHoldsItsMenus()
{
    const auto session = hostfw::ClsGlobal::open(hosttest::demoLogin(1));
    const auto answerer = hosttest::answerDialogs(*session);
    hostshell::HostMainWindow host(session, QStringLiteral(QUORVANE_PLUGIN_FILE));
    host.show();
    QVERIFY(host.openLedgerInquiry());
    QMdiSubWindow* ledgerFrame = host.mdiArea()->subWindowList().constFirst();
    auto* window = static_cast<quorvane::host::FRMCI_QUORVANE*>(ledgerFrame->widget());
    window->applySelection(everyLine(1));
    window->CMD_ELABORA_ButtonClick();

    for (const QString& condition : {modifiableEntry, withDocument}) {
        const bool document = condition == withDocument;
        const QStringList numbers = column(*connection_, "SELECT CI12_NUMREG_CO99 FROM CI12_MOVTESTATA WHERE "
                                                         "CI12_DITTA_CG18 = 1 AND CI12_INDPROVENIENZA IN (2, 4) AND "
                                                             + condition + " ORDER BY CI12_NUMREG_CO99");
        QVERIFY(!showFirstExtracted(*window, numbers).isEmpty());
        QTest::mouseClick(window->controls().CMD_MODIFICA, Qt::LeftButton);
        QVERIFY2(answerer->requests.empty(), qPrintable(answerer->texts().join(QLatin1Char('\n'))));
        const std::vector<SourceProgramWindow*> open = openPrograms();
        QCOMPARE(open.size(), std::size_t(1));
        QPointer<SourceProgramWindow> opened = open.front();
        QVERIFY(qobject_cast<QMdiSubWindow*>(opened->parentWidget()));
        QCOMPARE(opened->program(), document ? documentProgram : journalEntryProgram);
        QVERIFY(!ledgerFrame->isVisible());
        QCOMPARE(host.menuBar()->isEnabled(), !document);
        if (!document)
            QCOMPARE(host.findChild<hostfw::JournalEntryPool*>()->program(), opened.data());

        QTest::keyClick(opened, Qt::Key_Escape);
        QTRY_VERIFY(opened.isNull());
        QVERIFY(ledgerFrame->isVisible());
        QVERIFY(host.menuBar()->isEnabled());
    }
    QVERIFY(host.closePrograms());
}

QTEST_MAIN(OpeningALinesSourceTest)
#include "test_opening_a_lines_source.moc"
