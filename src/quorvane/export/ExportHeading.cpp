#include "export/ExportHeading.h"

#include "engine/SummaryCriteria.h"
#include "hostfw/Phrases.h"

namespace quorvane::exporting {
namespace {

// The summary's captions end with the blank that separates them from the next field in the panel.
std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

ExportHeading exportHeading(const company::CompanySettings& company, const ControlCaptions& summary)
{
    ExportHeading heading;
    heading.title = hostfw::userText(ledgerTitle).toStdString();
    heading.company = hostfw::userText("Ditta").toStdString() + " " + std::to_string(company.company) + " - "
                      + trimmed(company.name);
    for (const SummaryCriterion& criterion : summaryCriteria) {
        const auto caption = summary.find(criterion.field);
        heading.criteria.push_back(hostfw::userText(criterion.caption).toStdString() + " "
                                   + (caption == summary.end() ? std::string() : trimmed(caption->second)));
    }
    return heading;
}

} // namespace quorvane::exporting
