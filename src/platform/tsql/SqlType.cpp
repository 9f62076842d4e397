#include "tsql/SqlType.h"

#include "tsql/Ast.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace tsql {

namespace {

constexpr int maxPrecision = 38;

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

struct BaseInfo {
    ColumnType::Category category;
    int precision;  // exact numbers and the money types; 0 elsewhere
    int scale;
};

const std::map<std::string, BaseInfo>& baseTypes()
{
    using C = ColumnType::Category;
    static const std::map<std::string, BaseInfo> table{
        {"BIT", {C::Bit, 1, 0}},          {"TINYINT", {C::Integer, 3, 0}},   {"SMALLINT", {C::Integer, 5, 0}},
        {"INT", {C::Integer, 10, 0}},      {"INTEGER", {C::Integer, 10, 0}},  {"BIGINT", {C::Integer, 19, 0}},
        {"DECIMAL", {C::Decimal, 18, 0}},  {"NUMERIC", {C::Decimal, 18, 0}},  {"MONEY", {C::Decimal, 19, 4}},
        {"SMALLMONEY", {C::Decimal, 10, 4}}, {"FLOAT", {C::Float, 0, 0}},     {"REAL", {C::Float, 0, 0}},
        {"CHAR", {C::Text, 0, 0}},         {"VARCHAR", {C::Text, 0, 0}},      {"NCHAR", {C::Text, 0, 0}},
        {"NVARCHAR", {C::Text, 0, 0}},     {"TEXT", {C::Text, 0, 0}},         {"NTEXT", {C::Text, 0, 0}},
        {"UNIQUEIDENTIFIER", {C::Text, 0, 0}}, {"DATETIME", {C::DateTime, 0, 0}},
        {"SMALLDATETIME", {C::DateTime, 0, 0}}, {"DATETIME2", {C::DateTime, 0, 0}}, {"DATE", {C::DateTime, 0, 0}},
    };
    return table;
}

// A type from its base name and the numbers written after it (-1 = MAX, absent = 0 arguments).
std::optional<SqlType> fromParts(const std::string& base, int argumentCount, int first, int second,
                                 int defaultTextSize)
{
    auto it = baseTypes().find(base);
    if (it == baseTypes().end())
        return std::nullopt;
    SqlType type;
    type.category = it->second.category;
    type.base = base == "INTEGER" ? "INT" : base;
    if (type.category == ColumnType::Category::Decimal) {
        type.precision = argumentCount > 0 ? std::clamp(first, 1, maxPrecision) : it->second.precision;
        type.scale = argumentCount > 1 ? std::clamp(second, 0, type.precision) : it->second.scale;
        if (base == "NUMERIC")
            type.base = "DECIMAL";
        if (type.isMoney()) {  // money has fixed digits whatever is written after it
            type.precision = it->second.precision;
            type.scale = it->second.scale;
        }
    } else if (type.category == ColumnType::Category::Text) {
        if (base == "UNIQUEIDENTIFIER")
            type.size = 36;
        else if (base != "TEXT" && base != "NTEXT")
            type.size = argumentCount > 0 ? std::max(first, 0) : defaultTextSize;
    }
    return type;
}

}  // namespace

SqlType SqlType::null() { return SqlType{}; }

SqlType SqlType::boolean()
{
    SqlType type = bit();
    type.base = "BOOLEAN";
    return type;
}

SqlType SqlType::integer(std::string base)
{
    SqlType type;
    type.category = Category::Integer;
    type.base = std::move(base);
    return type;
}

SqlType SqlType::decimal(int precision, int scale)
{
    SqlType type;
    type.category = Category::Decimal;
    type.base = "DECIMAL";
    type.precision = std::clamp(precision, 1, maxPrecision);
    type.scale = std::clamp(scale, 0, type.precision);
    return type;
}

SqlType SqlType::floating()
{
    SqlType type;
    type.category = Category::Float;
    type.base = "FLOAT";
    return type;
}

SqlType SqlType::text(std::string base, int size)
{
    SqlType type;
    type.category = Category::Text;
    type.base = std::move(base);
    type.size = size;
    return type;
}

