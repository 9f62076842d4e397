#pragma once
// Lays out and draws a prepared report in one pass over its records.
//
// For each record, in the report's order: the groups whose value changed are closed, innermost first
// (their footers, with their summaries), and opened again from the outermost that changed (a header
// may first ask for a new page, which the report header alone does not count against; a header that
// would be left at the foot of a page without its first record moves to the next page); then the
// record's detail sections, which never split across pages, and the last record of a group moves with
// the footers that close it, so that no footer starts a page alone. After the last record every group
// closes and the report footer prints. When a page is full, its foot gets the carried-forward lines
// ("A riportare") and the page footer, and the next page its page header, the brought-forward lines
// ("Riporto") with the same figures, the headers of the open groups that repeat, and a subreport's
// header when its lines run on. Pages go to the canvas as they fill; nothing of a finished page is kept;
// the count of pages ("Pagina 3 di 12") is filled in by the canvas at the end.

#include "report/PreparedReport.h"

#include <string>

namespace report {

class PageCanvas;

// What the report prints besides its records: the title and the values of the session.
struct PrintContext {
    std::string title;
    std::string companyName, companyAddress, companyTown, companyVatNumber, userName, currency;
    formula::Date printDate;
};

// Draws every page; answers the number of pages. Throws formula::FormulaError when a formula fails.
int renderReport(const PreparedReport& report, const PrintContext& context, PageCanvas& canvas);

} // namespace report
