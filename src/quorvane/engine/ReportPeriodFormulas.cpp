#include "engine/ReportPeriodFormulas.h"

#include <initializer_list>
#include <vector>

namespace quorvane {
namespace {

constexpr const char* crlf = "\r\n";
constexpr const char* bodyIndent = "             ";

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : crlf) + line;
    return text;
}

std::string datePart(const char* interval, const std::string& f)
{
    return "DatePart(\"" + std::string(interval) + "\", " + f + ")";
}

// "If pnumMese <= 3 Then v := 1", "Else If pnumMese <= 6 Then v := 2", …, "Else v := n;": the number of
// the period of `monthsPerPeriod` months that pnumMese falls in.
std::vector<std::string> periodOfMonth(const std::string& variable, int monthsPerPeriod)
{
    std::vector<std::string> lines;
    const int periods = 12 / monthsPerPeriod;
    for (int p = 1; p < periods; ++p)
        lines.push_back(std::string(p == 1 ? "" : "Else ") + "If pnumMese <= " + std::to_string(p * monthsPerPeriod)
                        + " Then " + variable + " := " + std::to_string(p));
    lines.push_back("Else " + variable + " := " + std::to_string(periods) + ";");
    return lines;
}

struct PeriodNumber {
    std::vector<std::string> declarations;   // without their indent
    std::vector<std::string> expression;
};

PeriodNumber monthPeriodNumber(const std::string& f, const std::string& variable, int monthsPerPeriod)
{
    PeriodNumber number{{"NumberVar pnumMese := 1;", "NumberVar " + variable + " := 1;"},
                        {"pnumMese := " + datePart("m", f) + ";"}};
    for (const std::string& line : periodOfMonth(variable, monthsPerPeriod))
        number.expression.push_back(line);
    number.expression.push_back(datePart("yyyy", f) + " * 10 + " + variable);
    return number;
}

PeriodNumber periodNumber(const std::string& f, int code)
{
    const std::string year = datePart("yyyy", f), month = datePart("m", f);
    switch (code) {
    case 1: return {{}, {year + " * 10000 + " + month + " * 100 + " + datePart("d", f)}};
    case 2: return {{}, {year + " * 100 + " + datePart("ww", f)}};
    case 3: return {{}, {year + " * 100 + " + month}};
    case 4: return monthPeriodNumber(f, "pnumTrimestre", 3);
    case 5: return monthPeriodNumber(f, "pnumQuadrimestre", 4);
    case 6: return monthPeriodNumber(f, "pnumSemestre", 6);
    case 7: return {{}, {year}};
    case 9:
        return {{"NumberVar pnumGiorno := 1;"},
                {"pnumGiorno := " + datePart("d", f) + ";",
                 "If pnumGiorno <= 15 Then " + year + " * 1000 + " + month + " * 10 + 1",
                 "Else " + year + " * 1000 + " + month + " * 10 + 2"}};
    default: return {};
    }
}

// The two branches of an If on the date's presence, each between parenthesis lines.
std::vector<std::string> branches(const std::string& condition, const std::vector<std::string>& then,
                                  const std::vector<std::string>& otherwise)
{
    std::vector<std::string> lines{"     If " + condition + " Then", "         ("};
    for (const std::string& line : then)
        lines.push_back(bodyIndent + line);
    lines.insert(lines.end(), {"          )", "     Else", "         ("});
    for (const std::string& line : otherwise)
        lines.push_back(bodyIndent + line);
    lines.push_back("          )");
    return lines;
}

// Select over a month or a day: `Case range: "name" + tail` for each range.
std::string selectCases(const std::string& over, std::initializer_list<const char*> ranges,
                        std::initializer_list<const char*> names, const std::string& tail)
{
    std::string text = "Select " + over;
    for (std::size_t i = 0; i < ranges.size(); ++i)
        text += std::string(" Case ") + std::data(ranges)[i] + ": \"" + std::data(names)[i] + "\"" + tail;
    return text;
}

