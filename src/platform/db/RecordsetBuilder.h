#pragma once
// Fast column-wise filling of a record set, used when a statement's rows are read back: every column is
// appended exactly once per row, then endRow(); finish() hands over the rows.

#include "Field.h"
#include "Recordset.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace db {

class RecordsetData;

class RecordsetBuilder {
public:
    explicit RecordsetBuilder(std::vector<FieldInfo> fields);
    ~RecordsetBuilder();
    RecordsetBuilder(const RecordsetBuilder&) = delete;
    RecordsetBuilder& operator=(const RecordsetBuilder&) = delete;

    // Each append converts to the field's type when the source type differs (a database may hand an
    // integer to a decimal field); a value that cannot be converted is a db::Error naming the field.
    void appendNull(int column);
    void appendBool(int column, bool v);
    void appendInt(int column, std::int64_t v);
    void appendDouble(int column, double v);
    void appendDecimal(int column, Mantissa mantissaAtFieldScale);
    void appendText(int column, std::string_view utf8);
    void appendDateTime(int column, DateTime v);
    void endRow();                                        // every column appended exactly once per row
    Recordset finish();                                   // the builder is spent afterwards

private:
    class RecordsetColumn& column(int index);

    std::shared_ptr<RecordsetData> data_;
};

} // namespace db
