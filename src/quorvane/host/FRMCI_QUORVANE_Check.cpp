// The check before processing, in the window: the panel's controls say what their values are and whether
// they are valid; the check decides; the window shows the refusal and takes the user to the place to
// correct.

#include "FRMCI_QUORVANE.h"

#include "controls/CostAccountField.h"
#include "controls/DateFieldM.h"
#include "controls/MovementTypeSelector.h"
#include "controls/OrderGrid.h"
#include "controls/TabStrip.h"
#include "controls/TextFieldM.h"
#include "hostfw/MessageService.h"
#include "selection/ControlCharacters.h"
#include "selection/OrderingColumns.h"
#include "selection/SettingsCheck.h"

#include <stdexcept>

namespace quorvane::host {

// A value holding a control character is an error of the check, reported with the value's key; the
// processing stops there, as it does after any error of the check.
bool FRMCI_QUORVANE::CheckImpostazioni()
{
    bool ok = false;
    hostfw::runUnderTrap(trap(QStringLiteral("CheckImpostazioni")), [&] {
        const SelectionParameters record = selection();
        if (const std::optional<RefusedValue> refused = valueWithControlCharacter(record))
            throw std::invalid_argument(refused->key + ": " + refused->why);
        const std::vector<OrderingColumn> ordering =
            orderingColumns(record.ADVO_ORDINAMENTI, controls_.ADVO_ORDINAMENTI->offer());
        FieldStates fields;
        fields.accountValid = controls_.TXT_CONTO->isValid();
        fields.dateFromValid = controls_.TXT_DATAREGDA->isValid();
        fields.dateToValid = controls_.TXT_DATAREGA->isValid();
        fields.currencyValid = !controls_.TXT_CODICEVALUTA->hasError();
        fields.baseCurrency = settings_.currency.toStdString();
        // The selector first learns the range of its types: its condition then speaks of the types it offers
        // for that range.
        const MovementTypeRange range = quorvane::CheckImpostazioni(record, fields, ordering).movementTypeRange;
        controls_.USR_TIPOMOV->setValidityRange(range.from, range.to);
        fields.movementTypeCondition = controls_.USR_TIPOMOV->SQLCondition().toStdString();
        const SettingsCheckResult result = quorvane::CheckImpostazioni(record, fields, ordering);
        ok = result.ok();
        if (ok)
            return;
        const SettingsRefusal& refusal = *result.refusal;
        costUtilities_->showMessage(hostfw::messageKindRefusal, refusal.message);
        auto* field = refusal.focus.empty() ? nullptr : findChild<QWidget*>(QString::fromStdString(refusal.focus));
        if (field && field->isEnabled())
            field->setFocus(Qt::OtherFocusReason);
        if (refusal.tab)
            controls_.TAB_QUORVANE->setTab(*refusal.tab);
    });
    return ok;
}

} // namespace quorvane::host
