#include "engine/GroupCaptions.h"

#include "engine/FieldNames.h"
#include "engine/GroupValues.h"
#include "engine/PeriodColumns.h"
#include "hostfw/GlobalUtilities.h"

namespace quorvane {

std::string GroupCaptions::shownValue(const std::string& column, const std::string& text,
                                      const db::Recordset& movements) const
{
    if (const auto period = periodCaptionOf(column))
        return period->caption(movements.value(period->dateColumn), sources_.language);
    if (column == "CI13_CONTO_PC03")
        return sources_.accounts.formatAccount(text, sources_.costCentreChart);
    if (column == "CI13_VDS_PC03")
        return sources_.accounts.formatAccount(text, sources_.expenseItemChart);
    if (column == "CG42_CONTOPAR_CG24")
        return sources_.accounts.formatLedgerAccount(text);
    return text;
}

std::string GroupCaptions::caption(const Rottura& level, const db::Recordset& movements) const
{
    const std::string column = PulisciNomeCampo(level.Campo);
    if (column.empty() || holdsNoValue(movements.value(column)))
        return level.Caption + ": " + sources_.noValueText;
    const std::string text = hostfw::GlobalUtilities::nzText(movements.value(column)).toStdString();
    std::string caption = level.Caption + ": \"" + shownValue(column, text, movements) + "\"";
    if (!level.CampoDescrizione.empty()) {
        const std::string description = movements.value(level.CampoDescrizione).toText();
        if (!description.empty())
            caption += " - " + description;
    }
    return caption;
}

} // namespace quorvane
