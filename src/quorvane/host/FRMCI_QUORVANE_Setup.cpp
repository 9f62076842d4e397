// The window's one-time set-up at its first activation. The order matters: the connection comes
// before the utilities that report through it, the company settings before the service objects
// that are given the company, and the financial-type check before anything is shown to the user.

#include "FRMCI_QUORVANE.h"

#include "HostMessages.h"
#include "ResizeCodes.h"
#include "SelectionPanel.h"

#include "controls/AccountMaskField.h"
#include "controls/ComboField.h"
#include "controls/LabelField.h"
#include "controls/NumberField.h"
#include "controls/TabStrip.h"
#include "controls/ToolbarMenuButton.h"
#include "engine/NumberFormat.h"

#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/HostFrame.h"
#include "hostfw/MessageService.h"
#include "hostfw/Navigator.h"
#include "hostfw/Phrases.h"
#include "hostfw/QevGlobal.h"

#include "db/Connection.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <stdexcept>

namespace quorvane::host {
namespace {

using hostfw::CostUtilities;

constexpr const char* siteDecodeClassName = "SiteLookupDecode.Decode";
constexpr const char* siteLookupClassName = "SiteLookupDecode.Lookup";

constexpr int limitsTab = 1;   // "&Limiti di selezione movimenti"
// The general-ledger chart carries no level layout in the company database: its codes are one segment.
constexpr int generalLedgerAccountLength = 10;

hostfw::ClsGlobal& sessionOf(hostfw::Cinterface* contract)
{
    if (!contract || !contract->ClsGlobal())
        throw std::logic_error("the window has no host contract with a session");
    return *contract->ClsGlobal();
}

} // namespace

void FRMCI_QUORVANE::runFirstActivation()
{
    const bool completed = hostfw::runUnderTrap(
        trap(QStringLiteral("Form_Activate")),
        [&] { services_.formManager = std::make_unique<hostfw::FormManager>(activeInterface_); },
        [&] { openConnection(); }, [&] { createCostUtilities(); }, [&] { showParametersPanel(); },
        [&] { readCompanySettings(); }, [&] { createServiceObjects(); },
        [&] { return checkFinancialType() ? hostfw::StepFlow::Next : hostfw::StepFlow::Leave; },
        [&] { ThesaurusTraduzioneLabelInLinguaUtente(); }, [&] { setUpSelectionPanel(); },
        [&] { buildNumberFormats(); }, [&] { buildPrintMenu(); }, [&] { SetOggettiCoanFinanziaria(); },
        [&] { controls_.TXT_FORMATCONTOCOGE->setSegments(controls::AccountSegments({generalLedgerAccountLength})); },
        [&] { setUpGrids(); }, [&] { showStartingField(); }, [&] { setCompetenceDateExpression(); },
        [&] { setUpResultsPanel(); }, [&] { setUpSourceCommands(); }, [&] { setUpPrintCommands(); });
    if (completed)
        activated_ = true;
}

void FRMCI_QUORVANE::openConnection()
{
    connectionString_ = sessionOf(activeInterface_).ConnectionString();
    connectionFactory_ = std::make_unique<hostfw::ConnectionFactory>();
    connection_ = connectionFactory_->Open(connectionString_);
    activeInterface_->setConnection(connection_);
}

void FRMCI_QUORVANE::createCostUtilities()
{
    auto utilities = std::make_unique<CostUtilities>();
    utilities->start();
    utilities->initialise(activeInterface_, connection_, applicationTitle(), formName, windowTitle());
    costUtilities_ = std::move(utilities);
}

void FRMCI_QUORVANE::showParametersPanel()
{
    controls_.FRAME_PARAMETRI->setVisible(true);
    controls_.FRA_RISULTATI->setVisible(false);
}

void FRMCI_QUORVANE::readCompanySettings()
{
    const hostfw::ClsGlobal& session = sessionOf(activeInterface_);
    const company::CompanySettings& company = session.Company();
    settings_.ditta = CostUtilities::valueOrDefault(company.company, 0);
    settings_.costCentreChart = CostUtilities::valueOrDefault(company.costCentreChart, 0);
    settings_.expenseItemChart = CostUtilities::valueOrDefault(company.expenseItemChart, 0);
    settings_.userLanguage = CostUtilities::valueOrDefault(session.UserLanguage(), QString::fromLatin1(hostfw::italianCode));
    settings_.currency =
        CostUtilities::valueOrDefault(QString::fromStdString(company.currency), QStringLiteral("EURO")).toString();
    settings_.quantityDecimals = qint16(CostUtilities::valueOrDefault(company.quantityDecimals, 2).toInt());
    settings_.intercompany = company.intercompany;
}

std::unique_ptr<QObject> FRMCI_QUORVANE::createByName(const char* className)
{
    std::unique_ptr<QObject> object;
    hostfw::runUnderTrap(hostfw::ignoreErrors(), [&] {
        object = sessionOf(activeInterface_).classes().create(QString::fromLatin1(className));
        object->setProperty("ActiveInterface", QVariant::fromValue(activeInterface_));
    });
    return object;
}

// The vertical module's objects are optional: one that cannot be made stays empty, and without its
// global object the QEV integration counts as off.
void FRMCI_QUORVANE::createServiceObjects()
{
    services_.warehouseConnector = std::make_unique<hostfw::StockLookupDecode>();
    services_.siteDecode = createByName(siteDecodeClassName);
    services_.siteLookup = createByName(siteLookupClassName);
    services_.qevGlobal = createByName(hostfw::qevGlobalClassName);
    settings_.qevIntegration = false;
    hostfw::runUnderTrap(hostfw::ignoreErrors(), [&] {
        if (!services_.qevGlobal)
            return;
        services_.qevGlobal->setProperty("CodiceAzienda", settings_.ditta);
        bool active = false;
        if (!QMetaObject::invokeMethod(services_.qevGlobal.get(), "IsIntegrazioneQEVAttiva", Q_RETURN_ARG(bool, active)))
            throw std::runtime_error("the QEV global object does not answer IsIntegrazioneQEVAttiva");
        settings_.qevIntegration = active;
    });
}

// Financial cost accounting reads its amounts through the QEV integration: without it the window
// cannot show a financial company, tells the user and closes.
bool FRMCI_QUORVANE::checkFinancialType()
{
    settings_.financialType = sessionOf(activeInterface_).Company().financialType();
    if (settings_.financialType && !settings_.qevIntegration) {
        costUtilities_->showMessage(hostfw::messageKindNotice, messages::financialNeedsQev);
        Unload();
        return false;
    }
    settings_.financialAccounting = settings_.financialType && settings_.qevIntegration;
    return true;
}

// The panel's combos, initial values and services; until processing has run there are no movements to
// show, so CMD_MOVIMENTI starts disabled.
void FRMCI_QUORVANE::setUpSelectionPanel()
{
    const hostfw::ClsGlobal& session = sessionOf(activeInterface_);
    panel_ = std::make_unique<SelectionPanel>(*this, controls_, *connection_, session.Company(), session.Charts());
    panel_->setRebuildGrids([this] { rebuildGrids(); });
    panel_->setUp();
    connectSelectionCommands();
}

// The user starts from the account kind, on the limits tab.
void FRMCI_QUORVANE::showStartingField()
{
    if (controls_.CBO_SELCONTOVDS->isEnabled() && controls_.CBO_SELCONTOVDS->isVisible())
        controls_.CBO_SELCONTOVDS->setFocus(Qt::OtherFocusReason);
    controls_.TAB_QUORVANE->setTab(limitsTab);
}

void FRMCI_QUORVANE::buildNumberFormats()
{
    settings_.amountDecimals = 2;
    hostfw::runUnderTrap(hostfw::ignoreErrors(),
                         [&] { settings_.amountDecimals = qint16(sessionOf(activeInterface_).Company().amountDecimals); });
    settings_.amountFormat = QString::fromStdString(amountFormat(settings_.amountDecimals));
    settings_.quantityFormat = QString::fromStdString(quantityFormat(settings_.quantityDecimals));
    controls_.TXT_IMPORTO->setFormat(settings_.amountFormat);
    controls_.TXT_QUANTITA->setFormat(settings_.quantityFormat);
}

void FRMCI_QUORVANE::buildPrintMenu()
{
    const struct {
        const char* key;
        const char* caption;
    } items[] = {{"Key_StampaGruppoCorrente", "&2 - Stampa solo gruppo corrente"}, {"Key_Stampa", "&1 - Stampa"}};
    for (const auto& item : items) {
        const QString key = QString::fromLatin1(item.key);
        controls_.CMD_STAMPA->addItem(key, hostfw::userText(item.caption));
        controls_.CMD_STAMPA->item(key)->setObjectName(key);
    }
}

// Financial cost accounting speaks of outflows and inflows where the ordinary one speaks of costs
// and revenues; the captions become the debit and credit captions of the grids.
void FRMCI_QUORVANE::SetOggettiCoanFinanziaria()
{
    const hostfw::Translator& translator = sessionOf(activeInterface_).translator();
    settings_.debitCaption =
        translator.text(settings_.financialAccounting ? texts::financialCostSide : texts::costSide);
    settings_.creditCaption =
        translator.text(settings_.financialAccounting ? texts::financialRevenueSide : texts::revenueSide);
    controls_.LBL_COSTI->setText(settings_.debitCaption);
    controls_.LBL_TOTNOGRUPPO_COSTI->setText(settings_.debitCaption);
    controls_.LBL_RICAVI->setText(settings_.creditCaption);
    controls_.LBL_TOTNOGRUPPO_RICAVI->setText(settings_.creditCaption);
}

void FRMCI_QUORVANE::ThesaurusTraduzioneLabelInLinguaUtente()
{
    const hostfw::Translator& translator = sessionOf(activeInterface_).translator();
    settings_.noValueText = translator.text(texts::noValue);
    settings_.unrestrictedText = translator.text(texts::unrestricted);
    settings_.exactValueText = translator.text(texts::exactValue);
    settings_.fromText = translator.text(texts::from);
    settings_.toText = translator.text(texts::to);
    settings_.rangeText = translator.text(texts::range);
    settings_.repeatedDocumentSuffix = QLatin1Char('/') + translator.text(texts::repeatedDocument);
}

// Lines without a competence period fall on the registration date when the company says so (1),
// otherwise on the document date.
void FRMCI_QUORVANE::setCompetenceDateExpression()
{
    settings_.competenceDateExpression = sessionOf(activeInterface_).Company().competenceDateParameter == 1
                                             ? QStringLiteral("ISNULL(CI12_DATAREG, CI12_DATADOC)")
                                             : QStringLiteral("ISNULL(CI12_DATADOC, CI12_DATAREG)");
}

void FRMCI_QUORVANE::setUpResultsPanel()
{
    InitGrid();
    setUpResults();
    restoreGridShape();
    InizializzaScriptELayout();
    applyResizeCodes(this);
}

void FRMCI_QUORVANE::InizializzaScriptELayout()
{
    hostfw::runUnderTrap(
        trap(QStringLiteral("InizializzaScriptELayout")),
        [&] {
            if (hostfw::Navigator* navigator = activeInterface_->ActiveNavigator())
                navigator->InitializeObjectModels();
        },
        [&] { ExecuteFormEvent(QStringLiteral("aqOpen")); },
        [&] { sessionOf(activeInterface_).SetApplicationTitle(applicationTitle()); });
}

} // namespace quorvane::host
