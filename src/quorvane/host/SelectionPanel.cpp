#include "SelectionPanel.h"

#include "FRMCI_QUORVANE.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/CostAccountField.h"
#include "controls/DateFieldM.h"
#include "controls/LabelField.h"
#include "controls/MovementTypeSelector.h"
#include "controls/NumberFieldM.h"
#include "controls/TabStrip.h"
#include "controls/TextFieldM.h"
#include "engine/NumberFormat.h"
#include "hostfw/ChartDefinitions.h"
#include "hostfw/ChartOfAccountsLookup.h"
#include "hostfw/HostPrograms.h"
#include "hostfw/Phrases.h"
#include "selection/MovementTypeCondition.h"
#include "selection/PanelRules.h"

#include <QPushButton>
#include <QTimer>

namespace quorvane::host {

namespace {

using namespace controls;

const QString managementKey = QStringLiteral("Kgestione");
constexpr int filterTab = 0;   // "Selezione avanzata C.d.C. / V.d.S."
constexpr int limitsTab = 1;   // "Limiti di selezione movimenti"

const char* const monthNames[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                  "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

bool isAccountKind(const QString& kind)
{
    return kind == QLatin1String("0") || kind == QLatin1String("1");
}

// The focus moves once the widget that is taking it now has taken it.
void focusLater(QWidget* field)
{
    QTimer::singleShot(0, field, [field] {
        if (field->isEnabled() && field->isVisible())
            field->setFocus(Qt::OtherFocusReason);
    });
}

void enable(EditField* field, bool on)
{
    field->setEnabled(on);
    field->setSecondFlag(on);
}

} // namespace

SelectionPanel::SelectionPanel(FRMCI_QUORVANE& window, FormControls& controls, db::Connection& connection,
                               const company::CompanySettings& settings, const hostfw::ChartDefinitions& charts)
    : window_(window), c_(controls), connection_(connection), settings_(settings), charts_(charts),
      costCentres_(connection, settings.company, settings.costCentreChart, hostfw::AccountKind::CostCentre),
      expenseItems_(connection, settings.company, settings.expenseItemChart, hostfw::AccountKind::ExpenseItem),
      currencies_(connection), rates_(connection), movementTypes_(connection)
{
}

void SelectionPanel::setLookupChooser(LookupChooser chooser)
{
    chooser_ = chooser;
    for (EditField* field : std::initializer_list<EditField*>{c_.TXT_CONTO, c_.TXT_CODICEVALUTA})
        field->setLookupChooser(chooser);
}

template <class Sender, class Signal, class Handler>
void SelectionPanel::on(Sender* sender, Signal signal, const QString& procedure, Handler handler)
{
    connect(sender, signal, this, [this, name = procedure, handler](auto&&... args) {
        hostfw::runUnderTrap(window_.trap(name), [&] { handler(args...); });
    });
}

const hostfw::CostLookupDecode* SelectionPanel::chartOf(const QString& kind) const
{
    if (kind == QLatin1String("0"))
        return &costCentres_;
    if (kind == QLatin1String("1"))
        return &expenseItems_;
    return nullptr;
}

void SelectionPanel::setUp()
{
    CaricaCombo();
    Carica_CBO_MESELI();
    Carica_CBO_MESELS();
    for (ComboField* combo : {c_.CBO_SELCONTOVDS, c_.CBO_SELPERIMP, c_.CBO_SELPERQTA, c_.CBO_INDOPERAZIONE})
        combo->setValue(QStringLiteral("0"));
    c_.CHK_PERIODOCOMP->setValue(QStringLiteral("0"));
    CHK_PERIODOCOMP_Click();
    c_.CBO_SELPERQTA->setEnabled(false);
    operatorChangeRow(c_.CBO_SELPERIMP, c_.TXT_IMPORTO, c_.TXT_PERC);
    operatorChangeRow(c_.CBO_SELPERQTA, c_.TXT_QUANTITA, c_.TXT_PERCQTA);
    c_.TXT_IMPORTO->setCurrency(QString::fromStdString(settings_.currency));
    c_.TXT_CONTO->setSecondFlag(true);
    SetOCX_TxtContoCoIn();
    c_.TAB_QUORVANE->setTabAvailable(filterTab, false);

    c_.USR_TIPOMOV->setSource(&movementTypes_);
    c_.USR_TIPOMOV->setVisibleRows(3);
    c_.USR_TIPOMOV->setDateColumn(QStringLiteral("CI12_DATAREG"));
    c_.USR_TIPOMOV->setCaptionSeparator(QString::fromLatin1(movementTypeCaptionSeparator));
    c_.USR_TIPOMOV->setCaptionDescription(movementTypeCaptionDescription);
    c_.USR_TIPOMOV->Load();
    c_.USR_TIPOMOV->setKindFilter(QString::fromLatin1(offeredMovementKinds));

    // Amounts show in the company's own currency until the user asks for another ("EURO" when the company
    // names none): a company keeping its books in another currency needs no exchange rate to start with.
    c_.TXT_CODICEVALUTA->setValue(QString::fromStdString(settings_.currency));
    TXT_CODICEVALUTA_StartDecode();
    AggiornaCambio();
    c_.CMD_MOVIMENTI->setEnabled(false);
    connectHandlers();
}

// Combo loading: every loader keeps the items in the order it adds them.
void SelectionPanel::CaricaCombo()
{
    Carica_CBO_SELCONTOVDS();
    Carica_CBO_SELPER();
    Carica_CBO_INDOPERAZIONE();
}

void SelectionPanel::Carica_CBO_SELCONTOVDS()
{
    hostfw::runUnderTrap(window_.trap(QStringLiteral("Carica_CBO_SELCONTOVDS")), [&] {
        c_.CBO_SELCONTOVDS->setSorted(false);
        c_.CBO_SELCONTOVDS->Clear();
        c_.CBO_SELCONTOVDS->AddItem(QStringLiteral("0"), hostfw::userText("C.d.C."));
        c_.CBO_SELCONTOVDS->AddItem(QStringLiteral("1"), hostfw::userText("V.d.S."));
        c_.CBO_SELCONTOVDS->AddItem(QStringLiteral("2"), hostfw::userText("Selezione avanzata"));
    });
}

void SelectionPanel::Carica_CBO_SELPER()
{
    hostfw::runUnderTrap(window_.trap(QStringLiteral("Carica_CBO_SELPER")), [&] {
        for (ComboField* op : {c_.CBO_SELPERIMP, c_.CBO_SELPERQTA}) {
            op->setSorted(false);
            op->Clear();
            int value = 0;
            for (const char* text : {"No", "=", ">=", "<=", "% +/-"})
                op->AddItem(QString::number(value++), hostfw::userText(text));
        }
    });
}

void SelectionPanel::Carica_CBO_INDOPERAZIONE()
{
    hostfw::runUnderTrap(window_.trap(QStringLiteral("Carica_CBO_INDOPERAZIONE")), [&] {
        c_.CBO_INDOPERAZIONE->setSorted(false);
        c_.CBO_INDOPERAZIONE->Clear();
        c_.CBO_INDOPERAZIONE->AddItem(QStringLiteral("0"), hostfw::userText("Consuntivo"));
        c_.CBO_INDOPERAZIONE->AddItem(QStringLiteral("1"), hostfw::userText("Preventivo"));
    });
}

void SelectionPanel::Carica_CBO_MESELI()
{
    hostfw::runUnderTrap(window_.trap(QStringLiteral("Carica_CBO_MESELI")), [&] { loadMonths(c_.CBO_MESELI); });
}

void SelectionPanel::Carica_CBO_MESELS()
{
    hostfw::runUnderTrap(window_.trap(QStringLiteral("Carica_CBO_MESELS")), [&] { loadMonths(c_.CBO_MESELS); });
}

// Twelve months while the competence period is on; one empty item of value -1 while it is off.
void SelectionPanel::loadMonths(ComboField* combo)
{
    combo->setSorted(false);
    combo->Clear();
    if (c_.CHK_PERIODOCOMP->Value() != QLatin1String("1")) {
        combo->AddItem(QStringLiteral("-1"), QString());
        return;
    }
    int month = 1;
    for (const char* name : monthNames)
        combo->AddItem(QString::number(month++), hostfw::userText(name));
}

// Stale-result rule: the fields that make up the selection remember their value when the focus enters
// them; leaving with another value makes the last result stale.
void SelectionPanel::watchForStaleResult(EditField* field)
{
    connect(field, &EditField::BeforeItem, this, [this, field] { valuesOnEntry_[field] = field->Value(); });
    connect(field, &EditField::AfterItem, this, [this, field](bool&) {
        const bool changed = field->Value() != valuesOnEntry_[field];
        changedOnLeave_[field] = changed;
        if (changed)
            disableMovimenti();
    });
}

bool SelectionPanel::changedOnLeave(const EditField* field) const
{
    auto it = changedOnLeave_.find(field);
    return it != changedOnLeave_.end() && it->second;
}

void SelectionPanel::disableMovimenti()
{
    c_.CMD_MOVIMENTI->setEnabled(false);
}

void SelectionPanel::connectHandlers()
{
    for (EditField* field : std::initializer_list<EditField*>{
             c_.CBO_SELCONTOVDS, c_.TXT_CONTO, c_.TXT_DATAREGDA, c_.TXT_DATAREGA, c_.CHK_PERIODOCOMP, c_.CBO_MESELI,
             c_.TXT_ANNOLI, c_.CBO_MESELS, c_.TXT_ANNOLS, c_.CBO_SELPERIMP, c_.TXT_IMPORTO, c_.TXT_PERC,
             c_.CBO_SELPERQTA, c_.TXT_QUANTITA})
        watchForStaleResult(field);

    on(c_.CBO_SELCONTOVDS, &ComboField::ChangeRow, QStringLiteral("CBO_SELCONTOVDS_ChangeRow"), [this] { CBO_SELCONTOVDS_ChangeRow(); });
    on(c_.TXT_CONTO, &EditField::AfterItem, QStringLiteral("TXT_CONTO_AfterItem"), [this](bool& cancel) { TXT_CONTO_AfterItem(cancel); });
    on(c_.TXT_CONTO, &EditField::StartDecode, QStringLiteral("TXT_CONTO_StartDecode"), [this] { TXT_CONTO_StartDecode(); });
    on(c_.TXT_CONTO, &EditField::StartLookup, QStringLiteral("TXT_CONTO_StartLookup"), [this] { TXT_CONTO_StartLookup(); });
    on(c_.TXT_CONTO, &EditField::KeyButtonMenuPress, QStringLiteral("TXT_CONTO_KeyButtonMenuPress"), [this](const QString& key) {
        if (key == managementKey && !c_.CBO_SELCONTOVDS->Value().isEmpty())
            GestioneConto();
    });
    on(c_.TXT_DESCRCONTO, &EditField::KeyPress, QStringLiteral("TXT_DESCRCONTO_KeyDown"), [this](int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            GestLookupPDC();
    });
    on(c_.TXT_DESCRCONTO, &EditField::StartLookup, QStringLiteral("TXT_DESCRCONTO_StartLookup"), [this] { GestLookupPDC(); });

    on(c_.CHK_PERIODOCOMP, &CheckField::Click, QStringLiteral("CHK_PERIODOCOMP_Click"), [this] { CHK_PERIODOCOMP_Click(); });
    on(c_.CBO_SELPERIMP, &ComboField::ChangeRow, QStringLiteral("CBO_SELPERIMP_ChangeRow"),
       [this] { operatorChangeRow(c_.CBO_SELPERIMP, c_.TXT_IMPORTO, c_.TXT_PERC); });
    on(c_.CBO_SELPERIMP, &EditField::AfterItem, QStringLiteral("CBO_SELPERIMP_AfterItem"),
       [this](bool&) { operatorAfterItem(c_.CBO_SELPERIMP, c_.TXT_IMPORTO, c_.TXT_PERC); });
    on(c_.CBO_SELPERQTA, &ComboField::ChangeRow, QStringLiteral("CBO_SELPERQTA_ChangeRow"),
       [this] { operatorChangeRow(c_.CBO_SELPERQTA, c_.TXT_QUANTITA, c_.TXT_PERCQTA); });
    on(c_.CBO_SELPERQTA, &EditField::AfterItem, QStringLiteral("CBO_SELPERQTA_AfterItem"),
       [this](bool&) { operatorAfterItem(c_.CBO_SELPERQTA, c_.TXT_QUANTITA, c_.TXT_PERCQTA); });
    on(c_.CHK_QUANTITA, &CheckField::Click, QStringLiteral("CHK_QUANTITA_Click"), [this] { CHK_QUANTITA_Click(); });

    for (NumberField* number : {c_.TXT_IMPORTO, c_.TXT_PERC, c_.TXT_QUANTITA})
        on(number, &EditField::Validate, number->objectName() + QStringLiteral("_Validate"),
           [number](bool&) { number->setValue(panel::zeroWhenEmpty(number->Value())); });
    on(c_.TXT_DATAREGDA, &EditField::Validate, QStringLiteral("TXT_DATAREGDA_Validate"), [this](bool&) { alignDates(true); });
    on(c_.TXT_DATAREGA, &EditField::Validate, QStringLiteral("TXT_DATAREGA_Validate"), [this](bool&) { alignDates(false); });
    on(c_.CBO_MESELI, &EditField::Validate, QStringLiteral("CBO_MESELI_Validate"),
       [this](bool&) { alignPeriods(int(panel::CompetenceLeft::FromMonth)); });
    on(c_.TXT_ANNOLI, &EditField::Validate, QStringLiteral("TXT_ANNOLI_Validate"),
       [this](bool&) { alignPeriods(int(panel::CompetenceLeft::FromYear)); });
    on(c_.CBO_MESELS, &EditField::Validate, QStringLiteral("CBO_MESELS_Validate"),
       [this](bool&) { alignPeriods(int(panel::CompetenceLeft::ToMonth)); });
    on(c_.TXT_ANNOLS, &EditField::Validate, QStringLiteral("TXT_ANNOLS_Validate"),
       [this](bool&) { alignPeriods(int(panel::CompetenceLeft::ToYear)); });

    // The selector's reference date follows the field that starts the period, changed or not.
    for (EditField* start : std::initializer_list<EditField*>{c_.TXT_ANNOLI, c_.CBO_MESELI, c_.TXT_DATAREGDA})
        on(start, &EditField::AfterItem, QStringLiteral("USR_TIPOMOV_DataRiferimento"), [this](bool&) {
            updateMovementTypeReferenceDate();
        });
    connect(c_.USR_TIPOMOV, &MovementTypeSelector::Changed, this, &SelectionPanel::disableMovimenti);

    on(c_.TXT_CODICEVALUTA, &EditField::StartDecode, QStringLiteral("TXT_CODICEVALUTA_StartDecode"),
       [this] { TXT_CODICEVALUTA_StartDecode(); });
    on(c_.TXT_CODICEVALUTA, &EditField::StartLookup, QStringLiteral("TXT_CODICEVALUTA_StartLookup"),
       [this] { c_.TXT_CODICEVALUTA->lookupIn(currencies_, hostfw::CurrencyDecode::request()); });
    on(c_.TXT_CODICEVALUTA, &EditField::AfterItem, QStringLiteral("TXT_CODICEVALUTA_AfterItem"), [this](bool&) {
        AggiornaCambio();
        focusLater(c_.TXT_DATACAMBIO);
    });
    on(c_.TXT_DATACAMBIO, &EditField::AfterItem, QStringLiteral("TXT_DATACAMBIO_AfterItem"), [this](bool&) { AggiornaCambio(); });
    on(c_.TXT_CODICEVALUTA, &EditField::KeyButtonMenuPress, QStringLiteral("TXT_CODICEVALUTA_KeyButtonMenuPress"),
       [this](const QString& key) {
           if (key == managementKey)
               openCurrencyProgram(false);
       });
    on(c_.TXT_CAMBIO, &EditField::KeyButtonMenuPress, QStringLiteral("TXT_CAMBIO_KeyButtonMenuPress"), [this](const QString& key) {
        if (key == managementKey)
            openCurrencyProgram(true);
    });
}

// The account kind rebuilds the grids, then shows either the single account or the account filter.
void SelectionPanel::CBO_SELCONTOVDS_ChangeRow()
{
    if (rebuildGrids_)
        rebuildGrids_();
    const QString kind = c_.CBO_SELCONTOVDS->Value();
    if (kind.isEmpty())
        return;
    c_.TAB_QUORVANE->setTabAvailable(filterTab, false);
    c_.TXT_CONTO->setValue(QString());
    c_.TXT_DESCRCONTO->setValue(QString());       // the description went with its code
    const bool single = isAccountKind(kind);
    c_.TXT_CONTO->setVisible(single);
    c_.TXT_DESCRCONTO->setVisible(single);
    c_.TXT_CONTO->setSecondFlag(single);
    if (single) {
        SetOCX_TxtContoCoIn();
        c_.TAB_QUORVANE->setTab(limitsTab);
    } else {
        c_.TAB_QUORVANE->setTabAvailable(filterTab, true);
        c_.TAB_QUORVANE->setTab(filterTab);
    }
}

// Binds the account field to the chart of the account kind, with the chart's segments.
void SelectionPanel::SetOCX_TxtContoCoIn()
{
    const hostfw::CostLookupDecode* chart = chartOf(c_.CBO_SELCONTOVDS->Value());
    if (!chart)
        return;
    c_.TXT_CONTO->bind(chart, chart->request(), AccountSegments(charts_.segmentSizes(chart->chart())));
}

void SelectionPanel::TXT_CONTO_AfterItem(bool& cancel)
{
    if (c_.TXT_CONTO->isComplete() && !c_.TXT_CONTO->secondFlag()) {
        cancel = true;
        c_.TXT_DESCRCONTO->setEnabled(false);
        c_.TXT_DESCRCONTO->setValue(QString());
        return;
    }
    updateAccountDescriptionLook();
}

// An empty or incomplete code turns the description into a search box; a complete one shows its
// description read-only.
void SelectionPanel::updateAccountDescriptionLook()
{
    if (c_.TXT_CONTO->Value().isEmpty() || !c_.TXT_CONTO->isComplete()) {
        c_.TXT_DESCRCONTO->setSearchLook(hostfw::userText("Cerca per descrizione (Invio)"));
        c_.TXT_DESCRCONTO->setEnabled(true);
        c_.TXT_DESCRCONTO->setValue(QString());
        focusLater(c_.TXT_DESCRCONTO);
    } else {
        c_.TXT_DESCRCONTO->setEnabled(false);
        c_.TXT_DESCRCONTO->setReadOnlyLook(true);
    }
}

// An opened selection's account is a finished choice, not a search under way: a code the chart
// describes, a level code ("01") as well as a complete account, shows its description read-only.
void SelectionPanel::showOpenedAccount()
{
    c_.TXT_CONTO->StartDecode();
    if (c_.TXT_CONTO->Value().isEmpty() || !c_.TXT_CONTO->isValid()) {
        updateAccountDescriptionLook();
        return;
    }
    c_.TXT_DESCRCONTO->setEnabled(false);
    c_.TXT_DESCRCONTO->setReadOnlyLook(true);
}

void SelectionPanel::TXT_CONTO_StartDecode()
{
    if (const hostfw::CostLookupDecode* chart = chartOf(c_.CBO_SELCONTOVDS->Value()))
        c_.TXT_DESCRCONTO->setValue(chart->Decode(c_.TXT_CONTO->Value()).value_or(QString()));
}

void SelectionPanel::TXT_CONTO_StartLookup()
{
    if (const hostfw::CostLookupDecode* chart = chartOf(c_.CBO_SELCONTOVDS->Value()))
        c_.TXT_CONTO->lookupIn(*chart, chart->request());
}

// The description search: finds the account by what its description holds.
void SelectionPanel::GestLookupPDC()
{
    hostfw::ChartOfAccountsLookup lookup(connection_, settings_);
    lookup.setChooser(chooser_);
    lookup.setFilter(c_.TXT_DESCRCONTO->Value());
    lookup.setAccountKind(c_.CBO_SELCONTOVDS->Value());
    const QString code = lookup.Show(&window_);
    if (code.isEmpty())
        return;
    c_.TXT_CONTO->setValue(code);
    c_.TXT_DESCRCONTO->setValue(QString());
    c_.TXT_DESCRCONTO->setReadOnlyLook(true);
    c_.TXT_DESCRCONTO->setEnabled(false);
}

void SelectionPanel::GestioneConto()
{
    const hostfw::CostLookupDecode* chart = chartOf(c_.CBO_SELCONTOVDS->Value());
    if (!chart)
        return;
    const QString title = chart->kind() == hostfw::AccountKind::CostCentre ? hostfw::userText("Centri di costo")
                                                                           : hostfw::userText("Voci di spesa");
    hostfw::openChartProgram(connection_, settings_.company, chart->chart(), title, c_.TXT_CONTO->Value(), &window_);
}

void SelectionPanel::CHK_PERIODOCOMP_Click()
{
    Carica_CBO_MESELI();
    Carica_CBO_MESELS();
    const bool on = c_.CHK_PERIODOCOMP->Value() == QLatin1String("1");
    if (on) {
        const panel::CompetencePeriods defaults = panel::competenceDefaults(today_());
        c_.CBO_MESELI->setValue(defaults.from.month);
        c_.TXT_ANNOLI->setValue(defaults.from.year);
        c_.CBO_MESELS->setValue(defaults.to.month);
        c_.TXT_ANNOLS->setValue(defaults.to.year);
    } else {
        c_.CBO_MESELI->setListIndex(0);
        c_.CBO_MESELS->setListIndex(0);
        c_.TXT_ANNOLI->setValue(QString());
        c_.TXT_ANNOLS->setValue(QString());
    }
    for (EditField* field : std::initializer_list<EditField*>{c_.CBO_MESELI, c_.TXT_ANNOLI, c_.CBO_MESELS, c_.TXT_ANNOLS})
        enable(field, on);
}

void SelectionPanel::operatorChangeRow(ComboField* op, NumberField* value, NumberField* band)
{
    const panel::OperatorEnabling enabled = panel::operatorEnabling(op->Value());
    value->setEnabled(enabled.value);
    band->setEnabled(enabled.band);
}

void SelectionPanel::operatorAfterItem(ComboField* op, NumberField* value, NumberField* band)
{
    if (!changedOnLeave(op))
        return;
    const panel::OperatorValues aligned = panel::alignedToOperator(op->Value(), {value->Value(), band->Value()});
    value->setValue(aligned.value);
    band->setValue(aligned.band);
}

void SelectionPanel::CHK_QUANTITA_Click()
{
    c_.CBO_SELPERQTA->setEnabled(c_.CHK_QUANTITA->Value() == QLatin1String("1"));
    c_.CBO_SELPERQTA->setValue(QStringLiteral("0"));
}

void SelectionPanel::alignDates(bool fromLeft)
{
    const panel::DateRange aligned =
        panel::alignedDates(fromLeft ? panel::DateLeft::From : panel::DateLeft::To,
                            {c_.TXT_DATAREGDA->date(), c_.TXT_DATAREGA->date()});
    if (aligned.from && aligned.to) {
        c_.TXT_DATAREGDA->setDate(aligned.from);
        c_.TXT_DATAREGA->setDate(aligned.to);
    }
}

void SelectionPanel::alignPeriods(int left)
{
    const panel::CompetencePeriods aligned = panel::alignedPeriods(
        panel::CompetenceLeft(left), {{c_.TXT_ANNOLI->Value(), c_.CBO_MESELI->Value()},
                                      {c_.TXT_ANNOLS->Value(), c_.CBO_MESELS->Value()}});
    c_.TXT_ANNOLI->setValue(aligned.from.year);
    c_.CBO_MESELI->setValue(aligned.from.month);
    c_.TXT_ANNOLS->setValue(aligned.to.year);
    c_.CBO_MESELS->setValue(aligned.to.month);
}

void SelectionPanel::updateMovementTypeReferenceDate()
{
    c_.USR_TIPOMOV->setReferenceDate(panel::movementTypeReferenceDate(
        c_.CHK_PERIODOCOMP->Value() == QLatin1String("1"), {c_.TXT_ANNOLI->Value(), c_.CBO_MESELI->Value()},
        c_.TXT_DATAREGDA->date()));
}

void SelectionPanel::TXT_CODICEVALUTA_StartDecode()
{
    const QString code = c_.TXT_CODICEVALUTA->Value().trimmed();
    std::optional<QString> description = code.isEmpty() ? std::nullopt : currencies_.Decode(code);
    c_.LBL_SIGLAVALUTA->setValue(description.value_or(QString()));
    c_.TXT_CODICEVALUTA->setError(!code.isEmpty() && !description);
}

// The rate refresh: the company's own currency needs no rate; another one shows its rate of the day.
void SelectionPanel::AggiornaCambio()
{
    const QString currency = c_.TXT_CODICEVALUTA->Value().trimmed();
    const bool foreign = !currency.isEmpty() && currency != QString::fromStdString(settings_.currency);
    enable(c_.TXT_DATACAMBIO, foreign);
    enable(c_.TXT_CAMBIO, foreign);
    if (!foreign) {
        c_.TXT_DATACAMBIO->setValue(QString());
        c_.TXT_CAMBIO->setValue(QString());
        return;
    }
    std::optional<hostfw::ExchangeRate> rate = rates_.rate(currency, c_.TXT_DATACAMBIO->date());
    // The rate shows with the currency's own decimals, in the quantities' pattern.
    c_.TXT_CAMBIO->setFormat(QString::fromStdString(quantityFormat(rate ? rate->NUMERODECIMALI : 0)));
    c_.TXT_CAMBIO->setValue(rate ? controls::plainNumber(rate->CAMBIO) : QString());
}

void SelectionPanel::openCurrencyProgram(bool withRate)
{
    std::optional<QDate> month = withRate ? c_.TXT_DATACAMBIO->date() : std::nullopt;
    hostfw::openCurrencyProgram(connection_, withRate ? c_.TXT_CODICEVALUTA->Value() : QString(), month, &window_);
    AggiornaCambio();
}

} // namespace quorvane::host
