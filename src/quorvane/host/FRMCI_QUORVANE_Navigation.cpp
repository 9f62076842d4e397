// Working in the results: a group node shows its movements and their totals; the tree opens and closes as
// a whole; the current movement line brings its movement's lines into the detail pane and offers its
// allocation traces; the commands go back to the parameters and forth to the results.

#include "FRMCI_QUORVANE.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "controls/OrderGrid.h"
#include "controls/ProgressField.h"
#include "controls/QueryGrid.h"
#include "controls/SplitterPanel.h"
#include "controls/TabStrip.h"
#include "controls/ToolbarMenuButton.h"
#include "display/DisplayTexts.h"
#include "display/GroupNavigation.h"
#include "display/TraceButtons.h"
#include "engine/CompetencePeriod.h"
#include "engine/ProcessingThreads.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/GlobalUtilities.h"
#include "hostfw/HostFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

namespace quorvane::host {
namespace {

// The splitter's regions keep at least this height while open, and the detail pane starts closed: the
// user opens it with CHK_VIEWRIGHE.
constexpr int splitterMinimumTwips = 750;
constexpr int splitterClosedPercentage = 100;

// The window stops repainting while a group's rows replace the grid's, then repaints once.
class RedrawLock {
public:
    explicit RedrawLock(QWidget* window)
    {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        hostfw::GlobalUtilities::instance().lockWindowUpdate(window);
    }
    ~RedrawLock()
    {
        hostfw::GlobalUtilities::instance().lockWindowUpdate(nullptr);
        QApplication::restoreOverrideCursor();
    }
    RedrawLock(const RedrawLock&) = delete;
    RedrawLock& operator=(const RedrawLock&) = delete;
};

} // namespace

// The results' objects and events; the grids themselves are laid out by InitGrid.
void FRMCI_QUORVANE::setUpResults()
{
    // A setting of the threads that is not a number is reported, and the processing runs in one piece.
    int threads = 1;
    hostfw::runUnderTrap(trap(QStringLiteral("setUpResults")), [&] { threads = processingThreads(); });
    extraction_ = std::make_unique<MovementExtraction>(*connection_, threads);
    detail_ = std::make_unique<display::MovementDetail>(*connection_);
    traceCommands_ =
        std::make_unique<display::AllocationTraceCommands>(this, activeInterface_->ClsGlobal(), connection_);
    analysis_.setUp(*controls_.TRE_GRUPPI, *controls_.CBO_CONFRONTO, *controls_.FME_TOTALIGEN,
                    activeInterface_->ClsGlobal()->translator(), {settings_.debitCaption, settings_.creditCaption});
    chartPane_.setUp(*controls_.TRE_GRUPPI, *controls_.CHK_GRAFICO, *controls_.GRF_GRAFICO,
                     activeInterface_->ClsGlobal()->translator());
    for (QFrame* region : {controls_.FRA_MOVIMENTI, controls_.FRA_DETTAGLIO})
        region->setMinimumHeight(hostfw::twipsToPixels(splitterMinimumTwips));
    controls_.ARQ_SPLIT->setPercentage(splitterClosedPercentage);
    controls_.CHK_VIEWRIGHE->setChecked(false);
    for (QPushButton* trace : {controls_.CMD_LEFT, controls_.CMD_RIGHT}) {
        trace->setEnabled(false);
        trace->setVisible(false);
    }
    setUpExportCommands();
    connectResultCommands();
}

void FRMCI_QUORVANE::connectResultCommands()
{
    const FormControls& c = controls_;
    connect(c.CMD_ELABORA, &QPushButton::clicked, this, [this] { CMD_ELABORA_ButtonClick(); });
    connect(c.TRE_GRUPPI, &controls::GroupTreeView::NodeClick, this,
            [this](const QModelIndex& node) { TRE_GRUPPI_NodeClick(node); });
    connect(c.CMD_ESPANDI, &QPushButton::clicked, this, [this] { CMD_ESPANDI_ButtonClick(); });
    connect(c.CMD_CHIUDI, &QPushButton::clicked, this, [this] { CMD_CHIUDI_ButtonClick(); });
    connect(c.CHK_VIEWRIGHE, &QCheckBox::toggled, this, [this] { CHK_VIEWRIGHE_Click(); });
    connect(c.CMD_LEFT, &QPushButton::clicked, this, [this] { CMD_LEFT_ButtonClick(); });
    connect(c.CMD_RIGHT, &QPushButton::clicked, this, [this] { CMD_RIGHT_ButtonClick(); });
    connect(c.CMD_PARAMETRI, &QPushButton::clicked, this, [this] { CMD_PARAMETRI_ButtonClick(); });
    connect(c.CMD_MOVIMENTI, &QPushButton::clicked, this, [this] { CMD_MOVIMENTI_ButtonClick(); });
    connect(c.TAB_QUORVANE, &QTabWidget::currentChanged, this, [this] { TAB_QUORVANE_Click(); });
    connect(c.GRD_MOVIMENTI, &controls::DataGrid::RowChanged, this, [this] { AggiornaDettaglioMovimenti(); });
    connect(c.GRD_MOVIMENTI, &controls::DataGrid::GotFocus, this, [this] { GRD_MOVIMENTI_GotFocus(); });
}

// An unloaded window keeps its controls until it is deleted, but no longer its movements: their events
// stop reaching it.
void FRMCI_QUORVANE::disconnectResultCommands()
{
    const FormControls& c = controls_;
    for (QObject* control : std::initializer_list<QObject*>{
             c.CMD_ELABORA, c.TRE_GRUPPI, c.CMD_ESPANDI, c.CMD_CHIUDI, c.CHK_VIEWRIGHE, c.CMD_LEFT, c.CMD_RIGHT,
             c.CMD_PARAMETRI, c.CMD_MOVIMENTI, c.TAB_QUORVANE, c.GRD_MOVIMENTI, c.CMD_ESPORTA})
        disconnect(control, nullptr, this, nullptr);
    for (QObject* entry : c.GRD_MOVIMENTI->actions())
        disconnect(entry, nullptr, this, nullptr);
}

// The status panel tells how to open the line the grid shows; a window the host has let go of has no
// panel to write on.
void FRMCI_QUORVANE::GRD_MOVIMENTI_GotFocus()
{
    if (activeInterface_ && activeInterface_->ClsGlobal())
        ScriviSuPannello(activeInterface_->ClsGlobal()->translator().text(display::textMovementGridFocus));
}

void FRMCI_QUORVANE::TRE_GRUPPI_NodeClick(const QModelIndex& node)
{
    if (!node.isValid())
        return;
    hostfw::runUnderTrap(trap(QStringLiteral("TRE_GRUPPI_NodeClick")), [&] {
        const RedrawLock lock(this);
        display::showGroup(controls_.TRE_GRUPPI->tag(node), extraction_->movements(), controls_.GRD_MOVIMENTI);
        AggiornamentoTotali();
    });
}

void FRMCI_QUORVANE::CMD_ESPANDI_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_ESPANDI_ButtonClick")), [&] {
        const RedrawLock lock(this);
        display::expandAllGroups(*controls_.TRE_GRUPPI, [this](const QModelIndex& node) { TRE_GRUPPI_NodeClick(node); });
    });
}

