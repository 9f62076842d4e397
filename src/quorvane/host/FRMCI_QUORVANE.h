#pragma once
// The ledger inquiry window. The plug-in class creates it and hands it the host contract; at its
// first activation it opens its own connection, reads the company settings every other part of the
// window uses, makes its service objects and sets up its panels; when it unloads it releases them
// in order and closes the connection, and with it the working table.

#include "FormControls.h"
#include "GroupChartPane.h"
#include "GroupTreeAnalysis.h"
#include "InstanceTag.h"
#include "RememberedSelections.h"
#include "ServiceObjects.h"
#include "TrappedGridEvents.h"
#include "WindowSettings.h"

#include "controls/LookupChooser.h"
#include "display/AllocationTraceCommands.h"
#include "display/CostUtilitiesCellTexts.h"
#include "display/DetailPaneSwitch.h"
#include "display/GridLayoutSettings.h"
#include "display/MovementDetail.h"
#include "engine/ControlCaptions.h"
#include "engine/Countervalue.h"
#include "engine/GroupedLedger.h"
#include "engine/MovementExtraction.h"
#include "engine/TotalsCaptions.h"
#include "hostfw/ConnectionFactory.h"
#include "hostfw/CostUtilities.h"
#include "hostfw/ErrorTrap.h"
#include "hostfw/LookupService.h"
#include "print/AccountFormulas.h"
#include "print/LedgerPrint.h"
#include "print/ReportFormulas.h"
#include "print/ReportParameters.h"
#include "selection/AccountFilterEvents.h"
#include "selection/LimitsGridEvents.h"
#include "selection/SelectionParameters.h"
#include "selection/WindowCommands.h"

#include <QPointer>

class QMenu;
#include <QWidget>

#include <functional>
#include <memory>

namespace db {
class Connection;
}

namespace hostfw {
class AttributeDefinitions;
class Cinterface;
class CostLookupDecode;
}

namespace quorvane::host {

class CLSCI_QUORVANE;
class SelectionPanel;

class FRMCI_QUORVANE : public QWidget, public WindowCommands {
    Q_OBJECT
public:
    inline static const QString formName = QStringLiteral("FRMCI_QUORVANE");
    // The inquiry's name in the user's language: the title of its messages and the host's application title.
    static QString applicationTitle();

    FRMCI_QUORVANE();            // Form_Initialize
    ~FRMCI_QUORVANE() override;  // Form_Terminate

    hostfw::Cinterface* ActiveInterface() const { return activeInterface_; }
    void setActiveInterface(hostfw::Cinterface* contract) { activeInterface_ = contract; }
    CLSCI_QUORVANE* Plugin() const { return plugin_; }
    void setPlugin(CLSCI_QUORVANE* plugin) { plugin_ = plugin; }
    // The host's window state: 0 normal, 1 minimised, 2 maximised.
    void setFormWindowState(int state) { formWindowState_ = state; }

    // Loads the window when it is not loaded (placing it in the host's frame), shows it and
    // activates it. A modal show returns when the window has unloaded.
    void Show(bool modal);
    // Asks the window to close; false when it refused (it stays open).
    bool Unload();
    bool isLoaded() const { return loaded_; }
    bool isActivated() const { return activated_; }
    // The plug-in class lets go of the window: it goes now, or when it unloads if it is still open.
    void Release();
    // The plug-in class ends: the window lets go of its host contract and of the class.
    void DetachFromPlugin();

    // The navigator's buttons, for the host: every button but 14 and those from 18 up hands the
    // focus back to the window through the global utility object.
    void NavigatorButtonPressed(bool& fbolCancel, qint32 fenmButtonPress);
    // Runs the host's form scripts of "aqOpen" and "aqClose"; answers the scripts' cancel.
    bool ExecuteFormEvent(const QString& event);
    // Writes the text into panel 2 of the host's status bar.
    void ScriviSuPannello(const QString& text);

    const QString& instanceTag() { return tag_.read(); }
    const WindowSettings& settings() const { return settings_; }
    const FormControls& controls() const { return controls_; }
    hostfw::CostUtilities* costUtilities() const { return costUtilities_.get(); }
    const ServiceObjects& services() const { return services_; }
    const std::shared_ptr<db::Connection>& connection() const { return connection_; }
    // The window's procedures run under this trap: errors go to the cost-accounting utilities.
    hostfw::TrapHandler trap(const QString& procedure);

    // The selection as the panel and the three grids hold it.
    SelectionParameters selection() const;
    // Sets the panel and the grids from the record as if the user typed it. Throws SelectionFileError
    // naming the key of a value that does not fit the window; the window then keeps its values.
    void applySelection(const SelectionParameters& selection);
    // "Salva selezione…" and "Apri selezione…" with the file already chosen; a file that cannot be
    // written or read, or that the window refuses, is reported to the user and answers false.
    bool SalvaSelezione(const QString& path);
    Q_INVOKABLE bool ApriSelezione(const QString& path);

    // The check before processing: shows the first refusal, moves the user to the field or tab to
    // correct and answers false; gives the movement-type selector the range of its types on the way.
    bool CheckImpostazioni();

