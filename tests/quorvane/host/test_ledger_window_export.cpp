// The window's "Esporta…" on a processed demo ledger: the command and the movement grid's context menu write
// the chosen file with the grid's columns and the ledger's lines, whole or the selected group, leaving the
// window's groups as they were; a file that cannot be written is reported by name and nothing is left; cells
// that lost characters the file cannot hold are counted in the message, in the user's language.

#include "PanelTestSupport.h"

#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/ToolbarMenuButton.h"
#include "engine/NodeFilter.h"
#include "hostfw/UserLanguage.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

// The cost centres under "01" in 2023 and 2024 grouped by centre and month.
quorvane::SelectionParameters groupedLedger()
{
    quorvane::SelectionParameters s;
    s.TXT_CONTO = "01";
    s.TXT_DATAREGDA = QDate(2023, 1, 1);
    s.TXT_DATAREGA = QDate(2024, 12, 31);
    s.company = 1;
    s.ADVO_ORDINAMENTI = {{"C.d.C.", "ASC", true}, {"Data reg.", "ASC", true, 3}};
    return s;
}

// The CSV's lines after its header, split at the separator (the demo's texts hold no separator).
std::vector<QStringList> csvLines(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    std::vector<QStringList> lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lines.push_back(line.split(QLatin1Char(';')));
    return lines;
}

long rowsOf(const db::Recordset& movements, const std::string& filter)
{
    db::Recordset rows = movements.Clone();
    rows.Filter(filter);
    return rows.RecordCount();
}

} // namespace

class LedgerWindowExportTest : public QObject {
    Q_OBJECT
private slots:
    void theCommandWritesTheLedgerAsTheGridShowsIt();
    void theGridsMenuExportsTheSelectedGroup();
    void aFileThatCannotBeWrittenIsReportedByNameAndLeavesNothing();
    void cellsThatLostCharactersAreCountedInTheUsersLanguage();

private:
    QTemporaryDir dir_;
};

// The window over the demo company with the grouped ledger processed.
struct ProcessedWindow : paneltest::PanelWindow {
    explicit ProcessedWindow(const QString& language = QStringLiteral("ITA ")) : PanelWindow(1, language)
    {
        window->applySelection(groupedLedger());
        window->CMD_ELABORA_ButtonClick();
    }
};

void LedgerWindowExportTest::theCommandWritesTheLedgerAsTheGridShowsIt()
{
    ProcessedWindow w;
    const std::string shownGroup = w.window->movements().filter();
    QString chosen = dir_.filePath("ledger.csv");
    QString proposed;
    w.window->setExportFileChooser([&](QWidget*, const QString& name) {
        proposed = name;
        return chosen;
    });
    w.c().CMD_ESPORTA->click();
    QCOMPARE(proposed, QStringLiteral("Partitario_01_2023-01-01_2024-12-31"));
    QCOMPARE(w.statusBar.panelText(2), "Partitario esportato in " + QDir::toNativeSeparators(chosen));

    const std::vector<QStringList> lines = csvLines(chosen);
    QVERIFY(!lines.empty() && rowsOf(w.window->movements(), "") > 0);
    QStringList captions;
    for (const controls::DataGridColumn& column : w.c().GRD_MOVIMENTI->shownColumns())
        captions << column.caption;
    QCOMPARE(lines.front().mid(2), captions);   // after the two group columns
    QCOMPARE(long(lines.size() - 1), rowsOf(w.window->movements(), ""));
    QCOMPARE(w.window->movements().filter(), shownGroup);

    chosen = dir_.filePath("ledger.xlsx");
    w.c().CMD_ESPORTA->item(QStringLiteral("Key_Esporta"))->trigger();
    QFile spreadsheet(chosen);
    QVERIFY(spreadsheet.open(QIODevice::ReadOnly));
    QCOMPARE(spreadsheet.read(2), QByteArray("PK"));   // a zip container, as a spreadsheet file is
    QVERIFY(w.answerer->requests.empty());
}

void LedgerWindowExportTest::theGridsMenuExportsTheSelectedGroup()
{
    ProcessedWindow w;
    w.c().TRE_GRUPPI->expandAll();
    const QModelIndex third = w.c().TRE_GRUPPI->node(QStringLiteral("*3"));
    w.c().TRE_GRUPPI->selectNode(third);
    const QString chosen = dir_.filePath("group.csv");
    w.window->setExportFileChooser([&](QWidget*, const QString&) { return chosen; });
    const QList<QAction*> entries = w.c().GRD_MOVIMENTI->actions();
    const auto groupEntry = std::find_if(entries.begin(), entries.end(), [](QAction* a) {
        return a->text() == QStringLiteral("Esporta solo gruppo corrente…");
    });
    QVERIFY(groupEntry != entries.end() && (*groupEntry)->isEnabled());
    (*groupEntry)->trigger();
    const std::string filter = quorvane::movementFilterOf(w.c().TRE_GRUPPI->tag(third).toStdString());
    QCOMPARE(long(csvLines(chosen).size() - 1), rowsOf(w.window->movements(), filter));
}

void LedgerWindowExportTest::aFileThatCannotBeWrittenIsReportedByNameAndLeavesNothing()
{
    ProcessedWindow w;
    const QString unwritable = dir_.filePath("no such folder/ledger.xlsx");
    QVERIFY(!w.window->Esporta(unwritable, false));
    QCOMPARE(w.answerer->requests.size(), std::size_t(1));
    const QString report = w.answerer->texts().constFirst();
    QVERIFY2(report.contains(QStringLiteral("Esporta")) && report.contains(unwritable), qPrintable(report));
    QVERIFY(!QFile::exists(unwritable));
    QVERIFY(w.window->Esporta(dir_.filePath("after.xlsx"), false));   // the window goes on working
}

// Last, in English: it stores a control character in every line's description of the demo company.
void LedgerWindowExportTest::cellsThatLostCharactersAreCountedInTheUsersLanguage()
{
    sqlite3* file = nullptr;
    sqlite3_open(hosttest::demoDatabase().toUtf8().constData(), &file);
    QCOMPARE(sqlite3_exec(file, "UPDATE CI13_MOVCORPO SET CI13_DESCRAGG = 'riga' || char(1) || 'agg.' "
                                "WHERE CI13_DITTA_CG18 = 1", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(file);
    hostfw::installUserLanguage(hostfw::Language::English);
    ProcessedWindow w(QStringLiteral("ENG "));
    const QString chosen = dir_.filePath("held.csv");
    QVERIFY(w.window->Esporta(chosen, false));
    const std::vector<QStringList> lines = csvLines(chosen);
    QVERIFY(lines.size() > 1 && lines[1].contains(QStringLiteral("rigaagg.")));
    QCOMPARE(w.statusBar.panelText(2),
             QStringLiteral("Ledger exported to %1 - %2 cells held characters the file cannot hold (control characters, "
                            "U+FFFE, U+FFFF or bytes that are no UTF-8) or more than a cell holds; they were left out")
                 .arg(QDir::toNativeSeparators(chosen))
                 .arg(lines.size() - 1));
}

QTEST_MAIN(LedgerWindowExportTest)
#include "test_ledger_window_export.moc"
