// The results panel: both grids laid out once from the company's settings, then after every processing the
// display configured from the ordering grid (break levels, sort, tree), the panes arranged for a grouped or
// an ungrouped ledger, and the totals and the summary written into their fields.

#include "FRMCI_QUORVANE.h"

#include "controls/AccountMaskField.h"
#include "controls/CheckField.h"
#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/LabelField.h"
#include "controls/MovementTypeSelector.h"
#include "controls/NumberField.h"
#include "controls/NumberText.h"
#include "controls/OrderGrid.h"
#include "controls/SplitterPanel.h"
#include "controls/ToolbarMenuButton.h"
#include "display/CellFormats.h"
#include "display/GridLayoutApplication.h"
#include "display/ResultsLayout.h"
#include "engine/AnalysisTexts.h"
#include "engine/AttributeColumns.h"
#include "engine/ChartAccountFormatting.h"
#include "engine/GroupTotals.h"
#include "engine/NumberFormat.h"
#include "engine/SummaryPanel.h"
#include "hostfw/AttributeDefinitions.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/Translator.h"
#include "selection/OrderingColumns.h"

#include "GridFontScale.h"
#include "MovementGridTools.h"
#include "ProcessingProgress.h"
#include "ResultsPanelLayout.h"
#include "SelectionPanel.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace quorvane::host {
namespace {

// The window's design height, and the design heights of the tree and of the ungrouped totals in it.
constexpr int designHeightTwips = 8040;
constexpr int designTreeHeightTwips = 2700;
constexpr int designUngroupedTotalsHeightTwips = 600;

} // namespace

display::GridLayoutSettings FRMCI_QUORVANE::gridLayoutSettings(const hostfw::AttributeDefinitions& attributes) const
{
    const company::CompanySettings& company = activeInterface_->ClsGlobal()->Company();
    display::GridLayoutSettings grid = display::companyGridLayout(company, engineSettings());
    grid.debitCaption = settings_.debitCaption;
    grid.creditCaption = settings_.creditCaption;
    grid.currencyText = costUtilities_->currencyText(settings_.currency);
    // The grids are laid out once, with the window at its design size.
    grid.horizontalScale = 1.0;
    grid.headerAttributes = attributes.attributes(headerAttributeEntity);
    grid.lineAttributes = attributes.attributes(lineAttributeEntity);
    return grid;
}

// InitGrid: the column sets follow the company for the window's life; the cells are written by the grids'
// formats with the words of the cost-accounting utilities.
void FRMCI_QUORVANE::InitGrid()
{
    const hostfw::AttributeDefinitions attributes =
        hostfw::AttributeDefinitions::read(*connection_, settings_.ditta.toInt());
    headerAttributes_ = attributes.names(headerAttributeEntity);
    lineAttributes_ = attributes.names(lineAttributeEntity);
    const display::GridLayoutSettings grid = gridLayoutSettings(attributes);
    const hostfw::Translator& translator = activeInterface_->ClsGlobal()->translator();
    const GridSides sides{settings_.debitCaption, settings_.creditCaption, translator.text(textBalanceColumn),
                          translator.text(textRunningBalanceColumn), translator.text(textLinesColumn)};
    addRunningBalance(*controls_.GRD_MOVIMENTI, sides);
    display::layOutGrid(*controls_.GRD_MOVIMENTI, display::movementGridLayout(grid));
    display::layOutGrid(*controls_.GRD_DETTAGLIO, display::detailGridLayout(grid));
    scaleColumnsToFont(*controls_.GRD_MOVIMENTI);
    scaleColumnsToFont(*controls_.GRD_DETTAGLIO);
    connectGridTools(*controls_.GRD_MOVIMENTI, *controls_.TXT_FILTRORIGHE, *controls_.LBL_TOTALIRIGHE, sides);
    // The grids' numbers read as the totals beside them do, in the user's language.
    const QLocale numbers = hostfw::languageFromCode(settings_.userLanguage.toString()) == hostfw::Language::English
                                ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                : controls::italianNumbers();
    controls_.GRD_MOVIMENTI->setNumberLocale(numbers);
    controls_.GRD_DETTAGLIO->setNumberLocale(numbers);

    controls::AccountMaskField* ledgerAccount = controls_.TXT_FORMATCONTOCOGE;
    cellTexts_ = std::make_unique<display::CostUtilitiesCellTexts>(*costUtilities_, [ledgerAccount](const QString& code) {
        ledgerAccount->setValue(code);
        return ledgerAccount->lineEdit()->text();
    });
    const int costCentres = settings_.costCentreChart.toInt();
    const int expenseItems = settings_.expenseItemChart.toInt();
    for (auto [grid, kind] : {std::pair{controls_.GRD_MOVIMENTI, display::MovementGrid::Movements},
                              std::pair{controls_.GRD_DETTAGLIO, display::MovementGrid::Detail}}) {
        const display::CellFormats formats{kind, *cellTexts_, costCentres, expenseItems};
        grid->setDataFormatter(
            [formats](const QString& key, QString& text, const controls::DataGridRow& row) { formats.format(key, text, row); },
            formats.keys());
    }
}

