#include "print/GroupCondition.h"

#include "db/QuotedLiterals.h"
#include "engine/PeriodKeys.h"

#include <exception>
#include <utility>

namespace quorvane::print {
namespace {

const std::pair<const char*, const char*> replacements[] = {
    {"FORNITORE=NULL", "(CI12_TIPOCF_CG44 <> 1 OR CI12_TIPOCF_CG44 IS NULL)"},
    {"CLIENTE=NULL", "(CI12_TIPOCF_CG44 <> 0 OR CI12_TIPOCF_CG44 IS NULL)"},
    {"FORNITORE=", "CI12_CLIFOR_CG44="},
    {"CLIENTE=", "CI12_CLIFOR_CG44="},
    {"NATURA=", "PC04_CODICE="},
    {"=NULL", " IS NULL "},
};

// DATAREGMESE and its kin hold the period of the registration or the document date: the report reads the
// date itself, so the key is computed from it as the extraction computed it.
void periodKeysToExpressions(std::string& condition)
{
    for (const auto& [prefix, dateColumn] : {std::pair{"DATAREG", "CI12_DATAREG"}, std::pair{"DATADOC", "CI12_DATADOC"}})
        for (const PeriodKey& key : periodKeys(dateColumn))
            condition =
                db::replaceOutsideLiterals(condition, std::string(prefix) + key.suffix, "(" + key.expression + ")");
}

} // namespace

// The words are replaced outside the filter's quoted values only: a group's stored value that spells one of
// them ("CLIENTE=1", "X=NULL", "DATAREGMESE") is the group's value still.
std::string groupCondition(const std::string& movementFilter)
{
    std::string condition = movementFilter;
    try {
        for (const auto& [from, to] : replacements)
            condition = db::replaceOutsideLiterals(condition, from, to);
        periodKeysToExpressions(condition);
    } catch (const std::exception&) {
        // The conversion's errors are ignored: the text as far as it got is the condition.
    }
    return condition;
}

std::string currentGroupCondition(const std::string& extractionCondition, const std::string& nodeTag)
{
    const std::string condition = groupCondition(nodeTag.substr(0, db::findOutsideLiterals(nodeTag, '|')));
    return condition.empty() ? extractionCondition : extractionCondition + " And " + condition;
}

} // namespace quorvane::print
