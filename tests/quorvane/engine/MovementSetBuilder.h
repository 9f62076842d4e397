#pragma once
// Small movement sets made in memory, so that a test of the group tree states every row it walks.

#include "db/Recordset.h"

#include <string>
#include <vector>

inline db::FieldInfo textField(const std::string& name, int size = 20)
{
    db::FieldInfo field;
    field.name = name;
    field.definedSize = size;
    return field;
}

inline db::FieldInfo numberField(const std::string& name, int scale = 0)
{
    db::FieldInfo field;
    field.name = name;
    field.type = db::DataType::Decimal;
    field.precision = 18;
    field.scale = scale;
    return field;
}

inline db::FieldInfo dateField(const std::string& name)
{
    db::FieldInfo field;
    field.name = name;
    field.type = db::DataType::DateTime;
    return field;
}

inline db::Recordset movementSet(const std::vector<db::FieldInfo>& fields, const std::vector<std::vector<db::Value>>& rows)
{
    db::Recordset set = db::Recordset::inMemory(fields);
    for (const std::vector<db::Value>& row : rows) {
        set.AddNew();
        for (std::size_t i = 0; i < row.size(); ++i)
            set.setValue(static_cast<int>(i), row[i]);
        set.Update();
    }
    set.MoveFirst();
    return set;
}
