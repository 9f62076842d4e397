#pragma once
// The controls of the ledger inquiry window, laid out in its two panels: the parameters panel (the
// selection fields, the three configuration grids on a tab control, the processing commands) and
// the results panel (the group tree over the movement and detail grids, the totals, the summary, the
// result commands). The window's set-up fills the combos and the grids' offers.

#include <QString>

class QFrame;
class QGroupBox;
class QPushButton;
class QCheckBox;
class QLineEdit;
class QWidget;

namespace controls {
class AccountMaskField;
class CheckField;
class ComboField;
class CostAccountField;
class DataGrid;
class DateFieldM;
class GroupTreeView;
class LabelField;
class MovementTypeSelector;
class NumberField;
class NumberFieldM;
class OrderGrid;
class ProgressField;
class QueryGrid;
class SplitterPanel;
class TabStrip;
class TextFieldM;
class ToolbarMenuButton;
}

namespace quorvane::chart {
class GroupChartView;
}

namespace quorvane::host {

struct FormControls {
    // Parameters panel: the account, the dates and the competence period
    QFrame* FRAME_PARAMETRI = nullptr;
    QFrame* FRAME_TESTATA = nullptr;
    controls::LabelField* LBL_SELCONTOVDS = nullptr;
    controls::ComboField* CBO_SELCONTOVDS = nullptr;
    controls::CostAccountField* TXT_CONTO = nullptr;
    controls::TextFieldM* TXT_DESCRCONTO = nullptr;
    QFrame* FRAME_TESTATA_DATAREG = nullptr;
    controls::LabelField* LBL_DATAREG = nullptr;
    controls::DateFieldM* TXT_DATAREGDA = nullptr;
    controls::DateFieldM* TXT_DATAREGA = nullptr;
    controls::CheckField* CHK_PERIODOCOMP = nullptr;
    controls::ComboField* CBO_MESELI = nullptr;
    controls::NumberField* TXT_ANNOLI = nullptr;
    controls::ComboField* CBO_MESELS = nullptr;
    controls::NumberField* TXT_ANNOLS = nullptr;
    // … the movement type and the operation kind
    QFrame* FRAME_TESTATA_TIPOMOV = nullptr;
    controls::LabelField* LBL_TIPOMOV = nullptr;
    controls::MovementTypeSelector* USR_TIPOMOV = nullptr;
    controls::LabelField* LBL_INDOPERAZIONE = nullptr;
    controls::ComboField* CBO_INDOPERAZIONE = nullptr;
    controls::LabelField* LBL_CONFRONTO = nullptr;
    controls::ComboField* CBO_CONFRONTO = nullptr;     // what the processing compares the selection with
    // … amount and quantity
    QFrame* FRAME_TESTATA_IMPORTO = nullptr;
    controls::LabelField* LBL_IMPORTO = nullptr;
    controls::ComboField* CBO_SELPERIMP = nullptr;
    controls::NumberField* TXT_IMPORTO = nullptr;
    controls::NumberField* TXT_PERC = nullptr;
    controls::CheckField* CHK_QUANTITA = nullptr;
    controls::LabelField* LBL_QUANTITA = nullptr;
    controls::ComboField* CBO_SELPERQTA = nullptr;
    controls::NumberField* TXT_QUANTITA = nullptr;
    controls::NumberField* TXT_PERCQTA = nullptr;
    // … the currency of the amounts shown
    QGroupBox* FRA_VALUTA = nullptr;
    controls::LabelField* LBL_CODICEVALUTA = nullptr;
    controls::TextFieldM* TXT_CODICEVALUTA = nullptr;
    controls::LabelField* LBL_SIGLAVALUTA = nullptr;
    controls::LabelField* LBL_DATACAMBIO = nullptr;
    controls::DateFieldM* TXT_DATACAMBIO = nullptr;
    controls::LabelField* LBL_CAMBIO = nullptr;
    controls::NumberFieldM* TXT_CAMBIO = nullptr;
    // … the general-ledger account format the grids write accounts in (not shown)
    controls::AccountMaskField* TXT_FORMATCONTOCOGE = nullptr;
    // … the three configuration grids and the exclusion boxes beside the limits
    controls::TabStrip* TAB_QUORVANE = nullptr;
    controls::QueryGrid* ADVQ_SELCONTI = nullptr;
    controls::QueryGrid* ADVQ_LIMITI = nullptr;
    QGroupBox* FRA_ESCLUDI = nullptr;
    controls::CheckField* CHK_NO_PROGETTI = nullptr;
    controls::CheckField* CHK_NO_COMMESSE = nullptr;
    controls::CheckField* CHK_NO_VERSAMENTI = nullptr;
    controls::OrderGrid* ADVO_ORDINAMENTI = nullptr;
    // … the commands
    QPushButton* CMD_APRISELEZIONE = nullptr;
    QPushButton* CMD_SALVASELEZIONE = nullptr;
    QPushButton* CMD_SELEZIONI = nullptr;              // the remembered selections' menu
    QPushButton* CMD_MOVIMENTI = nullptr;
    QPushButton* CMD_ELABORA = nullptr;
    controls::ProgressField* PBARSELEZIONE = nullptr;

    // Results panel: the tree, the grids in the splitter (movements above, the movement's lines below),
    // the totals frames; the totals and summary fields are label fields found by their names.
    QFrame* FRA_RISULTATI = nullptr;
    controls::GroupTreeView* TRE_GRUPPI = nullptr;
    controls::SplitterPanel* ARQ_SPLIT = nullptr;
    QFrame* FRA_MOVIMENTI = nullptr;
    controls::DataGrid* GRD_MOVIMENTI = nullptr;
    QFrame* FRA_DETTAGLIO = nullptr;
    controls::DataGrid* GRD_DETTAGLIO = nullptr;
    QFrame* FME_TOTALIGEN = nullptr;
    QFrame* FME_TOTALINOGRUPPO = nullptr;
    controls::LabelField* LBL_COSTI = nullptr;
    controls::LabelField* LBL_RICAVI = nullptr;
    controls::LabelField* LBL_TOTNOGRUPPO_COSTI = nullptr;
    controls::LabelField* LBL_TOTNOGRUPPO_RICAVI = nullptr;
    QPushButton* CMD_LEFT = nullptr;
    QPushButton* CMD_RIGHT = nullptr;
    QCheckBox* CHK_VIEWRIGHE = nullptr;
    QLineEdit* TXT_FILTRORIGHE = nullptr;              // the movement grid's quick filter
    controls::LabelField* LBL_TOTALIRIGHE = nullptr;   // the totals of the movement lines shown
    QCheckBox* CHK_GRAFICO = nullptr;                  // shows the chart of the group beside the tree
    chart::GroupChartView* GRF_GRAFICO = nullptr;
    QPushButton* CMD_ESPANDI = nullptr;
    QPushButton* CMD_CHIUDI = nullptr;
    controls::ToolbarMenuButton* CMD_ESPORTA = nullptr;
    controls::ToolbarMenuButton* CMD_STAMPA = nullptr;
    QPushButton* CMD_MODIFICA = nullptr;
    QPushButton* CMD_PARAMETRI = nullptr;

    // Creates the controls as children of the window and lays them out.
    static FormControls build(QWidget* window);
};

} // namespace quorvane::host
