#pragma once
// The selection panel's field rules, on the fields' texts: which fields an operator enables, how leaving
// an operator brings its fields in line, and the silent corrections of dates and competence periods when a
// field is left. The window reads its controls, asks these rules and writes the answers back; nothing here
// knows a widget.

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>

namespace quorvane::panel {

// Amount and quantity operators: "0" none, "1" =, "2" >=, "3" <=, "4" a band of a percentage around it.
struct OperatorEnabling {
    bool value = false;   // TXT_IMPORTO / TXT_QUANTITA
    bool band = false;    // TXT_PERC / TXT_PERCQTA
};
OperatorEnabling operatorEnabling(const QString& op);

struct OperatorValues {
    QString value, band;
    bool operator==(const OperatorValues&) const = default;
};
// After a change of the operator: no operator empties both; a comparison needs a value (0 when empty) and
// no band; a band needs both (0 when empty). Values already there are kept.
OperatorValues alignedToOperator(const QString& op, const OperatorValues& current);

// An amount, band or quantity left empty reads 0.
QString zeroWhenEmpty(const QString& number);

// Registration dates: an inverted range is aligned on the field that was left. Dates that are not valid
// count as empty and correct nothing.
enum class DateLeft { From, To };
struct DateRange {
    std::optional<QDate> from, to;
    bool operator==(const DateRange&) const = default;
};
DateRange alignedDates(DateLeft left, const DateRange& range);

// Competence periods: years as typed, months as the combos' values.
struct Period {
    QString year, month;
    bool operator==(const Period&) const = default;
};
struct CompetencePeriods {
    Period from, to;
    bool operator==(const CompetencePeriods&) const = default;
};
enum class CompetenceLeft { FromMonth, FromYear, ToMonth, ToYear };
// A from-period later than the to-period is aligned on the side that was left: leaving a from-field moves
// the to-period up to it, leaving a to-field moves the from-period down. A year being typed corrects only
// once it has four digits and the other year is there; a month only when both years are there.
CompetencePeriods alignedPeriods(CompetenceLeft left, const CompetencePeriods& periods);

// Switching the competence period on: January of this year to this month of this year.
CompetencePeriods competenceDefaults(const QDate& today);

// The date the movement-type selector offers its types for: the first day of the competence from-month
// when the competence period is on, the registration from-date otherwise; the integer 1 while the year
// or the date is missing.
QVariant movementTypeReferenceDate(bool competence, const Period& from, const std::optional<QDate>& dateFrom);

} // namespace quorvane::panel
