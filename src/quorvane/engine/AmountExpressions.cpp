#include "engine/AmountExpressions.h"

namespace quorvane {

AmountExpressions amountExpressions(bool competencePeriod, const EngineSettings& settings)
{
    if (!competencePeriod)
        return {"#MOVIMENTI.CI13_IMPORTO", "#MOVIMENTI.CI13_QTA"};
    const std::string d = std::to_string(settings.amountDecimals);
    return {"ROUND(ISNULL(#MOVIMENTI.CI13_IMPORTO, 0) * CAST(#MOVIMENTI.GGCOMP AS DECIMAL(13, " + d
                + ")) / CAST(#MOVIMENTI.TOTGGCOMP AS DECIMAL(13, " + d + ")), " + d + ")",
            "ROUND(ISNULL(#MOVIMENTI.CI13_QTA, 0) * CAST(#MOVIMENTI.GGCOMP AS DECIMAL(17, 6))"
            " / CAST(#MOVIMENTI.TOTGGCOMP AS DECIMAL(17, 6)), 6)"};
}

} // namespace quorvane