    // How the window's lookups let the user choose; the lookup window unless replaced.
    void setLookupChooser(controls::LookupChooser chooser);
    SelectionPanel* panel() const { return panel_.get(); }

    // The processing command: the check, the extraction, the display of its results.
    void CMD_ELABORA_ButtonClick();
    // What an extraction came to: lines, none matching the selection, or stopped by a grid's condition
    // that could not be combined (its error was reported).
    enum class Extraction { Lines, Nothing, Stopped };
    // Extracts the movements into the working table and reads them back with their totals.
    Extraction SelezioneMovimenti();
    bool isProcessing() const { return processing_; }
    // The movement set of the last processing (closed before the first) and its grouped view.
    db::Recordset& movements() { return extraction_->movements(); }
    const GroupedLedger& ledger() const { return ledger_; }

    // The results: a node shows its group; the commands of the results panel.
    void TRE_GRUPPI_NodeClick(const QModelIndex& node);
    void CMD_ESPANDI_ButtonClick();
    void CMD_CHIUDI_ButtonClick();
    void CHK_VIEWRIGHE_Click();
    void CMD_LEFT_ButtonClick();
    void CMD_RIGHT_ButtonClick();
    void CMD_PARAMETRI_ButtonClick();
    void CMD_MOVIMENTI_ButtonClick();
    void TAB_QUORVANE_Click();
    const display::AllocationTraceCommands* traceCommands() const { return traceCommands_.get(); }

    // The modify command: the current line's movement opened in the host program that owns it, the window
    // hidden until that program closes.
    void CMD_MODIFICA_ButtonClick();

    // "Esporta…": the ledger, whole or its current group, to a spreadsheet or (a ".csv" file) to CSV, with
    // progress and a cancel on long exports. The file is chosen in the file dialog unless the chooser is
    // replaced (an unattended caller names the file itself); an empty answer exports nothing.
    // The file to export to, given the name the window proposes; empty when the user cancels.
    using ExportFileChooser = std::function<QString(QWidget* parent, const QString& proposedName)>;
    void setExportFileChooser(ExportFileChooser chooser) { exportFileChooser_ = std::move(chooser); }
    void CMD_ESPORTA_ButtonClick(bool currentGroup);
    // The export to a file already chosen; true when the file was written. Errors are reported with the
    // file's name and nothing is left under it.
    bool Esporta(const QString& path, bool currentGroup);
    // The print command: the button and "&1 - Stampa" print the whole ledger, "&2 - Stampa solo gruppo
    // corrente" the group of the node selected in the tree; the "ConCP" keys print with the counter-parts.
    // The ledger opens in the report service's preview.
    void CMD_STAMPA_ButtonClick();
    void CMD_STAMPA_MenuClick(const QString& key);
    void Partitario();
    // The report object of the print under way, or of a print that failed; none otherwise.
    const report::ReportEngine* reportObject() const { return gclsReport_.get(); }

    // WindowCommands: what the grids' events do to the rest of the window.
    void disableMovimenti() override;
    void focusElabora() override;

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Life of the window
    void Form_Load();
    void MDIActiveX1_FormLoad();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel);
    void Form_Unload();
    QWidget* frameWindow();
    void applyWindowState();

    // The shape the user left the last window in, given to this one and kept again when it closes.
    void restoreWindowSize(const QSize& design);
    void restoreGridShape();
    void keepShape();

    // First activation
    void runFirstActivation();
    void openConnection();
    void createCostUtilities();
    void showParametersPanel();
    void readCompanySettings();
    void createServiceObjects();
    bool checkFinancialType();
    void setUpSelectionPanel();
    void showStartingField();
    void setUpGrids();
    void rebuildGrids();
    void connectSelectionCommands();
    void fillSelectionsMenu(QMenu& menu);
    void openRemembered(const QByteArray& json);
    void nameSelection();
    void showFileRefusal(const QString& error);
    void buildNumberFormats();
    void buildPrintMenu();
    void SetOggettiCoanFinanziaria();
    void ThesaurusTraduzioneLabelInLinguaUtente();
    void setCompetenceDateExpression();
    void setUpResultsPanel();
    void InizializzaScriptELayout();
    std::unique_ptr<QObject> createByName(const char* className);

    // Processing
    struct GridConditions {
        std::string limits, accountFilter;
    };
    EngineSettings engineSettings() const;
    std::optional<GridConditions> gridConditions();
    ExtractionRequest extractionRequest(const GridConditions& conditions) const;
    void showQuantityColumns();
    void CaricaVisualizzazioneMovimenti();
    void showResults();
    void showParameters();
    void showFirstGroup();

