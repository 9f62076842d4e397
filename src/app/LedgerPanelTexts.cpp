#include "LedgerPanelTexts.h"

#include "engine/StatementText.h"
#include "selection/MovementTypeCondition.h"

std::string accountDescription(db::Connection& connection, const quorvane::EngineSettings& settings,
                               const quorvane::SelectionParameters& selection)
{
    const std::string& kind = selection.CBO_SELCONTOVDS;
    if ((kind != "0" && kind != "1") || selection.TXT_CONTO.empty())
        return {};
    const int chart = kind == "0" ? settings.costCentreChart : settings.expenseItemChart;
    db::Recordset rows = connection.Open("SELECT PC03_DESCR FROM PC03_ANAGPDC WITH (NOLOCK) WHERE PC03_DITTA_CG18 = "
                                         + std::to_string(settings.company) + " AND PC03_CODICE_PC01 = "
                                         + std::to_string(chart) + " AND PC03_CONTO = '"
                                         + quorvane::quoteEscaped(selection.TXT_CONTO) + "'");
    return rows.RecordCount() > 0 ? rows.valueAt(0, 0).toText() : std::string();
}

std::string movementTypeCaption(db::Connection& connection, const quorvane::SelectionParameters& selection,
                                const std::string& everyType)
{
    if (!selection.USR_TIPOMOV)
        return everyType;
    db::Recordset rows = connection.Open("SELECT CGT0_DESCRMEDIA FROM CGT0_TIPOMOV WITH (NOLOCK) WHERE "
                                         + quorvane::movementTypeCondition(selection.USR_TIPOMOV)
                                         + " ORDER BY CGT0_CODICE");
    std::string caption;
    for (long r = 0; r < rows.RecordCount(); ++r)
        caption += (r ? ", " : "") + rows.valueAt(r, 0).toText();
    return caption;
}
