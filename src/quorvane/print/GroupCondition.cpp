#include "print/GroupCondition.h"

#include "engine/PeriodKeys.h"

#include <QString>

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
void periodKeysToExpressions(QString& condition)
{
    for (const auto& [prefix, dateColumn] : {std::pair{"DATAREG", "CI12_DATAREG"}, std::pair{"DATADOC", "CI12_DATADOC"}})
        for (const PeriodKey& key : periodKeys(dateColumn))
            condition.replace(QString::fromLatin1(prefix) + QLatin1String(key.suffix),
                              QLatin1Char('(') + QString::fromStdString(key.expression) + QLatin1Char(')'),
                              Qt::CaseInsensitive);
}

} // namespace

std::string groupCondition(const std::string& movementFilter)
{
    QString condition = QString::fromStdString(movementFilter);
    try {
        for (const auto& [from, to] : replacements)
            condition.replace(QLatin1String(from), QLatin1String(to), Qt::CaseInsensitive);
        periodKeysToExpressions(condition);
    } catch (const std::exception&) {
        // The conversion's errors are ignored: the text as far as it got is the condition.
    }
    return condition.toStdString();
}

std::string currentGroupCondition(const std::string& extractionCondition, const std::string& nodeTag)
{
    const std::string condition = groupCondition(nodeTag.substr(0, nodeTag.find('|')));
    return condition.empty() ? extractionCondition : extractionCondition + " And " + condition;
}

} // namespace quorvane::print
