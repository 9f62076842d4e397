#include "selection/PanelRules.h"

#include <utility>

namespace quorvane::panel {

namespace {

const QString zero = QStringLiteral("0");

// (year, month) as whole numbers.
std::pair<int, int> yearMonth(const Period& period)
{
    return {period.year.toInt(), period.month.toInt()};
}

bool inverted(const CompetencePeriods& p)
{
    return yearMonth(p.from) > yearMonth(p.to);
}

} // namespace

OperatorEnabling operatorEnabling(const QString& op)
{
    if (op == QLatin1String("4"))
        return {true, true};
    if (op == QLatin1String("1") || op == QLatin1String("2") || op == QLatin1String("3"))
        return {true, false};
    return {false, false};
}

OperatorValues alignedToOperator(const QString& op, const OperatorValues& current)
{
    const OperatorEnabling enabled = operatorEnabling(op);
    return {enabled.value ? zeroWhenEmpty(current.value) : QString(),
            enabled.band ? zeroWhenEmpty(current.band) : QString()};
}

QString zeroWhenEmpty(const QString& number)
{
    return number.trimmed().isEmpty() ? zero : number;
}

DateRange alignedDates(DateLeft left, const DateRange& range)
{
    if (!range.from || !range.to || *range.to >= *range.from)
        return range;
    return left == DateLeft::From ? DateRange{range.from, range.from} : DateRange{range.to, range.to};
}

CompetencePeriods alignedPeriods(CompetenceLeft left, const CompetencePeriods& periods)
{
    const bool bothYears = !periods.from.year.isEmpty() && !periods.to.year.isEmpty();
    bool applies = false;
    switch (left) {
    case CompetenceLeft::FromMonth:
    case CompetenceLeft::ToMonth: applies = bothYears; break;
    case CompetenceLeft::FromYear: applies = bothYears && periods.from.year.size() == 4; break;
    case CompetenceLeft::ToYear: applies = bothYears && periods.to.year.size() == 4; break;
    }
    if (!applies || !inverted(periods))
        return periods;
    const bool fromSide = left == CompetenceLeft::FromMonth || left == CompetenceLeft::FromYear;
    return fromSide ? CompetencePeriods{periods.from, periods.from} : CompetencePeriods{periods.to, periods.to};
}

CompetencePeriods competenceDefaults(const QDate& today)
{
    const QString year = QString::number(today.year());
    return {{year, QStringLiteral("1")}, {year, QString::number(today.month())}};
}

QVariant movementTypeReferenceDate(bool competence, const Period& from, const std::optional<QDate>& dateFrom)
{
    if (!competence)
        return dateFrom ? QVariant(*dateFrom) : QVariant(1);
    const QDate first(from.year.toInt(), from.month.toInt(), 1);
    return from.year.isEmpty() || !first.isValid() ? QVariant(1) : QVariant(first);
}

} // namespace quorvane::panel
