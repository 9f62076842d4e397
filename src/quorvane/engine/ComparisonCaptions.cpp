#include "engine/ComparisonCaptions.h"

#include "engine/Variance.h"

namespace quorvane {

void setComparisonCaptions(ControlCaptions& captions, const ComparisonFields& fields, const db::Decimal& balance,
                           const std::optional<db::Decimal>& comparison, const TotalsFormats& formats,
                           const Countervalue& countervalue)
{
    captions[fields.comparison] = captions[fields.variance] = captions[fields.percent] = std::string();
    if (!comparison)
        return;
    const Variance variance = varianceOf(balance, *comparison);
    captions[fields.comparison] = amountText(*comparison, formats, countervalue) + " ";
    captions[fields.variance] = amountText(variance.amount, formats, countervalue) + " ";
    if (variance.percent)
        captions[fields.percent] = percentText(*variance.percent, formats) + " ";
}

} // namespace quorvane