SqlType SqlType::dateTime(std::string base)
{
    SqlType type;
    type.category = Category::DateTime;
    type.base = std::move(base);
    return type;
}

SqlType SqlType::bit()
{
    SqlType type;
    type.category = Category::Bit;
    type.base = "BIT";
    return type;
}

SqlType SqlType::fromDeclared(std::string_view declared)
{
    std::string text = upper(declared);
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return std::isspace(static_cast<unsigned char>(c)); }),
               text.end());
    size_t open = text.find('(');
    std::string base = text.substr(0, open);
    int numbers[2] = {0, 0};
    int count = 0;
    if (open != std::string::npos) {
        std::string inside = text.substr(open + 1, text.find(')', open) - open - 1);
        size_t comma = inside.find(',');
        for (std::string part : {inside.substr(0, comma), comma == std::string::npos ? std::string() : inside.substr(comma + 1)}) {
            if (part.empty() || count == 2)
                continue;
            numbers[count++] = part == "MAX" ? 0 : std::atoi(part.c_str());
        }
    }
    SqlType unknown;
    unknown.base = "UNKNOWN";
    return fromParts(base, count, numbers[0], numbers[1], 1).value_or(unknown);
}

SqlType SqlType::fromTypeName(const TypeName& name, int defaultTextSize)
{
    auto type = fromParts(upper(name.name), name.argumentCount, name.first, name.second, defaultTextSize);
    if (!type)
        throw Error("unknown data type '" + name.name + "'", name.pos.line, name.pos.column);
    return *type;
}

bool SqlType::isExactNumber() const
{
    return category == Category::Bit || category == Category::Integer || category == Category::Decimal;
}

bool SqlType::isNumber() const { return isExactNumber() || category == Category::Float; }

bool SqlType::isMoney() const { return base == "MONEY" || base == "SMALLMONEY"; }

bool SqlType::isUnicode() const { return isText() && base[0] == 'N'; }

SqlType SqlType::money()
{
    SqlType type = decimal(19, 4);
    type.base = "MONEY";
    return type;
}

std::string SqlType::declared() const
{
    switch (category) {
    case Category::Decimal:
        if (isMoney())
            return base;
        return "DECIMAL(" + std::to_string(precision) + "," + std::to_string(scale) + ")";
    case Category::Text:
        if (base == "UNIQUEIDENTIFIER" || base == "TEXT" || base == "NTEXT")
            return base;
        return base + "(" + (size > 0 ? std::to_string(size) : std::string("MAX")) + ")";
    case Category::Unknown:
        return "INT";  // SQL Server types a column of bare NULLs as INT
    case Category::Bit:
        return "BIT";
    default:
        return base;
    }
}

int SqlType::precedence() const
{
    static const std::map<std::string, int> order{
        {"DATETIME2", 30}, {"DATETIME", 29}, {"SMALLDATETIME", 28}, {"DATE", 27}, {"FLOAT", 26},
        {"REAL", 25}, {"DECIMAL", 24}, {"MONEY", 23}, {"SMALLMONEY", 22}, {"BIGINT", 21}, {"INT", 20},
        {"SMALLINT", 19}, {"TINYINT", 18}, {"BIT", 17}, {"BOOLEAN", 17}, {"NTEXT", 16}, {"TEXT", 15},
        {"UNIQUEIDENTIFIER", 14}, {"NVARCHAR", 13}, {"NCHAR", 12}, {"VARCHAR", 11}, {"CHAR", 10},
    };
    auto it = order.find(base);
    return it == order.end() ? 0 : it->second;
}

int SqlType::decimalPrecision() const
{
    if (category == Category::Decimal)
        return precision;
    auto it = baseTypes().find(base);
    return it != baseTypes().end() && it->second.precision > 0 ? it->second.precision : 10;
}

int SqlType::decimalScale() const { return category == Category::Decimal ? scale : 0; }

