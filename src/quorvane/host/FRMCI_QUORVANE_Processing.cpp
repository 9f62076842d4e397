// The processing command: the settings check, the extraction into the working table with the movement
// set and the totals read back, the display configured from the ordering grid, and the switch to the
// results with the first group shown. The grids let go of the old movement set before anything else,
// since the extraction replaces it.

#include "FRMCI_QUORVANE.h"

#include "ProcessingProgress.h"
#include "WaitCursor.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/MovementTypeSelector.h"
#include "controls/ProgressField.h"
#include "controls/QueryGrid.h"
#include "controls/SplitterPanel.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/MessageService.h"
#include "hostfw/MovementTypeCatalogue.h"
#include "selection/LimitsCondition.h"
#include "selection/MovementTypeCondition.h"

#include <QApplication>
#include <QFrame>

namespace quorvane::host {
namespace {

constexpr int messageNothingExtracted = 39037;
constexpr int textCustomer = 11180;
constexpr int textSupplier = 27554;
const QString firstGroupKey = QStringLiteral("*1");

} // namespace

EngineSettings FRMCI_QUORVANE::engineSettings() const
{
    const hostfw::Translator& translator = activeInterface_->ClsGlobal()->translator();
    EngineSettings engine;
    engine.company = settings_.ditta.toInt();
    engine.costCentreChart = settings_.costCentreChart.toInt();
    engine.expenseItemChart = settings_.expenseItemChart.toInt();
    engine.language = settings_.userLanguage.toString().toStdString();
    engine.amountDecimals = settings_.amountDecimals;
    engine.quantityDecimals = settings_.quantityDecimals;
    engine.intercompany = settings_.intercompany;
    engine.qevIntegration = settings_.qevIntegration;
    engine.financialAccounting = settings_.financialAccounting;
    engine.defaultCompetenceDate = settings_.competenceDateExpression.toStdString();
    engine.documentRepeatSuffix = settings_.repeatedDocumentSuffix.toStdString();
    engine.customerWord = translator.text(textCustomer).toStdString();
    engine.supplierWord = translator.text(textSupplier).toStdString();
    return engine;
}

// The extraction is built from what the panel and the grids hold now; the movement-type selector's
// condition is the one the settings check has just given its range.
ExtractionRequest FRMCI_QUORVANE::extractionRequest(const GridConditions& conditions) const
{
    ExtractionRequest request;
    request.selection = selection();
    request.settings = engineSettings();
    request.movementTypeCondition = controls_.USR_TIPOMOV->SQLCondition().toStdString();
    request.limitsCondition = conditions.limits;
    request.accountFilterCondition = conditions.accountFilter;
    request.headerAttributes = headerAttributes_;
    request.lineAttributes = lineAttributes_;
    return request;
}

// Each grid's condition is combined under its own procedure's trap; nothing when one could not be (its
// error is reported), since an extraction without a limit the user set would show lines they excluded.
std::optional<FRMCI_QUORVANE::GridConditions> FRMCI_QUORVANE::gridConditions()
{
    GridConditions conditions;
    const bool limits = hostfw::runUnderTrap(trap(QStringLiteral("ProcessaLimitiAdvancedQuery")), [&] {
        conditions.limits = ProcessaLimitiAdvancedQuery(controls_.ADVQ_LIMITI->conditionRows());
    });
    // The account filter grid counts only when the accounts are chosen in it.
    const bool accounts = controls_.CBO_SELCONTOVDS->Value() != QLatin1String("2")
                       || hostfw::runUnderTrap(trap(QStringLiteral("ProcessaLimitiSelezionaAvanzata")), [&] {
                              conditions.accountFilter =
                                  ProcessaLimitiSelezionaAvanzata(controls_.ADVQ_SELCONTI->conditionRows());
                          });
    return limits && accounts ? std::optional(conditions) : std::nullopt;
}

void FRMCI_QUORVANE::CMD_ELABORA_ButtonClick()
{
    hostfw::runUnderTrap(
        trap(QStringLiteral("CMD_ELABORA_ButtonClick")),
        [&] {
            processing_ = true;
            controls_.GRD_MOVIMENTI->setRecordset(nullptr);
            controls_.GRD_DETTAGLIO->setRecordset(nullptr);
        },
        [&] { return CheckImpostazioni() ? hostfw::StepFlow::Next : hostfw::StepFlow::Leave; },
        [&] {
            const Extraction extraction = SelezioneMovimenti();
            if (extraction == Extraction::Nothing)
                costUtilities_->showMessage(hostfw::messageKindNotice, messageNothingExtracted);
            return extraction == Extraction::Lines ? hostfw::StepFlow::Next : hostfw::StepFlow::Leave;
        },
        [&] { selections_.rememberProcessed(selection()); }, [&] { resetPrintState(); }, [&] { showQuantityColumns(); }, [&] { CaricaVisualizzazioneMovimenti(); }, [&] { showResults(); },
        [&] { showFirstGroup(); });
    processing_ = false;
    controls_.PBARSELEZIONE->setVisible(false);
    applySplitterLayout();
}

FRMCI_QUORVANE::Extraction FRMCI_QUORVANE::SelezioneMovimenti()
{
    const std::optional<GridConditions> conditions = gridConditions();
    if (!conditions)
        return Extraction::Stopped;
    bool extracted = false;
    const WaitCursor wait;
    hostfw::runUnderTrap(trap(QStringLiteral("SelezioneMovimenti")), [&] {
        ProcessingProgress progress(*controls_.PBARSELEZIONE, activeInterface_->ClsGlobal()->translator(), *this);
        const ExtractionRequest request = extractionRequest(*conditions);
        // The comparison goes first: the working table then holds the selection's lines, which the print reads.
        analysis_.extractComparison(*connection_, request,
                                    budgetMovementTypeCondition(hostfw::MovementTypeCatalogue(*connection_).movementTypes(),
                                                                movementTypeRange(request.selection)));
        extracted = extraction_->run(request, progress);
        // The new set is a new object: it reports its row changes to the trace commands as the old one did.
        extraction_->movements().setMoveCompleteHandler([this] { gclsMovimenti_MoveComplete(); });
    });
    return extracted ? Extraction::Lines : Extraction::Nothing;
}

// The quantity column follows the quantity box of the processing that filled the grids.
void FRMCI_QUORVANE::showQuantityColumns()
{
    const bool quantities = controls_.CHK_QUANTITA->Value() != QLatin1String("0");
    controls_.GRD_MOVIMENTI->setColumnVisible(QStringLiteral("QUANTITA"), quantities);
    controls_.GRD_DETTAGLIO->setColumnVisible(QStringLiteral("QUANTITA"), quantities);
}

void FRMCI_QUORVANE::CaricaVisualizzazioneMovimenti()
{
    ConfigurazioneVisualizzazioneMovimenti();
    db::Recordset& movements = extraction_->movements();
    if (movements.RecordCount() > 0)
        movements.MoveFirst();
    controls_.GRD_MOVIMENTI->setRecordset(&movements);
}

void FRMCI_QUORVANE::showResults()
{
    hostfw::runUnderTrap(hostfw::ignoreErrors(), [&] {
        controls_.FRAME_PARAMETRI->setVisible(false);
        controls_.FRA_RISULTATI->setVisible(true);
    });
}

void FRMCI_QUORVANE::showParameters()
{
    hostfw::runUnderTrap(
        hostfw::ignoreErrors(), [&] { controls_.FRA_RISULTATI->setVisible(false); },
        [&] { controls_.FRAME_PARAMETRI->setVisible(true); },
        [&] { controls_.CBO_SELCONTOVDS->setFocus(Qt::OtherFocusReason); });
}

// A grouped ledger opens on its first group, as if the user had clicked it; an ungrouped one on the grid.
void FRMCI_QUORVANE::showFirstGroup()
{
    if (!ledger_.hasGroups()) {
        controls_.GRD_MOVIMENTI->setFocus(Qt::OtherFocusReason);
        return;
    }
    controls_.TRE_GRUPPI->setFocus(Qt::OtherFocusReason);
    const QModelIndex first = controls_.TRE_GRUPPI->node(firstGroupKey);
    controls_.TRE_GRUPPI->selectNode(first);
    TRE_GRUPPI_NodeClick(first);
}

} // namespace quorvane::host