// ConfigurazioneVisualizzazioneMovimenti: the break levels and sorts from the ordering grid, the tree when
// the ledger is grouped, the panes for it, then the totals and the summary. The tree, the totals and the
// summary each report their own errors: a tree that stops half-way still leaves the figures shown.
void FRMCI_QUORVANE::ConfigurazioneVisualizzazioneMovimenti()
{
    const hostfw::ClsGlobal& session = *activeInterface_->ClsGlobal();
    hostfw::runUnderTrap(
        trap(QStringLiteral("ConfigurazioneVisualizzazioneMovimenti")),
        [&] {
            const std::vector<OrderingColumn> ordering =
                orderingColumns(selection().ADVO_ORDINAMENTI, controls_.ADVO_ORDINAMENTI->offer());
            ProcessingProgress progress(*controls_.PBARSELEZIONE, session.translator(), *this);
            ledger_.ConfigurazioneVisualizzazioneMovimenti(ordering, extraction_->movements(), session.translator(),
                                                           progress);
        },
        [&] { CaricamentoTree(); }, [&] { applyResultsLayout(); }, [&] { AggiornamentoTotali(); },
        [&] { AggiornamentoSpecchiettoRiepilogativo(); });
}

void FRMCI_QUORVANE::CaricamentoTree()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CaricamentoTree")), [&] {
        const hostfw::ClsGlobal& session = *activeInterface_->ClsGlobal();
        const ChartAccountFormatting accounts(session.Charts());
        const GroupCaptions captions({settings_.noValueText.toStdString(), accounts, settings_.costCentreChart.toInt(),
                                      settings_.expenseItemChart.toInt(),
                                      hostfw::languageFromCode(settings_.userLanguage.toString())});
        ProcessingProgress progress(*controls_.PBARSELEZIONE, session.translator(), *this);
        ledger_.CaricamentoTree(extraction_->movements(), captions, progress);
        const TotalsFormats formats = totalsFormats();
        const auto text = [](const std::string& figure) { return QString::fromStdString(figure); };
        const GroupTotalsTreeModel::Texts texts{
            [=, converter = countervalue(selection())](const db::Decimal& amount) {
                return text(amountText(amount, formats, converter));
            },
            [=](const db::Decimal& quantity) { return text(quantityText(quantity, formats)); },
            [=](const db::Decimal& percent) { return text(percentText(percent, formats)); }};
        analysis_.showFigures(ledger_, extraction_->movements(),
                              orderingColumns(selection().ADVO_ORDINAMENTI, controls_.ADVO_ORDINAMENTI->offer()),
                              session.translator(), captions, texts, formats.quantities);
    });
}

