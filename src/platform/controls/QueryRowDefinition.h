#pragma once
// One row that a window offers to a query grid, and what the grid yields for a filled row.
// The window builds the list of rows (its section titles, captions, columns, kinds, lengths and masks);
// the grid edits the values and writes each filled row's condition over the row's column.

#include <QString>

#include <vector>

namespace controls {

// What a row's values are, which decides how they are checked and written into the condition.
enum class ValueKind {
    Code,           // a plain code, compared as text
    Text,
    Number,
    Date,
    LedgerAccount,  // a general-ledger account code, compared as text
    Article,        // an article code, compared as text
};

struct QueryRowDefinition {
    int section = 0;                // 0, 1, … in the order the window opened its sections
    QString sectionTitle;
    QString caption;
    QString column;                 // the column the condition is written over
    bool sectionFlag = false;       // true: the row is shown in its section from the start
    qint16 position = 0;            // the row's number within its section, from 1
    bool decodeLookup = false;      // codes of the row can be described and looked up
    ValueKind kind = ValueKind::Code;
    int maxLength = 0;              // 0: no limit
    QString mask;                   // "#" stands for a digit; the last character covers longer values
    bool operator==(const QueryRowDefinition&) const = default;
};

using QueryOffer = std::vector<QueryRowDefinition>;

// A filled row as the grid yields it.
struct QueryConditionRow {
    QString caption;
    QString column;
    QString condition;              // T-SQL over the column; never empty
    bool operator==(const QueryConditionRow&) const = default;
};

} // namespace controls
