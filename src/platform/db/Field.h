#pragma once
// The description of one column of a record set, as a statement's result or an in-memory set declares it.

#include "Value.h"

#include <string>

namespace db {

struct FieldInfo {
    std::string name;
    DataType type = DataType::Text;
    int definedSize = 0;   // characters of a Text field; 0 when unbounded
    int precision = 0;     // digits of a Decimal field
    int scale = 0;         // decimals of a Decimal field: its values are exact at this scale
    bool nullable = true;
};

} // namespace db
