#pragma once
// What a spreadsheet export says above its lines: the inquiry, the company, the selection in words as the
// summary panel writes it, for one group the path of groups that leads to it, and, when the totals are
// shown in another currency than the lines, that currency and its rate.

#include "company/CompanySettings.h"
#include "engine/ControlCaptions.h"

#include <string>
#include <vector>

namespace quorvane::exporting {

inline constexpr const char* ledgerTitle = "Partitario contabilità analitica";

struct ExportHeading {
    std::string title = ledgerTitle;
    std::string company;                    // "Ditta " code " - " name
    std::vector<std::string> criteria;      // one line per criterion of the summary: caption and words
    std::string group;                      // the exported group's path; empty for the whole ledger
    std::string totalsCurrency;             // the totals' currency and rate when they are converted, or empty
};

// The heading of a ledger of the company whose summary panel shows `summary` (captions by field name).
ExportHeading exportHeading(const company::CompanySettings& company, const ControlCaptions& summary);

} // namespace quorvane::exporting
