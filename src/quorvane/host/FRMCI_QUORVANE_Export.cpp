// The export command of the results panel ("Esporta…") and of the movement grid's context menu: the ledger
// as the window shows it (the grid's shown columns and cell formats, the tree's groups and totals, the
// summary's criteria in the heading), whole or the current group, to a spreadsheet or to CSV.

#include "FRMCI_QUORVANE.h"

#include "ExportFileName.h"
#include "ExportProgressDialog.h"
#include "WaitCursor.h"

#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/LabelField.h"
#include "controls/ToolbarMenuButton.h"
#include "db/ConnectionString.h"
#include "display/CellFormats.h"
#include "engine/SummaryCriteria.h"
#include "export/LedgerExport.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/Phrases.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

namespace quorvane::host {
namespace {

const QString exportItem = QStringLiteral("Key_Esporta");
const QString exportCurrentGroupItem = QStringLiteral("Key_EsportaGruppoCorrente");
// The dialog's words are looked up when it opens, in the language the application speaks by then.
QString spreadsheetFilter()
{
    return hostfw::userText("Cartella di lavoro Excel (*.xlsx)");
}

QString csvFilter()
{
    return hostfw::userText("CSV, separato da punto e virgola (*.csv)");
}

// The file dialog of the export, on the name the window proposes: the spreadsheet by default, CSV when its
// filter is chosen; the name gets the chosen kind's suffix when the user types none.
QString chooseExportFile(QWidget* parent, const QString& proposedName)
{
    QFileDialog dialog(parent, hostfw::userText("Esporta partitario"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({spreadsheetFilter(), csvFilter()});
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.selectFile(proposedName);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == csvFilter() ? QStringLiteral("csv") : QStringLiteral("xlsx"));
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// Where the ledger went, and how many cells lost characters the file cannot hold when any did.
QString writtenMessage(const QString& path, long shortenedCells)
{
    const QString written = hostfw::userText("Partitario esportato in %1").arg(QDir::toNativeSeparators(path));
    return shortenedCells > 0 ? written + QStringLiteral(" - ") + exporting::cellsShortenedNotice(shortenedCells)
                              : written;
}

exporting::ExportFormat formatOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? exporting::ExportFormat::Csv
                                                                      : exporting::ExportFormat::Xlsx;
}

} // namespace

// The command's menu and the grid's context menu offer the same two exports; the current group's waits for
// a grouped ledger.
void FRMCI_QUORVANE::setUpExportCommands()
{
    exportFileChooser_ = chooseExportFile;
    controls::ToolbarMenuButton* command = controls_.CMD_ESPORTA;
    const struct {
        const QString& key;
        const char* caption;
        bool currentGroup;
    } items[] = {{exportItem, "Esporta…", false}, {exportCurrentGroupItem, "Esporta solo gruppo corrente…", true}};
    controls_.GRD_MOVIMENTI->setContextMenuPolicy(Qt::ActionsContextMenu);
    int position = 0;
    for (const auto& item : items) {
        const QString caption = hostfw::userText(item.caption);
        command->addItem(item.key, QStringLiteral("&%1 - %2").arg(++position).arg(caption));
        command->item(item.key)->setObjectName(item.key);
        auto* entry = new QAction(caption, controls_.GRD_MOVIMENTI);
        entry->setObjectName(item.key);
        controls_.GRD_MOVIMENTI->addAction(entry);
        connect(entry, &QAction::triggered, this,
                [this, group = item.currentGroup] { CMD_ESPORTA_ButtonClick(group); });
    }
    connect(command, &controls::ToolbarMenuButton::ButtonClick, this, [this] { CMD_ESPORTA_ButtonClick(false); });
    connect(command, &controls::ToolbarMenuButton::MenuClick, this,
            [this](const QString& key) { CMD_ESPORTA_ButtonClick(key == exportCurrentGroupItem); });
    enableCurrentGroupExport(false);
}

void FRMCI_QUORVANE::enableCurrentGroupExport(bool enabled)
{
    controls_.CMD_ESPORTA->setItemEnabled(exportCurrentGroupItem, enabled);
    for (QAction* entry : controls_.GRD_MOVIMENTI->actions())
        if (entry->objectName() == exportCurrentGroupItem)
            entry->setEnabled(enabled);
}

void FRMCI_QUORVANE::CMD_ESPORTA_ButtonClick(bool currentGroup)
{
    if (!extraction_ || !extraction_->movements().isOpen())
        return;
    const QString path = exportFileChooser_ ? exportFileChooser_(this, proposedExportName(selection())) : QString();
    if (!path.isEmpty())
        Esporta(path, currentGroup);
}

bool FRMCI_QUORVANE::Esporta(const QString& path, bool currentGroup)
{
    bool written = false;
    hostfw::runUnderTrap(trap(QStringLiteral("Esporta")), [&] {
        const WaitCursor wait;
        const exporting::ExportColumns columns(controls_.GRD_MOVIMENTI->shownColumns());
        const display::CellFormats formats{display::MovementGrid::Movements, *cellTexts_,
                                           settings_.costCentreChart.toInt(), settings_.expenseItemChart.toInt()};
        const Countervalue converter = countervalue(selection());
        const std::optional<exporting::ExportComparison> comparison =
            analysis_.exportComparison(ledger_.tree(), activeInterface_->ClsGlobal()->translator());
        const exporting::LedgerSource source{
            extraction_->movements(), ledger_.tree(), ledger_.configuration().levels, columns, formats, converter,
            exporting::exportHeading(activeInterface_->ClsGlobal()->Company(), summaryCaptions()),
            comparison ? &*comparison : nullptr};
        exporting::ExportRequest request;
        request.path = path.toStdString();
        request.format = formatOf(path);
        request.filesRead = {db::databaseFile(connection_->connectionString())};
        if (currentGroup && ledger_.hasGroups())
            request.group = ledger_.tree().find(
                controls_.TRE_GRUPPI->key(controls_.TRE_GRUPPI->selectedNode()).toStdString());
        ExportProgressDialog progress(this);
        written = exporting::exportLedger(source, request, progress) == exporting::ExportOutcome::Written;
        if (written)
            ScriviSuPannello(writtenMessage(path, progress.shortenedCells()));
    });
    return written;
}

// The summary panel's criteria as its fields show them.
ControlCaptions FRMCI_QUORVANE::summaryCaptions() const
{
    ControlCaptions captions;
    for (const SummaryCriterion& criterion : summaryCriteria) {
        if (const auto* field = findChild<controls::LabelField*>(QString::fromLatin1(criterion.field)))
            captions[criterion.field] = field->Value().toStdString();
    }
    return captions;
}

} // namespace quorvane::host
