#pragma once
// One row that a window offers to an ordering grid, and a row the user chose from it.

#include <QString>

#include <vector>

namespace controls {

// Period codes of a date row: how its dates are grouped.
enum PeriodCode {
    PeriodDay = 1, PeriodWeek = 2, PeriodMonth = 3, PeriodQuarter = 4, PeriodFourMonths = 5,
    PeriodHalfYear = 6, PeriodYear = 7, PeriodNone = 8, PeriodFortnight = 9,
};

struct OrderRowDefinition {
    int section = 0;                // 0, 1, … in the order the window opened its sections
    QString sectionTitle;
    QString caption;
    QString column;                 // the column of the movement set behind the caption
    bool sectionFlag = false;       // true: the row is shown in its section from the start
    qint16 position = 0;            // the row's number within its section, from 1
    bool groupable = true;          // false: the row sorts but cannot be a grouping level
    bool dateRow = false;           // a period can be chosen for the row
    bool operator==(const OrderRowDefinition&) const = default;
};

using OrderOffer = std::vector<OrderRowDefinition>;

// A row the user chose, in the user's order.
struct ChosenOrderRow {
    QString caption;
    QString column;
    QString direction = QStringLiteral("ASC");   // "ASC" or "DESC"
    bool group = false;
    int period = PeriodNone;                     // date rows only; PeriodNone otherwise
    bool pageBreak = false;
    bool operator==(const ChosenOrderRow&) const = default;
};

} // namespace controls
