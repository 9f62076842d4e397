#include "engine/PeriodColumns.h"

#include "engine/DatePeriods.h"

#include <array>

namespace quorvane {
namespace {

struct Period {
    int code;
    const char* suffix;                         // of the key column: DATAREG + suffix, DATADOC + suffix
    std::string (*caption)(const db::Value&, hostfw::Language);
};

constexpr std::array<Period, 7> periods = {{{2, "SETT", DateToSettimana},
                                            {9, "QUIND", DateToQuindicina},
                                            {3, "MESE", DateToMese},
                                            {4, "TRIM", DateToTrimestre},
                                            {5, "QUAD", DateToQuadrimestre},
                                            {6, "SEM", DateToSemestre},
                                            {7, "ANNO", DateToAnno}}};

// "DATAREG" for the registration date, "DATADOC" for the document date.
std::string keyPrefix(std::string_view dateColumn)
{
    return dateColumn == registrationDateColumn ? "DATAREG" : "DATADOC";
}

} // namespace

bool isDateColumn(std::string_view column)
{
    return column == registrationDateColumn || column == documentDateColumn;
}

std::string periodColumn(std::string_view dateColumn, int periodCode)
{
    if (periodCode == periodDay)
        return std::string(dateColumn);
    for (const Period& period : periods)
        if (period.code == periodCode)
            return keyPrefix(dateColumn) + period.suffix;
    return {};
}

std::optional<PeriodCaption> periodCaptionOf(std::string_view column)
{
    for (const char* dateColumn : {registrationDateColumn, documentDateColumn})
        for (const Period& period : periods)
            if (column == keyPrefix(dateColumn) + period.suffix)
                return PeriodCaption{dateColumn, period.caption};
    return std::nullopt;
}

} // namespace quorvane
