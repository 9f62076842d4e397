#pragma once
// The condition that a filled query-grid row yields over its column, and the checks its values pass first.
// Whatever the user types stays inside a literal: text is quoted with its quotes doubled, numbers must be
// numbers, dates are written 'YYYYMMDD'; a value that does not fit its row is refused with a message.
//
//   from only → COL >= a      to only → COL <= b      from equal to to → COL = a
//   from and to → COL BETWEEN a AND b                  a list → COL IN (a, b, …)

#include "controls/QueryRowDefinition.h"

#include <QStringList>

#include <optional>
#include <stdexcept>

namespace controls {

class QueryValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The values typed into one row: a from/to range, or a list.
struct QueryValues {
    QString from, to;
    QStringList list;
    bool isEmpty() const;
};

// Why the value does not fit the row (longer than its length, outside its mask, not a number or a date);
// nothing when it fits. An empty value always fits.
std::optional<QString> valueRefusal(const QueryRowDefinition& row, const QString& value);

// The value as a T-SQL literal of the row's kind; throws QueryValueError when it does not fit.
QString sqlLiteral(const QueryRowDefinition& row, const QString& value);

// The row's condition, or "" when no value is filled; throws QueryValueError naming the row's caption
// when a value does not fit or when both a range and a list are given.
QString queryCondition(const QueryRowDefinition& row, const QueryValues& values);

// The values given to one offered row, named by its position in the offer.
struct FilledRow {
    int offerRow = 0;
    QueryValues values;
};

// One condition row per filled row with a condition, in the offer's order (rows given to the same offered
// row in the order given): the grid yields its rows so, and a selection processed without the grid must
// combine them in the same order to send the same statement. Throws QueryValueError as queryCondition does.
std::vector<QueryConditionRow> conditionRows(const QueryOffer& offer, std::vector<FilledRow> rows);

} // namespace controls
