// A T-SQL data type as the checker reasons about it: category, declared base name, size, precision, scale.
#pragma once

#include "tsql/Dialect.h"

#include <string>
#include <string_view>

namespace tsql {

struct TypeName;

struct SqlType {
    using Category = ColumnType::Category;

    Category category = Category::Unknown;
    std::string base;  // declared base name in upper case (INT, DECIMAL, NVARCHAR, DATETIME, ...); empty for NULL
    int size = 0;      // characters of a text type, 0 = MAX or unknown
    int precision = 0;
    int scale = 0;

    static SqlType null();                        // the type of a bare NULL: adopts the other side's type
    static SqlType boolean();                     // a predicate (only in conditions)
    static SqlType integer(std::string base = "INT");
    static SqlType decimal(int precision, int scale);
    static SqlType money();
    static SqlType floating();
    static SqlType text(std::string base, int size);
    static SqlType dateTime(std::string base = "DATETIME");
    static SqlType bit();

    // Parses a declared type text as the database gives it back ("DECIMAL(18,2)", "nvarchar(50)", "DATETIME").
    // An unknown or empty text gives Category::Unknown.
    static SqlType fromDeclared(std::string_view declared);
    // The type a CAST, CONVERT, column or parameter definition names; throws tsql::Error for an unknown name.
    // defaultTextSize is the size of a text type written without one (30 in CAST, 1 in a definition).
    static SqlType fromTypeName(const TypeName& name, int defaultTextSize);

    bool isNull() const { return base.empty() && category == Category::Unknown; }
    bool isText() const { return category == Category::Text; }
    bool isDate() const { return category == Category::DateTime; }
    bool isExactNumber() const;  // Bit, Integer or Decimal
    bool isNumber() const;       // exact or Float
    bool isMoney() const;        // MONEY or SMALLMONEY: a decimal of 4 decimals that shows 2 as text
    bool isUnicode() const;      // NVARCHAR, NCHAR, NTEXT

    // The declared type text that a temporary table or view column gets, e.g. "DECIMAL(18,2)", "NVARCHAR(MAX)".
    std::string declared() const;
    // SQL Server's data type precedence: in a mixed expression the lower side converts to the higher.
    int precedence() const;
    // Precision and scale of an exact number seen as a decimal (INT is DECIMAL(10,0)).
    int decimalPrecision() const;
    int decimalScale() const;

    ColumnType toColumn(std::string name) const;
};

// Result type of `a op b` for the arithmetic operators + - * / %, by SQL Server's rules for exact numbers.
SqlType arithmeticResult(char op, const SqlType& a, const SqlType& b);
// The type two branches of a CASE (or the arguments of COALESCE) share: the higher precedence, widened.
SqlType commonType(const SqlType& a, const SqlType& b);

}  // namespace tsql
