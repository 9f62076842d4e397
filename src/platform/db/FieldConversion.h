#pragma once
// Turning a value into the form a field stores, as ADO does when a field is assigned: a text into a
// number or a date, an integer into a decimal at the field's scale, any value into a text.

#include "Field.h"
#include "Value.h"

namespace db {

// The value as the field holds it: NULL stays NULL; Bit gives a bool, Integer an int64, Decimal a Decimal
// at the field's scale, Float a double, Text a string, DateTime a DateTime. A value that cannot become
// the field's type, or a text longer than the field's defined size, is a db::Error naming the field.
Value convertToField(const FieldInfo& field, const Value& value);

} // namespace db
