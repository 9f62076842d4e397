#include "selection/AccountFilterOffer.h"

#include "selection/QueryOfferBuilder.h"

#include <array>

namespace quorvane {

namespace {

using controls::ValueKind;

constexpr std::array<QueryRowSpec, 11> accountFilterRows{{
    {"C.d.C.", "CONTO.PC03_CONTO", ValueKind::Code, true, 15, ""},
    {"C.d.C. - Mastro", "CONTO.PC03_LIVELLO1", ValueKind::Code, true, 15, ""},
    {"C.d.C. - Intermedio1", "CONTO.PC03_LIVELLO2", ValueKind::Code, true, 15, ""},
    {"C.d.C. - Intermedio2", "CONTO.PC03_LIVELLO3", ValueKind::Code, true, 15, ""},
    {"C.d.C. - Intermedio3", "CONTO.PC03_LIVELLO4", ValueKind::Code, true, 15, ""},
    {"V.d.S.", "VDS.PC03_CONTO", ValueKind::Code, true, 15, ""},
    {"V.d.S. - Mastro", "VDS.PC03_LIVELLO1", ValueKind::Code, true, 15, ""},
    {"V.d.S. - Intermedio1", "VDS.PC03_LIVELLO2", ValueKind::Code, true, 15, ""},
    {"V.d.S. - Intermedio2", "VDS.PC03_LIVELLO3", ValueKind::Code, true, 15, ""},
    {"V.d.S. - Intermedio3", "VDS.PC03_LIVELLO4", ValueKind::Code, true, 15, ""},
    {"V.d.S. - Natura", "VDS.PC03_NATURA_PC04", ValueKind::Number, true, 2, "##"},
}};

// The level rows above the account: a chart of n levels has n - 1 of them, at most four.
void addChartRows(QueryOfferBuilder& rows, const QString& title, const std::string& chart, int levels)
{
    static const std::array<const char*, 4> levelNames{" - Mastro", " - Intermedio1", " - Intermedio2",
                                                       " - Intermedio3"};
    for (int level = 1; level <= 4 && levels > level; ++level)
        rows.addRow(0, title, chart + levelNames[level - 1], true);
    rows.addRow(0, title, chart, true);
}

} // namespace

controls::QueryOffer ConfigurazioneAdvancedQuerySelConti(const OfferSources& sources)
{
    QueryOfferBuilder rows(accountFilterRows, "InserisciRigaFiltroConti");   // the window's row-adding procedure
    QString title = sources.messageText(accountFilterSectionMessage);
    addChartRows(rows, title, "C.d.C.", sources.settings.costCentreChartLevels);
    addChartRows(rows, title, "V.d.S.", sources.settings.expenseItemChartLevels);
    rows.addRow(0, title, "V.d.S. - Natura", true);
    return rows.take();
}

} // namespace quorvane
