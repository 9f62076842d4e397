#include "engine/DisplayConfiguration.h"

#include "engine/DescriptionColumns.h"
#include "engine/FieldNames.h"
#include "engine/PeriodColumns.h"

namespace quorvane {
namespace {

constexpr const char* movementOrder = "CI12_NUMREG_CO99, CI13_PROGRIGA";

void appendEntry(std::string& list, const std::string& entry)
{
    list += (list.empty() ? "" : ",") + entry;
}

Rottura breakLevel(const OrderingColumn& row, const hostfw::Translator& translator)
{
    Rottura level;
    level.Caption = row.caption.empty() ? std::string()
                                        : translator.phrase(QString::fromStdString(row.caption)).toStdString();
    level.Campo = isDateColumn(row.column) ? periodColumn(row.column, row.period) : row.column;
    level.DataPiena = isDateColumn(row.column) && row.period == periodDay;
    level.CodiceData = level.DataPiena ? 1 : 0;
    level.CampoDescrizione = descriptionColumnOf(level.Campo);
    return level;
}

} // namespace

std::string DisplayConfiguration::movementSort() const
{
    if (!hasGroups)
        return orderingSort.empty() ? movementOrder : orderingSort + ", " + movementOrder;
    return orderingSort.empty() ? groupingSort : groupingSort + ", " + orderingSort + ", " + movementOrder;
}

DisplayConfiguration configureDisplay(const std::vector<OrderingColumn>& rows, const hostfw::Translator& translator)
{
    DisplayConfiguration configuration;
    for (const OrderingColumn& row : rows) {
        if (!row.group) {
            appendEntry(configuration.orderingSort, PulisciNomeCampo(row.column) + " " + row.direction);
            continue;
        }
        configuration.levels.push_back(breakLevel(row, translator));
        const std::string& key = configuration.levels.back().Campo;
        if (!key.empty())
            appendEntry(configuration.groupingSort, PulisciNomeCampo(key) + " " + row.direction);
    }
    configuration.hasGroups = !configuration.groupingSort.empty();
    return configuration;
}

std::int16_t GetFirstRaggruppamento(const std::vector<OrderingColumn>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].group)
            return static_cast<std::int16_t>(i + 1);
    return 0;
}

} // namespace quorvane
