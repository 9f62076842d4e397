#pragma once
// Lays out and draws a prepared report in one pass over its records.
//
// For each record, in the report's order: the groups whose value changed are closed, innermost first
// (their footers, with their summaries), and opened again from the outermost that changed (a header
// may first ask for a new page; a header that would be left at the foot of a page without its first
// record moves to the next page); then the record's detail sections, which never split across pages.
// After the last record every group closes and the report footer prints. When a page is full, its foot
// gets the carried-forward lines ("A riportare") and the page footer, and the next page its page
// header, the brought-forward lines ("Riporto") with the same figures, and the headers of the open
// groups that repeat. Pages go to the canvas as they fill; nothing of a finished page is kept.

#include "report/PreparedReport.h"

#include <string>

namespace report {

class PageCanvas;

// What the report prints besides its records: the title and the values of the session.
struct PrintContext {
    std::string title;
    std::string companyName, companyAddress, companyTown, companyVatNumber, userName;
    formula::Date printDate;
};

// Draws every page; answers the number of pages. Throws formula::FormulaError when a formula fails.
int renderReport(const PreparedReport& report, const PrintContext& context, PageCanvas& canvas);

} // namespace report
