#pragma once
// The check that runs before every processing: the selection panel and the ordering grid, rule by rule in
// a fixed order. The first rule that fails gives the host message to show (kind 2), the field to give the
// focus to and, for the ordering rules, the tab to show; the window shows and moves, the check only decides.
// On its way it works out the date range of the movement types the selector is to offer.

#include "selection/OrderingColumns.h"
#include "selection/SelectionParameters.h"

#include <QDate>

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// What the panel's controls know beyond the record's values.
struct FieldStates {
    bool accountValid = false;            // TXT_CONTO holds a proper code of the chosen chart
    bool dateFromValid = true;            // TXT_DATAREGDA holds no text that fails to be a date
    bool dateToValid = true;              // the same for TXT_DATAREGA
    bool currencyValid = true;            // TXT_CODICEVALUTA holds a known currency
    std::string baseCurrency = "EURO";    // the company's currency: no exchange rate needed for it
    std::string movementTypeCondition;    // the selector's condition; empty when no type is chosen
};

inline constexpr int orderingTab = 2;     // "&Ordinamenti e raggruppamenti"
inline constexpr int messageKindRefusal = 2;

struct SettingsRefusal {
    int message = 0;
    std::string focus;                    // the control to give the focus to; "" for none
    std::optional<int> tab;               // the tab of TAB_QUORVANE to show
    bool operator==(const SettingsRefusal&) const = default;
};

// The range of validity of the movement types to offer; either end may be open.
struct MovementTypeRange {
    std::optional<QDate> from, to;
};

struct SettingsCheckResult {
    std::optional<SettingsRefusal> refusal;   // none: the processing may go on
    MovementTypeRange movementTypeRange;
    bool ok() const { return !refusal; }
};

// The range of the movement types to offer: the registration dates, or the competence period when it is on.
MovementTypeRange movementTypeRange(const SelectionParameters& selection);

// `ordering` is the ordering grid's chosen rows resolved to their columns (see orderingColumns).
SettingsCheckResult CheckImpostazioni(const SelectionParameters& selection, const FieldStates& fields,
                                      const std::vector<OrderingColumn>& ordering);

} // namespace quorvane
