#include "tsql/StoredDecimal.h"

#include <sqlite3.h>

#include <cstdint>
#include <string_view>

namespace tsql {

std::optional<Decimal> readDecimal(sqlite3_value* value, int scale)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return std::nullopt;
    case SQLITE_INTEGER:
        return rescale({sqlite3_value_int64(value), 0}, scale);
    case SQLITE_FLOAT:
        if (auto decimal = fromDouble(sqlite3_value_double(value), scale))
            return decimal;
        throwOverflow("float");
    default: {
        const char* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        auto decimal = parseDecimal(std::string_view(text ? text : "", sqlite3_value_bytes(value)));
        if (!decimal)
            throw ValueError("Error converting data type nvarchar to numeric.");
        return rescale(*decimal, scale);
    }
    }
}

StoredForm storedForm(const Decimal& value)
{
    Int128 unit = powerOfTen(value.scale);
    Int128 whole = value.units / unit;
    if (value.units % unit == 0 && whole >= INT64_MIN && whole <= INT64_MAX)
        return StoredForm::Integer;
    if (value.units > -(Int128(1) << 52) && value.units < (Int128(1) << 52))
        return StoredForm::Real;
    return StoredForm::Text;
}

void resultDecimal(sqlite3_context* context, const Decimal& value)
{
    switch (storedForm(value)) {
    case StoredForm::Integer:
        sqlite3_result_int64(context, static_cast<std::int64_t>(value.units / powerOfTen(value.scale)));
        return;
    case StoredForm::Real:
        sqlite3_result_double(context, toDouble(value));
        return;
    case StoredForm::Text: {
        std::string text = formatDecimal(value);
        sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return;
    }
    }
}

}  // namespace tsql
