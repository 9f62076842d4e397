#include "engine/TotalsCaptions.h"

#include "engine/NumberFormat.h"

namespace quorvane {

std::string amountText(const db::Decimal& amount, const TotalsFormats& formats, const Countervalue& countervalue)
{
    return formatNumber(countervalue.GetControvalore(amount.toDouble()), formats.amountFormat, formats.language);
}

std::string quantityText(const db::Decimal& quantity, const TotalsFormats& formats)
{
    return formatNumber(quantity.toDouble(), formats.quantityFormat, formats.language);
}

std::string percentText(const db::Decimal& percent, const TotalsFormats& formats)
{
    return formatNumber(percent.toDouble(), amountFormat(2), formats.language) + " %";
}

void setTotalsCaptions(ControlCaptions& captions, const TotalsFields& fields, const SelectionTotals& totals,
                       const TotalsFormats& formats, const Countervalue& countervalue)
{
    const auto amount = [&](const db::Decimal& value) { return amountText(value, formats, countervalue) + " "; };
    captions[fields.debit] = amount(totals.debit);
    captions[fields.credit] = amount(totals.credit);
    captions[fields.balance] = amount(totals.balance);
    captions[fields.quantity] = formats.quantities ? quantityText(totals.quantity, formats) + " " : std::string();
}

} // namespace quorvane
