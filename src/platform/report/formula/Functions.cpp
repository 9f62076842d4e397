#include "report/formula/Functions.h"

#include "report/formula/Lexer.h"
#include "report/formula/TextFormat.h"

#include <QString>

#include <algorithm>
#include <array>

namespace report::formula {

namespace {

using enum ValueType;

constexpr std::array<FunctionInfo, 24> functions{{
    {"IsNull", Function::IsNull, 1, 1, "A", Boolean},
    {"ToText", Function::ToText, 1, 4, "AATT", Text},
    {"Mid", Function::Mid, 2, 3, "TNN", Text},
    {"Left", Function::Left, 2, 2, "TN", Text},
    {"Right", Function::Right, 2, 2, "TN", Text},
    {"InStr", Function::InStr, 2, 2, "TT", Number},
    {"Trim", Function::Trim, 1, 1, "T", Text},
    {"Length", Function::Length, 1, 1, "T", Number},
    {"UpperCase", Function::UpperCase, 1, 1, "T", Text},
    {"LowerCase", Function::LowerCase, 1, 1, "T", Text},
    {"Date", Function::Date, 1, 3, "ANN", ValueType::Date},
    {"Year", Function::Year, 1, 1, "D", Number},
    {"Month", Function::Month, 1, 1, "D", Number},
    {"Day", Function::Day, 1, 1, "D", Number},
    {"DatePart", Function::DatePart, 2, 3, "TDN", Number},
    {"DateAdd", Function::DateAdd, 3, 3, "TND", ValueType::Date},
    {"DateDiff", Function::DateDiff, 3, 4, "TDDN", Number},
    {"MonthName", Function::MonthName, 1, 2, "NB", Text},
    {"Round", Function::Round, 1, 2, "NN", Number},
    {"Abs", Function::Abs, 1, 1, "N", Number},
    {"previous", Function::Previous, 1, 1, "R", Unknown},
    {"PreviousIsNull", Function::PreviousIsNull, 1, 1, "R", Boolean},
    {"next", Function::Next, 1, 1, "R", Unknown},
    {"NextIsNull", Function::NextIsNull, 1, 1, "R", Boolean},
}};

int wholeNumber(const Value& v) { return static_cast<int>(v.number().truncated()); }

std::string_view optionalText(const std::vector<Value>& args, std::size_t i, std::string_view fallback)
{
    return args.size() > i ? std::string_view(args[i].text()) : fallback;
}

// ToText(number [, decimals [, thousands [, decimal point]]]), ToText(date), ToText(Boolean), ToText(text).
std::string toText(const std::vector<Value>& args)
{
    const Value& value = args[0];
    if (value.type() != Number)
        return displayText(value);
    const int decimals = args.size() > 1 ? wholeNumber(args[1]) : 2;
    if (decimals < 0 || decimals > 20)
        throw FunctionError("ToText takes 0 to 20 decimals, not " + std::to_string(decimals));
    return formatNumber(value.number(), decimals, optionalText(args, 2, "."), optionalText(args, 3, ","));
}

std::string mid(const std::vector<Value>& args)
{
    const std::string& text = args[0].text();
    const int start = wholeNumber(args[1]);
    if (start < 1)
        throw FunctionError("Mid starts at character 1 or later, not " + std::to_string(start));
    const std::size_t length = characterCount(text);
    const std::size_t count = args.size() > 2 ? static_cast<std::size_t>(std::max(wholeNumber(args[2]), 0)) : length;
    return characterSlice(text, static_cast<std::size_t>(start - 1), count);
}

std::string side(const std::vector<Value>& args, bool left)
{
    const std::string& text = args[0].text();
    const int n = wholeNumber(args[1]);
    if (n < 0)
        throw FunctionError(std::string(left ? "Left" : "Right") + " takes a count from 0 up");
    const std::size_t length = characterCount(text), count = std::min(static_cast<std::size_t>(n), length);
    return characterSlice(text, left ? 0 : length - count, count);
}

// The character position (from 1) where `find` first occurs in `text`; 0 when it does not.
std::int64_t position(const std::string& text, const std::string& find)
{
    const std::size_t at = text.find(find);
    return at == std::string::npos ? 0 : static_cast<std::int64_t>(characterCount(std::string_view(text).substr(0, at))) + 1;
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string recased(const std::string& text, bool upper)
{
    const QString q = QString::fromStdString(text);
    return (upper ? q.toUpper() : q.toLower()).toStdString();
}

Value rounded(const std::vector<Value>& args)
{
    const int decimals = args.size() > 1 ? wholeNumber(args[1]) : 0;
    return Value(args[0].number().rounded(decimals));
}

} // namespace

const FunctionInfo* findFunction(std::string_view name)
{
    for (const FunctionInfo& f : functions)
        if (sameWord(f.name, name))
            return &f;
    return nullptr;
}

bool readsAnotherRecord(Function function)
{
    return function == Function::Previous || function == Function::PreviousIsNull || function == Function::Next
           || function == Function::NextIsNull;
}

Value callFunction(Function function, const std::vector<Value>& args)
{
    if (function == Function::IsNull)
        return Value(args[0].isNull());
    for (const Value& arg : args)
        if (arg.isNull())
            return {};
    switch (function) {
    case Function::ToText: return Value(toText(args));
    case Function::Mid: return Value(mid(args));
    case Function::Left: return Value(side(args, true));
    case Function::Right: return Value(side(args, false));
    case Function::InStr: return Value(position(args[0].text(), args[1].text()));
    case Function::Trim: return Value(trimmed(args[0].text()));
    case Function::Length: return Value(static_cast<std::int64_t>(characterCount(args[0].text())));
    case Function::UpperCase: return Value(recased(args[0].text(), true));
    case Function::LowerCase: return Value(recased(args[0].text(), false));
    case Function::Round: return rounded(args);
    case Function::Abs: return Value(args[0].number().absolute());
    default: return callDateFunction(function, args);
    }
}

} // namespace report::formula
