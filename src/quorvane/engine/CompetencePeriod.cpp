#include "engine/CompetencePeriod.h"

#include "engine/SqlLiterals.h"

#include <stdexcept>

namespace quorvane {

namespace {

// A refusal names the panel's field, as every refusal of a selection does.
int wholeNumber(const std::string& text, const char* field)
{
    bool ok = false;
    int value = QString::fromStdString(text).trimmed().toInt(&ok);
    if (!ok)
        throw std::invalid_argument(std::string(field) + ": the competence period's \"" + text
                                    + "\" is not a whole number");
    return value;
}

QDate firstDayOf(const std::string& year, const std::string& month, const char* yearField, const char* monthField)
{
    QDate day(wholeNumber(year, yearField), wholeNumber(month, monthField), 1);
    if (!day.isValid())
        throw std::invalid_argument(std::string(monthField) + ": the competence period's month " + month + "/" + year
                                    + " is not a month");
    return day;
}

} // namespace

std::optional<CompetencePeriod> competencePeriodOf(const SelectionParameters& selection)
{
    if (selection.CHK_PERIODOCOMP != "1")
        return std::nullopt;
    CompetencePeriod period;
    period.first = firstDayOf(selection.TXT_ANNOLI, selection.CBO_MESELI, "TXT_ANNOLI", "CBO_MESELI");
    // Day 1 of the month after the to-month, less one day: the to-month's last day, leap years included.
    period.last = firstDayOf(selection.TXT_ANNOLS, selection.CBO_MESELS, "TXT_ANNOLS", "CBO_MESELS")
                      .addMonths(1)
                      .addDays(-1);
    period.firstSql = sqlDate(period.first);
    period.lastSql = sqlDate(period.last);
    return period;
}

} // namespace quorvane
