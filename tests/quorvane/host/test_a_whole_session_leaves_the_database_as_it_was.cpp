// The company database is only read: a whole session in the host shell on a copy of the demo database
// (a selection saved and opened again, a grouped processing, every node opened, the detail pane, the
// allocation-trace commands, the print, the export, a line's source program) leaves the file byte for byte as
// it was, with no file beside it. Each step is one entry of the list below and checks that it did what it stands for.

#include "PanelTestSupport.h"

#include "HostMainWindow.h"

#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/ToolbarMenuButton.h"
#include "db/ConnectionString.h"
#include "hostfw/AllocationTraceViewer.h"
#include "hostfw/SourceProgramWindow.h"
#include "report/ReportPreview.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>

#include <functional>

using quorvane::host::FRMCI_QUORVANE;

namespace {

QByteArray digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

quorvane::SelectionParameters groupedByCostCentre()
{
    quorvane::SelectionParameters s;
    s.company = 1;
    s.CBO_SELCONTOVDS = "2";
    s.CHK_QUANTITA = "1";
    s.ADVO_ORDINAMENTI = {{"C.d.C.", "ASC", true, 8, false}, {"Data reg.", "ASC", true, 3, false}};
    return s;
}

struct Session {
    hostshell::HostMainWindow* host = nullptr;
    FRMCI_QUORVANE* window = nullptr;
    QString selectionFile, exportFile;
    const quorvane::host::FormControls& c() const { return window->controls(); }
};

// Walks the movement set until a line offers one of the trace commands; answers that command.
QPushButton* lineWithATrace(Session& s)
{
    const controls::GroupTreeView& tree = *s.c().TRE_GRUPPI;
    for (int top = 0; top < tree.model()->rowCount(); ++top) {
        s.window->TRE_GRUPPI_NodeClick(tree.model()->index(top, 0));
        db::Recordset& movements = s.window->movements();
        for (movements.MoveFirst(); !movements.EOF_(); movements.MoveNext())
            for (QPushButton* command : {s.c().CMD_RIGHT, s.c().CMD_LEFT})
                if (command->isVisible())
                    return command;
    }
    return nullptr;
}

struct SessionStep {
    const char* name;
    std::function<void(Session&)> run;
};

const std::vector<SessionStep> steps{
    {"open the ledger inquiry",
     [](Session& s) {
         QVERIFY(s.host->openLedgerInquiry());
         s.window = static_cast<FRMCI_QUORVANE*>(s.host->mdiArea()->subWindowList().constFirst()->widget());
     }},
    {"save a selection",
     [](Session& s) {
         s.window->applySelection(groupedByCostCentre());
         QVERIFY(s.window->SalvaSelezione(s.selectionFile));
     }},
    {"open it again", [](Session& s) { QVERIFY(s.window->ApriSelezione(s.selectionFile)); }},
    {"process",
     [](Session& s) {
         QTest::mouseClick(s.c().CMD_ELABORA, Qt::LeftButton);
         QVERIFY(s.c().FRA_RISULTATI->isVisible());
     }},
    {"open every node",
     [](Session& s) {
         s.window->CMD_ESPANDI_ButtonClick();
         const QAbstractItemModel& tree = *s.c().TRE_GRUPPI->model();
         QVERIFY(tree.rowCount() > 1);
         for (int top = 0; top < tree.rowCount(); ++top) {
             s.window->TRE_GRUPPI_NodeClick(tree.index(top, 0));
             for (int child = 0; child < tree.rowCount(tree.index(top, 0)); ++child)
                 s.window->TRE_GRUPPI_NodeClick(tree.index(child, 0, tree.index(top, 0)));
         }
     }},
    {"show the detail pane",
     [](Session& s) {
         s.c().CHK_VIEWRIGHE->setChecked(true);
         s.window->movements().MoveFirst();
         QVERIFY(s.c().GRD_DETTAGLIO->isVisible());
     }},
    {"follow an allocation trace",
     [](Session& s) {
         QPushButton* command = lineWithATrace(s);
         QVERIFY(command);
         QTest::mouseClick(command, Qt::LeftButton);
         QPointer<hostfw::AllocationTraceViewer> viewer = s.window->findChild<hostfw::AllocationTraceViewer*>();
         QVERIFY(viewer && viewer->isVisible());
         viewer->close();
     }},
    {"print the ledger into the preview",
     [](Session& s) {
         s.c().CMD_STAMPA->click();
         report::ReportPreview* preview = nullptr;
         for (QWidget* window : QApplication::topLevelWidgets())
             if (auto* shown = qobject_cast<report::ReportPreview*>(window); shown && shown->isVisible())
                 preview = shown;
         QVERIFY(preview);
         preview->close();
     }},
    {"export the ledger",
     [](Session& s) {
         s.window->setExportFileChooser([&s](QWidget*, const QString&) { return s.exportFile; });
         s.c().CMD_ESPORTA->click();
         QVERIFY(QFile::exists(s.exportFile));
     }},
    {"open the line's source program",
     [](Session& s) {
         QTest::mouseClick(s.c().CMD_MODIFICA, Qt::LeftButton);
         QPointer<hostfw::SourceProgramWindow> program = s.host->findChild<hostfw::SourceProgramWindow*>();
         QVERIFY(program && program->isVisible());
         QTest::keyClick(program, Qt::Key_Escape);
         QTRY_VERIFY(program.isNull());
     }},
    {"close the ledger inquiry", [](Session& s) { QVERIFY(s.host->closePrograms()); }},
};

} // namespace

class WholeSessionTest : public QObject {
    Q_OBJECT
private slots:
    void leavesTheCompanyDatabaseAsItWas()
    {
        QTemporaryDir companyFolder, userFolder;
        const QString copy = companyFolder.filePath(QStringLiteral("company.db"));
        QVERIFY(QFile::copy(hosttest::demoDatabase(), copy));
        const QByteArray before = digest(copy);
        {
            const auto session = hostfw::ClsGlobal::open(
                {QString::fromStdString(db::embeddedDatabase(copy.toStdString(), db::Access::ReadOnly)), 1,
                 QStringLiteral("TEST"), QStringLiteral("ITA ")});
            const auto answerer = hosttest::answerDialogs(*session);
            hostshell::HostMainWindow host(session, QStringLiteral(QUORVANE_PLUGIN_FILE));
            host.show();
            Session s{&host, nullptr, userFolder.filePath(QStringLiteral("selection.json")),
                      userFolder.filePath(QStringLiteral("ledger.csv"))};
            for (const SessionStep& step : steps) {
                step.run(s);
                QVERIFY2(!QTest::currentTestFailed(), step.name);
                QVERIFY2(answerer->requests.empty(),
                         qPrintable(QString::fromLatin1(step.name) + ": " + answerer->texts().join('\n')));
            }
        }
        QCOMPARE(digest(copy), before);
        QCOMPARE(QDir(companyFolder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"company.db"});
    }
};

QTEST_MAIN(WholeSessionTest)
#include "test_a_whole_session_leaves_the_database_as_it_was.moc"
