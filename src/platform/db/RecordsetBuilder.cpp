#include "RecordsetBuilder.h"

#include "Error.h"
#include "RecordsetData.h"

namespace db {

RecordsetBuilder::RecordsetBuilder(std::vector<FieldInfo> fields)
    : data_(std::make_shared<RecordsetData>(std::move(fields)))
{
}

RecordsetBuilder::~RecordsetBuilder() = default;

// The column about to receive the current row's value; a second value in the same row is refused.
RecordsetColumn& RecordsetBuilder::column(int index)
{
    if (!data_)
        throw Error("The record set builder has already handed over its rows");
    if (index < 0 || index >= data_->fieldCount())
        throw Error("The record set has no field number " + std::to_string(index));
    RecordsetColumn& column = data_->column(index);
    if (column.size() != data_->rowCount())
        throw Error("Field '" + column.field().name + "' was given two values in row "
                    + std::to_string(data_->rowCount() + 1));
    return column;
}

void RecordsetBuilder::appendNull(int c) { column(c).appendNull(); }

void RecordsetBuilder::appendBool(int c, bool v)
{
    RecordsetColumn& col = column(c);
    col.field().type == DataType::Bit ? col.appendInteger(v ? 1 : 0) : col.append(Value(v));
}

void RecordsetBuilder::appendInt(int c, std::int64_t v)
{
    RecordsetColumn& col = column(c);
    col.field().type == DataType::Integer ? col.appendInteger(v) : col.append(Value(v));
}

void RecordsetBuilder::appendDouble(int c, double v)
{
    RecordsetColumn& col = column(c);
    col.field().type == DataType::Float ? col.appendDouble(v) : col.append(Value(v));
}

void RecordsetBuilder::appendDecimal(int c, Mantissa mantissaAtFieldScale)
{
    RecordsetColumn& col = column(c);
    if (col.field().type == DataType::Decimal)
        col.appendInteger(mantissaAtFieldScale);
    else
        col.append(Value(Decimal{mantissaAtFieldScale, col.field().scale}));
}

void RecordsetBuilder::appendText(int c, std::string_view utf8)
{
    RecordsetColumn& col = column(c);
    col.field().type == DataType::Text ? col.appendText(utf8) : col.append(Value(std::string(utf8)));
}

void RecordsetBuilder::appendDateTime(int c, DateTime v)
{
    RecordsetColumn& col = column(c);
    col.field().type == DataType::DateTime ? col.appendDateTime(v) : col.append(Value(v));
}

void RecordsetBuilder::endRow()
{
    if (!data_)
        throw Error("The record set builder has already handed over its rows");
    for (int c = 0; c < data_->fieldCount(); ++c)
        if (data_->column(c).size() != data_->rowCount() + 1)
            throw Error("Field '" + data_->column(c).field().name + "' has no value in row "
                        + std::to_string(data_->rowCount() + 1));
    data_->endRow();
}

Recordset RecordsetBuilder::finish()
{
    if (!data_)
        throw Error("The record set builder has already handed over its rows");
    for (int c = 0; c < data_->fieldCount(); ++c)
        if (data_->column(c).size() != data_->rowCount())
            throw Error("Row " + std::to_string(data_->rowCount() + 1) + " was begun but not ended");
    data_->finishLoading();
    return Recordset(std::move(data_));
}

} // namespace db
