#pragma once
// The printed ledger's statement (GetStringaSQLReport): one row per movement line with every column the
// report files read, over the movement header and its lines joined to their descriptions, and the report
// condition (the extraction's own condition, so that the print reads exactly the lines that were
// extracted). No ORDER BY: the report sorts and groups by its own formulas. The fixed list is where the
// select list starts: every further field the formulas written for the ordering grid read (a project's
// type, a node, a job order's description) is returned too, or the print would group and describe by a
// null where the window shows a value.

#include <string>
#include <vector>

namespace quorvane::print {

struct ReportStatementInput {
    std::string condition;          // the report condition, from its "WHERE"
    std::string headerAttributes;   // ", CO5L_CI12.NAME…" of the header attributes, or ""
    std::string lineAttributes;     // ", CO5L_CI13.NAME…" of the line attributes, or ""
    std::vector<std::string> fieldsRead;   // "TABLE.FIELD" of every field the report's formulas read
};

// Every piece ends with CR LF but the two attribute joins, which end with a carriage return alone, so that
// the same text runs unchanged on the server. A field read that no table of the statement holds is refused
// (std::invalid_argument naming it): the print would show it empty.
std::string GetStringaSQLReport(const ReportStatementInput& input);

// The statement over a report condition with the company's attribute names, in the extraction's lists.
// Throws std::invalid_argument for an attribute name that is not a column name.
std::string ledgerReportStatement(const std::string& condition, const std::vector<std::string>& headerAttributes,
                                  const std::vector<std::string>& lineAttributes,
                                  const std::vector<std::string>& fieldsRead = {});

} // namespace quorvane::print