    // Results panel
    display::GridLayoutSettings gridLayoutSettings(const hostfw::AttributeDefinitions& attributes) const;
    void InitGrid();
    void setUpResults();
    void connectResultCommands();
    void disconnectResultCommands();
    void GRD_MOVIMENTI_GotFocus();
    void ConfigurazioneVisualizzazioneMovimenti();
    void CaricamentoTree();
    void applyResultsLayout();
    void applySplitterLayout();
    TotalsFormats totalsFormats() const;
    Countervalue countervalue(const SelectionParameters& selection) const;
    void setCaptions(const ControlCaptions& captions);
    void AggiornamentoTotali();
    void AggiornamentoSpecchiettoRiepilogativo();
    display::DetailRowsRequest detailRowsRequest() const;
    void AggiornaDettaglioMovimenti();
    void gclsMovimenti_MoveComplete();
    void AbilitaBottoniTracciaRib();

    // Drill-through to the source of the current line
    void setUpSourceCommands();

    // Printing the ledger
    void setUpPrintCommands();
    void releasePrintObjects();
    void resetPrintState();
    print::LedgerPrintJob ledgerPrintJob() const;
    print::FormulaRequest formulaRequest() const;
    print::AccountFormulas& accountFormulas();
    void gclsReport_BeforePrintReport(report::ReportDocument& document);
    print::ParameterSources parameterSources() const;
    void releaseSourceConnectors();
    void GestioneMovimentoCOIN();
    void EseguiProgrammaMovimentiCOIN(const QString& reason, int company, const QString& number);
    void EseguiProgrammaQuadratura(int company, const QString& number);
    void runCostProgram(const QString& procedure, const QString* reason, int company, const QString& number,
                        void (hostfw::CostLookupDecode::*program)());
    void EseguiProgrammaMovimentiCOGE(const QString& ledgerReason, int company, const QString& number);
    void PreparaPoolPrimaNota();
    void ApriDocumentoCollegato(const QString& number, const QString& documentKey);
    void hideWhileSourceIsOpen();
    void PclsConnectCOAN_ChiusuraMovimentiContabilitaIndustriale();
    void gclsConnectMagazzino_CloseForm(int programCode);

    // Export
    void setUpExportCommands();
    void enableCurrentGroupExport(bool enabled);
    ControlCaptions summaryCaptions() const;

    InstanceTag tag_;
    FormControls controls_;
    hostfw::Cinterface* activeInterface_ = nullptr;
    CLSCI_QUORVANE* plugin_ = nullptr;
    int formWindowState_ = 0;
    bool loaded_ = false;
    bool activated_ = false;
    bool activating_ = false;
    bool released_ = false;
    QPointer<QWidget> frameWindow_; // the MDI sub-window carrying the window, when it has one

    QString connectionString_;
    std::unique_ptr<hostfw::ConnectionFactory> connectionFactory_;
    std::shared_ptr<db::Connection> connection_;
    std::unique_ptr<hostfw::CostUtilities> costUtilities_;
    ServiceObjects services_;
    WindowSettings settings_;
    std::unique_ptr<SelectionPanel> panel_;
    // The grids' decode and lookup over the window's connection, and their event handlers.
    std::unique_ptr<hostfw::LookupService> lookupService_;
    std::unique_ptr<LimitsGridEvents> limitsEvents_;
    std::unique_ptr<AccountFilterEvents> accountFilterEvents_;
    std::unique_ptr<TrappedGridEvents> trappedLimitsEvents_;
    std::unique_ptr<TrappedGridEvents> trappedAccountFilterEvents_;

    // The last processing: the working table with its movement set and totals, the grouped view, and
    // the flag that holds back the trace commands while it runs.
    std::unique_ptr<MovementExtraction> extraction_;
    GroupedLedger ledger_;
    GroupTreeAnalysis analysis_{ledger_.model()};   // the tree's figures and the comparison
    GroupChartPane chartPane_{ledger_, analysis_.model()};
    RememberedSelections selections_;               // the last processed and the named, in the user's settings
    bool processing_ = false;
    std::vector<std::string> headerAttributes_;   // the company's attribute names, entity 29
    std::vector<std::string> lineAttributes_;     // and entity 30
    std::unique_ptr<display::CostUtilitiesCellTexts> cellTexts_;
    std::unique_ptr<display::MovementDetail> detail_;
    std::unique_ptr<display::AllocationTraceCommands> traceCommands_;
    display::DetailPaneSwitch detailPane_;

    // The cost-accounting connector of the programs, made at its first use and let go when its program closes.
    QPointer<hostfw::CostLookupDecode> PclsConnectCOAN;
    ExportFileChooser exportFileChooser_;

    // The print: its report object, what the print command asked for, the condition the report reads, and the
    // formatted-account formulas built at the first print. The ledger-mode field (0: the ledger of values) and
    // the fixed ordering are reset by every processing; nothing in the window sets them otherwise.
    std::unique_ptr<report::ReportEngine> gclsReport_;
    bool printCurrentGroupOnly_ = false;
    bool printWithCounterparts_ = false;
    std::string reportCondition_;
    std::unique_ptr<print::AccountFormulas> accountFormulas_;
    print::ReportFormulaPlan printFormulas_;   // of the print under way
    int ledgerMode_ = 0;
    bool fixedOrdering_ = false;
    std::string fixedOrderingField_;
};

} // namespace quorvane::host
