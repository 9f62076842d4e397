#include "engine/AmountExpressions.h"

namespace quorvane {

AmountExpressions amountExpressions(bool competencePeriod, const EngineSettings& settings, const std::string& table)
{
    const std::string t = table + ".";
    if (!competencePeriod)
        return {t + "CI13_IMPORTO", t + "CI13_QTA"};
    const std::string d = std::to_string(settings.amountDecimals);
    return {"ROUND(ISNULL(" + t + "CI13_IMPORTO, 0) * CAST(" + t + "GGCOMP AS DECIMAL(13, " + d + ")) / CAST(" + t
                + "TOTGGCOMP AS DECIMAL(13, " + d + ")), " + d + ")",
            "ROUND(ISNULL(" + t + "CI13_QTA, 0) * CAST(" + t + "GGCOMP AS DECIMAL(17, 6)) / CAST(" + t
                + "TOTGGCOMP AS DECIMAL(17, 6)), 6)"};
}

} // namespace quorvane
