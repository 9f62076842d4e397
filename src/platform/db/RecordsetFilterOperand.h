#pragma once
// A filter clause's value read in its field's type, as ADO converts it: a quoted text or a number for a
// number field, a #date# or a quoted date for a date field, anything as written for a text field.

#include "Field.h"
#include "RecordsetFilterExpr.h"
#include "Value.h"

namespace db {

// The value of the clause's family (see RecordsetKeyReader::bound); NULL for a NULL literal. A value the
// field cannot hold, LIKE on a field that is not text, or NULL with an operator other than = and <> is a
// db::Error naming the field.
Value filterOperand(const FieldInfo& field, RecordsetFilterOp op, const RecordsetFilterLiteral& literal);

} // namespace db
