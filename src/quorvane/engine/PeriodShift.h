#pragma once
// How far a comparison's period lies before the selection's: whole months (a year is twelve) when both
// periods are made of whole months, days otherwise. Dates move by it, and so do the period keys the tree
// groups by, so that March's group of this year meets March of last year.

#include <QDate>

#include <string>
#include <string_view>

namespace quorvane {

struct PeriodShift {
    int months = 0;
    int days = 0;
    bool none() const { return months == 0 && days == 0; }
};

// The date `direction` shifts away (−1 back, +1 forth). A month's last day stays its month's last day.
QDate shiftedDate(const QDate& date, const PeriodShift& shift, int direction);

// A group's movement filter with the period keys it compares (week … year of a date) moved as the dates
// are: −1 gives the comparison's group of a selection's group, +1 the selection's group of a comparison's.
// A key the shift does not move by whole periods (a quarter moved by a month, any week but by years, any key
// moved by days) stays as it is.
std::string shiftedPeriodFilter(std::string_view filter, const PeriodShift& shift, int direction);

} // namespace quorvane