std::string fortnightCaption(const std::string& f, const char* first, const char* second, const std::string& rest)
{
    return "StringVar Quindicina := \"\"; Select day(" + f + ") Case 1 To 15: Quindicina := \"" + first
           + "\" Case Is > 15: Quindicina := \"" + second + "\"; Quindicina + " + rest;
}

// The caption expression E of a code and style; empty when none belongs to them.
std::string captionExpression(const std::string& f, int code, bool longStyle)
{
    const std::string yt = "ToText(Year(" + f + "),0,\"\",\"\")";
    const std::string month = "month(" + f + ")", monthName = "MonthName(month(" + f + "))";
    const std::string week = "ToText(DatePart(\"ww\", " + f + ", 0),0,\"\",\"\")";
    const std::string plusYear = " + " + yt;
    switch (code) {
    case 1: return longStyle ? "ToText(day(" + f + "),0) + \" \" + " + monthName + " + \" \"" + plusYear : f;
    case 2: return longStyle ? week + " + \"^ settimana/\"" + plusYear : "\"sett. \" + " + week + " + \"/\"" + plusYear;
    case 3: return longStyle ? monthName + " + \" \"" + plusYear : "Left(" + monthName + ",3) + \". \"" + plusYear;
    case 4:
        return selectCases(month, {"1 To 3", "4 To 6", "7 To 9", "10 To 12"},
                           longStyle ? std::initializer_list<const char*>{"I trimestre ", "II trimestre ",
                                                                          "III trimestre ", "IV trimestre "}
                                     : std::initializer_list<const char*>{"trim. 1/", "trim. 2/", "trim. 3/", "trim. 4/"},
                           plusYear);
    case 5:
        return selectCases(month, {"1 To 4", "5 To 8", "9 To 12"},
                           longStyle ? std::initializer_list<const char*>{"I quadrimestre ", "II quadrimestre ",
                                                                          "III quadrimestre "}
                                     : std::initializer_list<const char*>{"quadr. 1/", "quadr. 2/", "quadr. 3/"},
                           plusYear);
    case 6:
        return selectCases(month, {"1 To 6", "7 To 12"},
                           longStyle ? std::initializer_list<const char*>{"I semestre ", "II semestre "}
                                     : std::initializer_list<const char*>{"sem. 1/", "sem. 2/"},
                           plusYear);
    case 7: return longStyle ? "\"anno \"" + plusYear : yt;
    case 9:
        return longStyle ? fortnightCaption(f, "1^ quindicina ", "2^ quindicina ", monthName + " + \" \"" + plusYear)
                         : fortnightCaption(f, "1 quind. /", "2 quind. /", "Left(" + monthName + ",3)" + plusYear);
    default: return {};
    }
}

} // namespace

std::string RaggruppamentoPerData(std::string_view field, int periodCode)
{
    const std::string f(field);
    const PeriodNumber number = periodNumber(f, periodCode);
    if (number.expression.empty())
        return {};
    std::vector<std::string> lines;
    for (const std::string& declaration : number.declarations)
        lines.push_back("     " + declaration);
    lines.push_back(" (");
    for (const std::string& line : branches("IsNull(" + f + ")", {"-1"}, number.expression))
        lines.push_back(line);
    lines.push_back(" )");
    return joinedLines(lines);
}

std::string CaptionPerData(std::string_view field, int periodCode, int style)
{
    const std::string f(field);
    const std::string expression = style == 0 || style == 1 ? captionExpression(f, periodCode, style == 1) : "";
    if (expression.empty())
        return "\"\"";
    std::vector<std::string> lines{" ("};
    for (const std::string& line : branches("not IsNull(" + f + ")", {expression}, {"\"\""}))
        lines.push_back(line);
    lines.push_back("  )");
    return joinedLines(lines);
}

} // namespace quorvane
