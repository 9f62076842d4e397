#include "report/ReportDefinition.h"

namespace report {

void forEachSection(const ReportDefinition& def, const std::function<void(const Section&)>& visit)
{
    auto all = [&](const std::vector<Section>& sections) {
        for (const Section& s : sections)
            visit(s);
    };
    all(def.reportHeader);
    all(def.pageHeader);
    all(def.broughtForward);
    for (const auto& group : def.groups)
        if (group)
            all(group->headers);
    all(def.details);
    for (auto it = def.groups.rbegin(); it != def.groups.rend(); ++it)
        if (*it)
            all((*it)->footers);
    all(def.reportFooter);
    all(def.carriedForward);
    all(def.pageFooter);
}

const SubreportDefinition* findSubreport(const ReportDefinition& def, const std::string& name)
{
    for (const SubreportDefinition& sub : def.subreports)
        if (sub.name == name)
            return &sub;
    return nullptr;
}

} // namespace report
