#pragma once
// How totals are written into their fields: amounts converted to the display currency after summing and
// shown in the amount format, quantities (never converted) in the quantity field's format and only when
// quantities are managed (CHK_QUANTITA "1"), each caption followed by one blank.

#include "engine/ControlCaptions.h"
#include "engine/Countervalue.h"
#include "engine/SelectionTotals.h"
#include "hostfw/Language.h"

#include <string>

namespace quorvane {

struct TotalsFormats {
    std::string amountFormat;        // the window's amount format
    std::string quantityFormat;      // the display format of TXT_QUANTITA
    hostfw::Language language = hostfw::Language::Italian;
    bool quantities = false;         // CHK_QUANTITA is "1"
};

// The four fields that show debit, credit, balance and quantity.
struct TotalsFields {
    const char* debit;
    const char* credit;
    const char* balance;
    const char* quantity;
};

inline constexpr TotalsFields groupTotalsFields{"TXT_TOTDARE", "TXT_TOTAVERE", "TXT_TOTSALDO", "TXT_TOTQUANTITA"};

// The texts of the fields, each without its trailing blank: an amount converted and in the amount format, a
// quantity in the quantity field's format, a percentage with two decimals and its sign.
std::string amountText(const db::Decimal& amount, const TotalsFormats& formats, const Countervalue& countervalue);
std::string quantityText(const db::Decimal& quantity, const TotalsFormats& formats);
std::string percentText(const db::Decimal& percent, const TotalsFormats& formats);

void setTotalsCaptions(ControlCaptions& captions, const TotalsFields& fields, const SelectionTotals& totals,
                       const TotalsFormats& formats, const Countervalue& countervalue);

} // namespace quorvane
