#pragma once
// The selection panel's behaviour in the window: the combos and their loaders, the initial state, the
// stale-result rule, the account kind and the account field, the competence period, the amount and
// quantity operators, the corrections on leaving a field, the currency with its exchange rate, and the
// movement-type selector. The rules themselves are in selection/PanelRules.h; this class reads the
// controls, asks the rules and writes the answers back, each handler under the window's error trap.

#include "FormControls.h"

#include "controls/LookupChooser.h"
#include "hostfw/CostLookupDecode.h"
#include "hostfw/CurrencyDecode.h"
#include "hostfw/ExchangeRateService.h"
#include "hostfw/MovementTypeCatalogue.h"
#include "controls/NumberText.h"

#include <QObject>

#include <functional>
#include <map>

namespace company {
struct CompanySettings;
}

namespace hostfw {
class ChartDefinitions;
}

namespace controls {
class EditField;
}

namespace quorvane::host {

class FRMCI_QUORVANE;

class SelectionPanel : public QObject {
    Q_OBJECT
public:
    // The connection, the settings and the charts must outlive the panel.
    SelectionPanel(FRMCI_QUORVANE& window, FormControls& controls, db::Connection& connection,
                   const company::CompanySettings& settings, const hostfw::ChartDefinitions& charts);

    // What a change of the account kind rebuilds: the three grids.
    void setRebuildGrids(std::function<void()> rebuild) { rebuildGrids_ = std::move(rebuild); }
    // How the panel's lookups let the user choose; the lookup window unless replaced.
    void setLookupChooser(controls::LookupChooser chooser);
    // Where "today" comes from for the competence defaults; the machine's date unless replaced.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    // The panel as the window is first shown: combos loaded, the initial values, the account field bound,
    // the movement types loaded, CMD_MOVIMENTI disabled.
    void setUp();

    // The connectors the account field is bound to, by account kind ("0", "1"); nullptr for another kind.
    const hostfw::CostLookupDecode* chartOf(const QString& kind) const;

    // Handlers the window also runs when it sets the panel from a selection file.
    void CHK_PERIODOCOMP_Click();
    void CHK_QUANTITA_Click();
    void AggiornaCambio();
    void SetOCX_TxtContoCoIn();
    void updateAccountDescriptionLook();
    void showOpenedAccount();
    void updateMovementTypeReferenceDate();

private:
    void CaricaCombo();
    void Carica_CBO_SELCONTOVDS();
    void Carica_CBO_SELPER();
    void Carica_CBO_INDOPERAZIONE();
    void Carica_CBO_MESELI();
    void Carica_CBO_MESELS();
    void loadMonths(controls::ComboField* combo);
    void connectHandlers();
    void watchForStaleResult(controls::EditField* field);
    bool changedOnLeave(const controls::EditField* field) const;
    void disableMovimenti();

    void CBO_SELCONTOVDS_ChangeRow();
    void TXT_CONTO_AfterItem(bool& cancel);
    void TXT_CONTO_StartDecode();
    void TXT_CONTO_StartLookup();
    void GestLookupPDC();
    void GestioneConto();
    void operatorChangeRow(controls::ComboField* op, controls::NumberField* value, controls::NumberField* band);
    void operatorAfterItem(controls::ComboField* op, controls::NumberField* value, controls::NumberField* band);
    void alignDates(bool fromLeft);
    void alignPeriods(int left);
    void TXT_CODICEVALUTA_StartDecode();
    void openCurrencyProgram(bool withRate);

    // Connects a control's signal to a handler that runs under the window's trap with the procedure name.
    template <class Sender, class Signal, class Handler>
    void on(Sender* sender, Signal signal, const QString& procedure, Handler handler);

    FRMCI_QUORVANE& window_;
    FormControls& c_;
    db::Connection& connection_;
    const company::CompanySettings& settings_;
    const hostfw::ChartDefinitions& charts_;
    hostfw::CostLookupDecode costCentres_;
    hostfw::CostLookupDecode expenseItems_;
    hostfw::CurrencyDecode currencies_;
    hostfw::ExchangeRateService rates_;
    hostfw::MovementTypeCatalogue movementTypes_;
    controls::LookupChooser chooser_ = controls::chooseInLookupWindow;
    std::function<void()> rebuildGrids_;
    std::function<QDate()> today_ = [] { return QDate::currentDate(); };
    std::map<const controls::EditField*, QString> valuesOnEntry_;
    std::map<const controls::EditField*, bool> changedOnLeave_;
};

} // namespace quorvane::host
