#include "RecordsetFilterOperand.h"

#include "Error.h"

#include <charconv>

namespace db {

namespace {

[[noreturn]] void refuse(const FieldInfo& field, const std::string& problem)
{
    throw Error("Invalid filter on field '" + field.name + "': " + problem);
}

Value numberOperand(const FieldInfo& field, const RecordsetFilterLiteral& literal)
{
    if (literal.kind != RecordsetFilterLiteral::Kind::Date) {
        auto decimal = Decimal::parse(literal.text);
        if (decimal && field.type == DataType::Float)
            return decimal->toDouble();
        if (decimal)
            return *decimal;
    }
    refuse(field, "'" + literal.text + "' is not a number");
}

Value dateOperand(const FieldInfo& field, const RecordsetFilterLiteral& literal)
{
    if (literal.kind != RecordsetFilterLiteral::Kind::Number)
        if (auto date = DateTime::parse(literal.text))
            return *date;
    refuse(field, "'" + literal.text + "' is not a date (YYYY-MM-DD, optionally with HH:MM:SS)");
}

} // namespace

Value filterOperand(const FieldInfo& field, RecordsetFilterOp op, const RecordsetFilterLiteral& literal)
{
    if (literal.kind == RecordsetFilterLiteral::Kind::Null) {
        if (op != RecordsetFilterOp::Equal && op != RecordsetFilterOp::NotEqual)
            refuse(field, "NULL can only be compared with = or <>");
        return Value::null();
    }
    if (op == RecordsetFilterOp::Like && field.type != DataType::Text)
        refuse(field, "LIKE needs a text field");
    switch (field.type) {
    case DataType::Text: return literal.text;
    case DataType::DateTime: return dateOperand(field, literal);
    default: return numberOperand(field, literal);
    }
}

} // namespace db
