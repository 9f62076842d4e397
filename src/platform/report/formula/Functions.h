#pragma once
// The functions of the formula language: their names (any case), how many arguments each takes, the
// type of their result, and what they compute. A null argument gives a null result, except for the
// functions that ask about nulls. previous, next and their IsNull forms read another record: the
// evaluator answers them, these tables only describe them.

#include "report/formula/Value.h"

#include <stdexcept>
#include <string_view>
#include <vector>

namespace report::formula {

enum class Function {
    IsNull, ToText, Mid, Left, Right, InStr, Trim, Length, UpperCase, LowerCase,
    Date, Year, Month, Day, DatePart, DateAdd, DateDiff, MonthName,
    Round, Abs,
    Previous, PreviousIsNull, Next, NextIsNull
};

struct FunctionInfo {
    const char* name;
    Function id;
    int minArguments;
    int maxArguments;
    // One letter per argument: N number, T text, D date, B Boolean, A any, R a field or formula reference.
    const char* arguments;
    ValueType result;   // Unknown: the type of the referenced field or formula
};

const FunctionInfo* findFunction(std::string_view name);
bool readsAnotherRecord(Function function);

// A function's own failure (a bad interval name, a month out of range); the evaluator adds the place.
class FunctionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every function but the four that read another record.
Value callFunction(Function function, const std::vector<Value>& arguments);

// The date functions, kept in their own file.
Value callDateFunction(Function function, const std::vector<Value>& arguments);

} // namespace report::formula