ColumnType SqlType::toColumn(std::string name) const
{
    ColumnType column;
    column.name = std::move(name);
    column.category = category;
    column.size = category == Category::Text ? size : 0;
    column.precision = category == Category::Decimal ? precision : 0;
    column.scale = category == Category::Decimal ? scale : 0;
    return column;
}

namespace {

// The type of a decimal result whose precision passes 38, as SQL Server reduces it: the precision becomes
// 38 and the scale gives way to the `integralDigits` the value needs, but a quotient or a product keeps
// at least 6 decimals (or all it had, when fewer).
SqlType cappedDecimal(int precision, int scale, int integralDigits, bool keepsSixDecimals)
{
    if (precision <= maxPrecision)
        return SqlType::decimal(precision, scale);
    int room = maxPrecision - integralDigits;
    int reduced = keepsSixDecimals ? std::min(scale, std::max(room, 6)) : std::min(scale, std::max(room, 0));
    return SqlType::decimal(maxPrecision, reduced);
}

// SQL Server's precision and scale of a decimal result (money counting as DECIMAL(19,4)).
SqlType decimalResult(char op, const SqlType& a, const SqlType& b)
{
    int p1 = a.decimalPrecision(), s1 = a.decimalScale(), p2 = b.decimalPrecision(), s2 = b.decimalScale();
    switch (op) {
    case '+':
    case '-': {
        int scale = std::max(s1, s2), integral = std::max(p1 - s1, p2 - s2);
        return cappedDecimal(scale + integral + 1, scale, integral, false);
    }
    case '*':
        return cappedDecimal(p1 + p2 + 1, s1 + s2, p1 + p2 + 1 - s1 - s2, true);
    case '/': {
        int scale = std::max(6, s1 + p2 + 1);
        return cappedDecimal(p1 - s1 + s2 + scale, scale, p1 - s1 + s2, true);
    }
    default:  // %
        return SqlType::decimal(std::min(p1 - s1, p2 - s2) + std::max(s1, s2), std::max(s1, s2));
    }
}

// Money with money, or money with an integer, stays money.
bool staysMoney(const SqlType& a, const SqlType& b)
{
    auto moneyOrInteger = [](const SqlType& t) {
        return t.isMoney() || t.category == SqlType::Category::Integer || t.category == SqlType::Category::Bit;
    };
    return (a.isMoney() || b.isMoney()) && moneyOrInteger(a) && moneyOrInteger(b);
}

}  // namespace

SqlType arithmeticResult(char op, const SqlType& a, const SqlType& b)
{
    if (a.isNull())
        return b.isNull() ? SqlType::integer() : b;
    if (b.isNull())
        return a;
    const SqlType& higher = a.precedence() >= b.precedence() ? a : b;
    if (higher.category == SqlType::Category::Float || higher.isDate())
        return higher;
    if (staysMoney(a, b))
        return SqlType::money();
    if (a.category == SqlType::Category::Decimal || b.category == SqlType::Category::Decimal)
        return decimalResult(op, a, b);
    if (higher.isExactNumber())
        return higher.category == SqlType::Category::Bit ? SqlType::integer() : higher;
    return higher.isText() ? SqlType::integer() : higher;
}

SqlType commonType(const SqlType& a, const SqlType& b)
{
    if (a.isNull())
        return b;
    if (b.isNull())
        return a;
    if (a.isText() && b.isText()) {
        SqlType result = a.precedence() >= b.precedence() ? a : b;
        result.size = a.size == 0 || b.size == 0 ? 0 : std::max(a.size, b.size);
        return result;
    }
    if (a.category == SqlType::Category::Decimal || b.category == SqlType::Category::Decimal) {
        const SqlType& higher = a.precedence() >= b.precedence() ? a : b;
        if (higher.category != SqlType::Category::Decimal)
            return higher;
        if (staysMoney(a, b))
            return SqlType::money();
        int scale = std::max(a.decimalScale(), b.decimalScale());
        int integral = std::max(a.decimalPrecision() - a.decimalScale(), b.decimalPrecision() - b.decimalScale());
        return cappedDecimal(integral + scale, scale, integral, false);
    }
    return a.precedence() >= b.precedence() ? a : b;
}

}  // namespace tsql
