#include "engine/KeyColumns.h"

#include "engine/FieldNames.h"

namespace quorvane {

db::FieldInfo keyColumn(std::string_view qualifiedColumn, const db::FieldInfo* movementField,
                        std::string_view placeholder)
{
    db::FieldInfo column;
    if (movementField)
        column = *movementField;
    column.name = movementField ? PulisciNomeCampo(qualifiedColumn) : std::string(placeholder);
    column.nullable = true;                 // the levels deeper than a node stay NULL in its row
    return column;
}

db::Value emptyMarker(const db::FieldInfo& column)
{
    switch (column.type) {
    case db::DataType::DateTime: return db::DateTime::fromCivil(1899, 12, 30);
    case db::DataType::Text: return std::string(static_cast<std::size_t>(column.definedSize), ' ');
    default: return db::Decimal{-1, 0}.rescaled(column.scale);
    }
}

bool isQuotedInFilter(const db::FieldInfo& column)
{
    return column.type == db::DataType::Text || column.type == db::DataType::DateTime;
}

} // namespace quorvane