// The panes of a grouped or an ungrouped ledger. The results panel shares its height between the tree's
// row and the grids' splitter as the design does at its own height; the layouts keep that share as the
// window is resized.
void FRMCI_QUORVANE::applyResultsLayout()
{
    display::PaneMetrics design;
    design.formHeight = designHeightTwips;
    design.treeHeight = designTreeHeightTwips;
    design.ungroupedTotalsHeight = designUngroupedTotalsHeightTwips;
    const display::ResultsLayout layout = display::resultsLayout(ledger_.hasGroups(), design);
    shareResultsHeight(controls_, layout.splitterTop, layout.splitterHeight);
    controls_.TRE_GRUPPI->setVisible(layout.treeVisible);
    controls_.FME_TOTALIGEN->setVisible(layout.selectionTotalsVisible);
    controls_.FME_TOTALINOGRUPPO->setVisible(layout.ungroupedTotalsVisible);
    controls_.CMD_ESPANDI->setEnabled(layout.expandCloseEnabled);
    controls_.CMD_CHIUDI->setEnabled(layout.expandCloseEnabled);
    controls_.CMD_STAMPA->setItemEnabled(QString::fromLatin1(display::printCurrentGroupItem),
                                         layout.printCurrentGroupEnabled);
    enableCurrentGroupExport(layout.printCurrentGroupEnabled);
}

// After a resize or a processing the panes are arranged again; before the first processing there is
// nothing to arrange.
void FRMCI_QUORVANE::applySplitterLayout()
{
    if (extraction_ && extraction_->movements().isOpen())
        applyResultsLayout();
}

TotalsFormats FRMCI_QUORVANE::totalsFormats() const
{
    return {settings_.amountFormat.toStdString(), controls_.TXT_QUANTITA->format().toStdString(),
            hostfw::languageFromCode(settings_.userLanguage.toString()),
            controls_.CHK_QUANTITA->Value() == QLatin1String("1")};
}

Countervalue FRMCI_QUORVANE::countervalue(const SelectionParameters& selection) const
{
    return Countervalue(selection, settings_.currency.toStdString(), *connection_, settings_.ditta.toInt());
}

void FRMCI_QUORVANE::setCaptions(const ControlCaptions& captions)
{
    for (const auto& [control, caption] : captions) {
        auto* field = findChild<controls::LabelField*>(QString::fromStdString(control));
        if (!field)
            throw std::logic_error("the window has no label field " + control);
        field->setValue(QString::fromStdString(caption));
    }
}

void FRMCI_QUORVANE::AggiornamentoTotali()
{
    hostfw::runUnderTrap(trap(QStringLiteral("AggiornamentoTotali")), [&] {
        const Countervalue converter = countervalue(selection());
        ControlCaptions captions = quorvane::AggiornamentoTotali(extraction_->movements(), totalsFormats(), converter);
        analysis_.setComparisonCaptions(captions, controls_.TRE_GRUPPI->selectedNode(), extraction_->totals(),
                                        totalsFormats(), converter);
        setCaptions(captions);
    });
}

void FRMCI_QUORVANE::AggiornamentoSpecchiettoRiepilogativo()
{
    hostfw::runUnderTrap(trap(QStringLiteral("AggiornamentoSpecchiettoRiepilogativo")), [&] {
        const hostfw::Translator& translator = activeInterface_->ClsGlobal()->translator();
        const SelectionParameters record = selection();
        const Countervalue converter = countervalue(record);
        const hostfw::CostLookupDecode* chart = panel_->chartOf(QString::fromStdString(record.CBO_SELCONTOVDS));
        setCaptions(quorvane::AggiornamentoSpecchiettoRiepilogativo(
            {record, summaryAccountDescription(chart, record.TXT_CONTO), controls_.USR_TIPOMOV->Caption().toStdString(),
             SummaryWords::of(translator), translator.text(textAdvancedAccountSelection).toStdString(),
             extraction_->totals(), ledger_.hasGroups(), totalsFormats(), converter}));
    });
}

} // namespace quorvane::host
