#include "engine/ComparisonSelection.h"

#include <QString>

#include <stdexcept>

namespace quorvane {
namespace {

constexpr int monthsInYear = 12;

// A competence month ("1"–"12" and its year) as a count of months, and back.
int monthIndex(const std::string& month, const std::string& year)
{
    return QString::fromStdString(year).trimmed().toInt() * monthsInYear + QString::fromStdString(month).toInt() - 1;
}

void setMonth(std::string& month, std::string& year, int index)
{
    month = std::to_string(index % monthsInYear + 1);
    year = std::to_string(index / monthsInYear);
}

bool competenceOn(const SelectionParameters& selection)
{
    return selection.CHK_PERIODOCOMP == "1";
}

bool wholeMonths(const QDate& from, const QDate& to)
{
    return from.day() == 1 && to.day() == to.daysInMonth();
}

// The previous period is as long as the selection's: the competence months when the competence period is
// on, otherwise the registration dates, in months when they cover whole months and in days when not.
PeriodShift previousPeriodShift(const SelectionParameters& selection)
{
    if (competenceOn(selection))
        return {monthIndex(selection.CBO_MESELS, selection.TXT_ANNOLS)
                    - monthIndex(selection.CBO_MESELI, selection.TXT_ANNOLI) + 1, 0};
    const auto& from = selection.TXT_DATAREGDA;
    const auto& to = selection.TXT_DATAREGA;
    if (!from || !to)
        throw std::invalid_argument("TXT_DATAREGDA, TXT_DATAREGA: the comparison with the previous period needs a "
                                    "period with both its ends (the registration dates or the competence period)");
    if (wholeMonths(*from, *to))
        return {(to->year() - from->year()) * monthsInYear + to->month() - from->month() + 1, 0};
    return {0, static_cast<int>(from->daysTo(*to)) + 1};
}

PeriodShift periodShift(const SelectionParameters& selection, ComparisonKind kind)
{
    if (!competenceOn(selection) && !selection.TXT_DATAREGDA && !selection.TXT_DATAREGA)
        throw std::invalid_argument("TXT_DATAREGDA, TXT_DATAREGA: a comparison with another period needs a period "
                                    "(the registration dates or the competence period)");
    return kind == ComparisonKind::PreviousYear ? PeriodShift{monthsInYear, 0} : previousPeriodShift(selection);
}

void movePeriod(SelectionParameters& selection, const PeriodShift& shift)
{
    for (std::optional<QDate>* date : {&selection.TXT_DATAREGDA, &selection.TXT_DATAREGA})
        if (*date)
            **date = shiftedDate(**date, shift, -1);
    if (competenceOn(selection)) {
        setMonth(selection.CBO_MESELI, selection.TXT_ANNOLI,
                 monthIndex(selection.CBO_MESELI, selection.TXT_ANNOLI) - shift.months);
        setMonth(selection.CBO_MESELS, selection.TXT_ANNOLS,
                 monthIndex(selection.CBO_MESELS, selection.TXT_ANNOLS) - shift.months);
    }
}

} // namespace

std::optional<ComparisonKind> comparisonKindNamed(std::string_view name)
{
    if (name == "previous-year")
        return ComparisonKind::PreviousYear;
    if (name == "previous-period")
        return ComparisonKind::PreviousPeriod;
    if (name == "budget")
        return ComparisonKind::Budget;
    return std::nullopt;
}

ComparisonSelection comparisonSelection(const ExtractionRequest& base, ComparisonKind kind,
                                        const std::string& budgetTypes)
{
    ComparisonSelection comparison{base, {}};
    SelectionParameters& selection = comparison.request.selection;
    if (kind == ComparisonKind::Budget) {
        if (budgetTypes.empty())
            throw std::invalid_argument("USR_TIPOMOV: no budget movement type is valid in the selection's period");
        selection.CBO_INDOPERAZIONE = "1";
        selection.USR_TIPOMOV.reset();
        comparison.request.movementTypeCondition = budgetTypes;
    } else if (kind != ComparisonKind::None) {
        comparison.shift = periodShift(selection, kind);
        movePeriod(selection, comparison.shift);
    }
    return comparison;
}

} // namespace quorvane
