#pragma once
// The stored values of one field. Every type keeps one packed integer per row: the Bit or Integer value,
// the Decimal's mantissa at the field's scale (16 bytes wide only in a column that holds one beyond
// 64 bits), the bit pattern of a Float, the dictionary code of a Text,
// the day number of a DateTime (its time of day in a second packed vector, empty for plain dates).
// NULL rows hold 0 and a bit in the null mask.

#include "Field.h"
#include "RecordsetDictionary.h"
#include "RecordsetNullMask.h"
#include "RecordsetPackedInts.h"
#include "Value.h"

#include <cstdint>
#include <string_view>

namespace db {

class RecordsetColumn {
public:
    explicit RecordsetColumn(FieldInfo field) : field_(std::move(field)) {}

    const FieldInfo& field() const { return field_; }
    std::size_t size() const { return values_.size(); }

    // Appends in the field's own representation; the caller has checked the type.
    void appendNull();
    void appendInteger(Mantissa v);              // Bit, Integer, Decimal mantissa at the field's scale
    void appendDouble(double v);
    void appendText(std::string_view utf8);
    void appendDateTime(DateTime v);
    // Appends or replaces any value, converted to the field's type first.
    void append(const Value& v);
    void set(std::size_t row, const Value& v);
    // Appends every row of a column of the same field, each value raised by `offset` (0 but for a
    // numbering); texts are interned once per distinct text, not once per row.
    void appendColumn(const RecordsetColumn& part, std::int64_t offset);

    bool isNull(std::size_t row) const { return nulls_.isNull(row); }
    bool hasNulls() const { return nulls_.any(); }
    Value value(std::size_t row) const;

    // Raw readers for comparisons.
    std::int64_t integer(std::size_t row) const { return values_[row]; }   // a column that is not wide
    Mantissa mantissa(std::size_t row) const { return values_.wide(row); }
    bool isWide() const { return values_.isWide(); }
    double floating(std::size_t row) const;
    std::uint32_t code(std::size_t row) const { return static_cast<std::uint32_t>(values_[row]); }
    std::int64_t msecs(std::size_t row) const;
    const RecordsetDictionary& dictionary() const { return dictionary_; }

    void finishLoading();
    std::size_t bytesUsed() const;

private:
    Mantissa encode(const Value& converted);

    FieldInfo field_;
    RecordsetPackedInts values_;
    RecordsetPackedInts timeOfDay_;              // DateTime only
    RecordsetNullMask nulls_;
    RecordsetDictionary dictionary_;             // Text only
};

} // namespace db
