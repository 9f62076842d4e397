#include "engine/PeriodShift.h"

#include "engine/PeriodColumns.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace quorvane {
namespace {

// A period key counts periods of `monthsPerPeriod` months as year × `scale` + its number in the year
// (1-based), the fortnight a month key with the half appended (see PeriodKeys).
struct KeyLayout {
    const char* suffix;
    int monthsPerPeriod;
    int scale;
};

constexpr KeyLayout keyLayouts[] = {{"MESE", 1, 100}, {"TRIM", 3, 10}, {"QUAD", 4, 10}, {"SEM", 6, 10}, {"ANNO", 12, 1}};

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::optional<long long> movedKey(long long key, const KeyLayout& layout, int months)
{
    if (months % layout.monthsPerPeriod != 0)
        return std::nullopt;
    const long long perYear = 12 / layout.monthsPerPeriod;
    const long long year = layout.scale == 1 ? key : key / layout.scale;
    const long long number = layout.scale == 1 ? 1 : key % layout.scale;
    const long long index = year * perYear + (number - 1) + months / layout.monthsPerPeriod;
    const long long movedYear = index / perYear;   // years of the ledger are positive
    return layout.scale == 1 ? movedYear : movedYear * layout.scale + (index - movedYear * perYear) + 1;
}

// The key moved by `months`, when the column's periods move by whole periods.
std::optional<long long> movedKey(std::string_view column, long long key, int months)
{
    if (endsWith(column, "QUIND")) {
        const std::optional<long long> month = movedKey(key / 10, keyLayouts[0], months);
        return month ? std::optional(*month * 10 + key % 10) : std::nullopt;
    }
    if (endsWith(column, "SETT"))
        return months % 12 == 0 ? std::optional(key + 100LL * (months / 12)) : std::nullopt;
    for (const KeyLayout& layout : keyLayouts)
        if (endsWith(column, layout.suffix))
            return movedKey(key, layout, months);
    return std::nullopt;
}

// "COLUMN=NUMBER" with the number moved when COLUMN is a period key; any other term as it is.
std::string movedTerm(std::string_view term, int months)
{
    const std::size_t equals = term.find('=');
    if (equals == std::string_view::npos)
        return std::string(term);
    const std::string column(term.substr(0, equals));
    bool number = false;
    const long long key =
        QByteArray(term.data() + equals + 1, static_cast<qsizetype>(term.size() - equals - 1)).toLongLong(&number);
    if (!number || !periodCaptionOf(column))
        return std::string(term);
    const std::optional<long long> moved = movedKey(column, key, months);
    return moved ? column + "=" + std::to_string(*moved) : std::string(term);
}

// The filter's terms: split at " AND " outside its quoted literals.
std::vector<std::string_view> termsOf(std::string_view filter)
{
    constexpr std::string_view separator = " AND ";
    std::vector<std::string_view> terms;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < filter.size(); ++i) {
        if (filter[i] == '\'')
            quoted = !quoted;
        else if (!quoted && filter.substr(i, separator.size()) == separator) {
            terms.push_back(filter.substr(start, i - start));
            start = i + separator.size();
            i = start - 1;
        }
    }
    terms.push_back(filter.substr(start));
    return terms;
}

} // namespace

QDate shiftedDate(const QDate& date, const PeriodShift& shift, int direction)
{
    if (shift.days)
        return date.addDays(direction * shift.days);
    if (date.day() == date.daysInMonth())
        return date.addDays(1).addMonths(direction * shift.months).addDays(-1);
    return date.addMonths(direction * shift.months);
}

std::string shiftedPeriodFilter(std::string_view filter, const PeriodShift& shift, int direction)
{
    if (shift.months == 0)
        return std::string(filter);
    std::string moved;
    for (std::string_view term : termsOf(filter))
        moved += (moved.empty() ? "" : " AND ") + movedTerm(term, direction * shift.months);
    return moved;
}

} // namespace quorvane
