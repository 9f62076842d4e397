#pragma once
// What a query grid asks of the window that holds it while values are edited: the window remembers values,
// describes codes and says where a lookup looks. Every handler has a harmless default, so a window handles
// only its own. (A change of the current row and a tab past the last cell are the grid's signals.)

#include "controls/CodeLookup.h"
#include "controls/QueryCondition.h"

#include <functional>

namespace controls {

enum ValueBox { FromValue = 1, ToValue = 2 };

// The values the grid holds for a column (the first row on it), for rows that depend on another row.
using GridValues = std::function<QueryValues(const QString& column)>;

// Where a lookup looks: the service and the list of codes.
struct LookupTarget {
    const CodeLookup* service = nullptr;
    CodeRequest request;
};

class QueryGridEvents {
public:
    virtual ~QueryGridEvents() = default;
    // A from-value or a to-value of the row is being accepted.
    virtual void AqValidate(const QString& /*caption*/, ValueBox /*box*/, const QString& /*value*/) {}
    // The row's codes are to be described; an empty value leaves its description as it was.
    virtual void StartDecode(const QString& /*caption*/, const QString& /*from*/, const QString& /*to*/,
                             QString& /*fromDescription*/, QString& /*toDescription*/, const GridValues& /*grid*/) {}
    // The user asks for a lookup in the row; nothing when the row has none.
    virtual std::optional<LookupTarget> StartLookup(const QString& /*caption*/, const GridValues& /*grid*/)
    {
        return std::nullopt;
    }
};

} // namespace controls
