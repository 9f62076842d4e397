// The three configuration grids of the window: the account filter, the limits and the ordering grid.
// Their offers depend on the company only, but a change of the account kind rebuilds them from empty,
// always in the same order, so that each grid starts again from what the company offers.

#include "FRMCI_QUORVANE.h"

#include "controls/OrderGrid.h"
#include "controls/QueryGrid.h"
#include "hostfw/AttributeDefinitions.h"
#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "selection/AccountFilterOffer.h"
#include "selection/LimitsOffer.h"
#include "selection/OrderingOffer.h"

#include "db/Connection.h"

#include <QPushButton>

namespace quorvane::host {

// One lookup service over the window's connection serves every group of codes the grids know.
void FRMCI_QUORVANE::setUpGrids()
{
    const hostfw::ClsGlobal& session = *activeInterface_->ClsGlobal();
    lookupService_ = std::make_unique<hostfw::LookupService>(*connection_, session.Company());
    CodeServices services;
    for (CodeGroup group : {CodeGroup::General, CodeGroup::CostAccounting, CodeGroup::LedgerAndRegistry,
                            CodeGroup::WarehouseAndJobOrders, CodeGroup::Personnel, CodeGroup::Projects,
                            CodeGroup::UnitPriceList})
        services[group] = lookupService_.get();
    limitsEvents_ = std::make_unique<LimitsGridEvents>(std::move(services));
    accountFilterEvents_ = std::make_unique<AccountFilterEvents>(*lookupService_);
    // Both grids are bound under the window's name; the account filter grid takes its own when configured.
    controls_.ADVQ_LIMITI->setIdentification(formName);
    controls_.ADVQ_SELCONTI->setIdentification(formName);
    const TrappedGridEvents::Trap windowTrap = [this](const QString& procedure) { return trap(procedure); };
    trappedLimitsEvents_ =
        std::make_unique<TrappedGridEvents>(*limitsEvents_, QStringLiteral("ADVQ_LIMITI"), windowTrap);
    trappedAccountFilterEvents_ =
        std::make_unique<TrappedGridEvents>(*accountFilterEvents_, QStringLiteral("ADVQ_SELCONTI"), windowTrap);
    controls_.ADVQ_LIMITI->setEvents(trappedLimitsEvents_.get());
    controls_.ADVQ_SELCONTI->setEvents(trappedAccountFilterEvents_.get());

    connect(controls_.ADVQ_LIMITI, &controls::QueryGrid::CurrentRecordChanged, this,
            [this] { ADVQ_LIMITI_CurrentRecordChanged(*this); });
    connect(controls_.ADVO_ORDINAMENTI, &controls::OrderGrid::CurrentRecordChanged, this,
            [this] { ADVO_ORDINAMENTI_CurrentRecordChanged(*this); });
    connect(controls_.ADVO_ORDINAMENTI, &controls::OrderGrid::AqLastTabReached, this,
            [this] { ADVO_ORDINAMENTI_AqLastTabReached(*this); });
    rebuildGrids();
}

void FRMCI_QUORVANE::rebuildGrids()
{
    const hostfw::ClsGlobal& session = *activeInterface_->ClsGlobal();
    const hostfw::AttributeDefinitions attributes =
        hostfw::AttributeDefinitions::read(*connection_, session.Company().company);
    const hostfw::Translator& translator = session.translator();
    const OfferSources sources{session.Company(), attributes, [&](int number) { return translator.text(number); }};
    hostfw::runUnderTrap(trap(QStringLiteral("ConfigurazioneAdvancedQuerySelConti")), [&] {
        controls_.ADVQ_SELCONTI->setIdentification(QString::fromLatin1(accountFilterGridName));
        controls_.ADVQ_SELCONTI->setOffer(ConfigurazioneAdvancedQuerySelConti(sources));
    });
    hostfw::runUnderTrap(trap(QStringLiteral("ConfigurazioneAdvancedQuery")),
                         [&] { controls_.ADVQ_LIMITI->setOffer(ConfigurazioneAdvancedQuery(sources)); });
    hostfw::runUnderTrap(trap(QStringLiteral("ConfigurazioneAdvancedOrder")),
                         [&] { controls_.ADVO_ORDINAMENTI->setOffer(ConfigurazioneAdvancedOrder(sources)); });
}

void FRMCI_QUORVANE::disableMovimenti()
{
    controls_.CMD_MOVIMENTI->setEnabled(false);
}

void FRMCI_QUORVANE::focusElabora()
{
    controls_.CMD_ELABORA->setFocus(Qt::TabFocusReason);
}

} // namespace quorvane::host