void FRMCI_QUORVANE::CMD_CHIUDI_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_CHIUDI_ButtonClick")), [&] {
        display::closeAllGroups(*controls_.TRE_GRUPPI, [this](const QModelIndex& node) { TRE_GRUPPI_NodeClick(node); });
    });
}

void FRMCI_QUORVANE::CHK_VIEWRIGHE_Click()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CHK_VIEWRIGHE_Click")), [&] {
        detailPane_.CHK_VIEWRIGHE_Click(controls_.CHK_VIEWRIGHE->isChecked(), *controls_.ARQ_SPLIT);
    });
}

void FRMCI_QUORVANE::CMD_LEFT_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_LEFT_ButtonClick")),
                         [&] { traceCommands_->open(&extraction_->movements(), hostfw::TraceDirection::Origins); });
}

void FRMCI_QUORVANE::CMD_RIGHT_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_RIGHT_ButtonClick")), [&] {
        traceCommands_->open(&extraction_->movements(), hostfw::TraceDirection::Destinations);
    });
}

void FRMCI_QUORVANE::CMD_PARAMETRI_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_PARAMETRI_ButtonClick")), [&] {
        showParameters();
        controls_.CMD_MOVIMENTI->setEnabled(true);
    });
}

void FRMCI_QUORVANE::CMD_MOVIMENTI_ButtonClick()
{
    hostfw::runUnderTrap(trap(QStringLiteral("CMD_MOVIMENTI_ButtonClick")), [&] {
        showResults();
        if (ledger_.hasGroups())
            controls_.TRE_GRUPPI->setFocus(Qt::OtherFocusReason);
        else
            controls_.GRD_MOVIMENTI->setFocus(Qt::OtherFocusReason);
    });
}

// The focus goes to the grid of the tab shown: the limits or the ordering; the account filter's tab
// leaves it where it is.
void FRMCI_QUORVANE::TAB_QUORVANE_Click()
{
    hostfw::runUnderTrap(trap(QStringLiteral("TAB_QUORVANE_Click")), [&] {
        QWidget* page = controls_.TAB_QUORVANE->currentWidget();
        if (page && page->isAncestorOf(controls_.ADVQ_LIMITI))
            controls_.ADVQ_LIMITI->setFocus(Qt::OtherFocusReason);
        else if (page == controls_.ADVO_ORDINAMENTI)
            controls_.ADVO_ORDINAMENTI->setFocus(Qt::OtherFocusReason);
    });
}

display::DetailRowsRequest FRMCI_QUORVANE::detailRowsRequest() const
{
    return {engineSettings(), competencePeriodOf(selection()), lineAttributes_};
}

void FRMCI_QUORVANE::AggiornaDettaglioMovimenti()
{
    hostfw::runUnderTrap(trap(QStringLiteral("AggiornaDettaglioMovimenti")), [&] {
        detail_->AggiornaDettaglioMovimenti(&extraction_->movements(), detailRowsRequest(), controls_.GRD_DETTAGLIO);
    });
}

// While a processing runs the set moves over rows nobody looks at: the trace commands wait for its end.
void FRMCI_QUORVANE::gclsMovimenti_MoveComplete()
{
    if (!processing_)
        AbilitaBottoniTracciaRib();
}

void FRMCI_QUORVANE::AbilitaBottoniTracciaRib()
{
    hostfw::runUnderTrap(trap(QStringLiteral("AbilitaBottoniTracciaRib")), [&] {
        const display::TraceButtons buttons =
            display::AbilitaBottoniTracciaRib(*connection_, settings_.ditta.toInt(), &extraction_->movements());
        controls_.CMD_LEFT->setEnabled(buttons.left);
        controls_.CMD_LEFT->setVisible(buttons.left);
        controls_.CMD_RIGHT->setEnabled(buttons.right);
        controls_.CMD_RIGHT->setVisible(buttons.right);
    });
}

} // namespace quorvane::host
