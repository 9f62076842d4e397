#include "engine/TotalsCaptions.h"

#include "engine/NumberFormat.h"

namespace quorvane {

void setTotalsCaptions(ControlCaptions& captions, const TotalsFields& fields, const SelectionTotals& totals,
                       const TotalsFormats& formats, const Countervalue& countervalue)
{
    const auto amount = [&](const db::Decimal& value) {
        return formatNumber(countervalue.GetControvalore(value.toDouble()), formats.amountFormat, formats.language)
               + " ";
    };
    captions[fields.debit] = amount(totals.debit);
    captions[fields.credit] = amount(totals.credit);
    captions[fields.balance] = amount(totals.balance);
    captions[fields.quantity] = formats.quantities
                                    ? formatNumber(totals.quantity.toDouble(), formats.quantityFormat, formats.language) + " "
                                    : std::string();
}

} // namespace quorvane
