#include "print/GroupCondition.h"

#include "db/QuotedLiterals.h"
#include "engine/PeriodKeys.h"
#include "report/formula/FormulaSet.h"

#include <exception>
#include <stdexcept>
#include <utility>

namespace quorvane::print {
namespace {

const std::pair<const char*, const char*> replacements[] = {
    {"FORNITORE=NULL", "(CI12_TIPOCF_CG44 <> 1 OR CI12_TIPOCF_CG44 IS NULL)"},
    {"CLIENTE=NULL", "(CI12_TIPOCF_CG44 <> 0 OR CI12_TIPOCF_CG44 IS NULL)"},
    {"FORNITORE=", "CI12_CLIFOR_CG44="},
    {"CLIENTE=", "CI12_CLIFOR_CG44="},
    {"NATURA=", "PC04_CODICE="},
};

constexpr const char* termSeparator = " AND ";

// DATAREGMESE and its kin hold the period of the registration or the document date: the report reads the
// date itself, so the key is computed from it as the extraction computed it.
void periodKeysToExpressions(std::string& condition)
{
    for (const auto& [prefix, dateColumn] : {std::pair{"DATAREG", "CI12_DATAREG"}, std::pair{"DATADOC", "CI12_DATADOC"}})
        for (const PeriodKey& key : periodKeys(dateColumn))
            condition =
                db::replaceOutsideLiterals(condition, std::string(prefix) + key.suffix, "(" + key.expression + ")");
}

// The filter's terms, split at " AND " outside its quoted values.
std::vector<std::string> terms(const std::string& filter)
{
    std::vector<std::string> found(1);
    bool inside = false;
    for (std::size_t i = 0; i < filter.size(); ++i) {
        if (!inside && filter.compare(i, std::char_traits<char>::length(termSeparator), termSeparator) == 0) {
            found.emplace_back();
            i += std::char_traits<char>::length(termSeparator) - 1;
            continue;
        }
        if (filter[i] == '\'')
            inside = !inside;
        found.back() += filter[i];
    }
    return found;
}

// The last "=" outside quoted values: the one between a term's column (or a period's expression, which may
// hold "<=") and its value.
std::size_t valueSign(const std::string& term)
{
    std::size_t sign = std::string::npos;
    bool inside = false;
    for (std::size_t i = 0; i < term.size(); ++i) {
        if (term[i] == '\'')
            inside = !inside;
        else if (!inside && term[i] == '=')
            sign = i;
    }
    return sign;
}

bool isNoValue(std::string_view value)
{
    return report::formula::upperCase(value) == "NULL";
}

// The column a term compares, qualified where the base tables need it.
std::string baseColumn(const std::string& column, const AttributeNames& attributes)
{
    if (column == "CI12_SEDE_CG31")
        return "CI13_MOVCORPO.CI13_SEDE_CG31";
    for (const auto& [names, alias] :
         {std::pair{&attributes.header, "CO5L_CI12."}, std::pair{&attributes.line, "CO5L_CI13."}})
        for (const std::string& name : *names)
            if (column == name)
                return alias + name;
    return column;
}

// "COLUMN=NULL" selects the missing values and the empty texts alike (LEN ignores trailing blanks and
// gives a number's digits, so a zero is not taken for an empty text).
std::string baseTerm(const std::string& term, const AttributeNames& attributes)
{
    const std::size_t sign = valueSign(term);
    if (sign == std::string::npos)
        return term;
    const std::string column = baseColumn(term.substr(0, sign), attributes);
    if (isNoValue(term.substr(sign + 1)))
        return "(" + column + " IS NULL OR LEN(" + column + ") = 0)";
    return column + term.substr(sign);
}

std::string baseTerms(const std::string& filter, const AttributeNames& attributes)
{
    std::string condition;
    for (const std::string& term : terms(filter))
        condition += (condition.empty() ? "" : termSeparator) + baseTerm(term, attributes);
    return condition;
}

} // namespace

// The words are replaced outside the filter's quoted values only: a group's stored value that spells one of
// them ("CLIENTE=1", "X=NULL", "DATAREGMESE") is the group's value still.
std::string groupCondition(const std::string& movementFilter, const AttributeNames& attributes)
{
    std::string condition = movementFilter;
    try {
        for (const auto& [from, to] : replacements)
            condition = db::replaceOutsideLiterals(condition, from, to);
        periodKeysToExpressions(condition);
        condition = baseTerms(condition, attributes);
    } catch (const std::exception&) {
        // The conversion's errors are ignored: the text as far as it got is the condition.
    }
    return condition;
}

std::string currentGroupCondition(const std::string& extractionCondition, const std::string& nodeTag,
                                  const AttributeNames& attributes)
{
    const std::string filter = nodeTag.substr(0, db::findOutsideLiterals(nodeTag, '|'));
    if (filter.find('\0') != std::string::npos)
        throw std::invalid_argument("the group's value holds a NUL character, which a statement cannot carry: print "
                                    "the whole ledger or a group above this one");
    const std::string condition = groupCondition(filter, attributes);
    return condition.empty() ? extractionCondition : extractionCondition + " And " + condition;
}

} // namespace quorvane::print
