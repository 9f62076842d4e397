#pragma once
// The current group's condition for the printed ledger. A group node's movement filter is written over the
// working table's columns; the report reads the base tables, so the columns that exist only in the working
// table become the base tables' own: customer and supplier become the header's customer-or-supplier code
// (no customer or supplier at all: the other kind or none), the nature becomes the nature's code, a
// period key becomes the server's expression of that period over its date, the site the line's own site
// (which the working table names as the header's), and an attribute its table's column (the attribute
// table is joined once for the header and once for the line, so a bare name would be ambiguous). A group
// with no value, "(nessun valore)", holds the lines whose value is missing and those whose text is empty,
// as the tree groups them. All of it outside the filter's quoted values, which stay as the group holds
// them.

#include <string>
#include <vector>

namespace quorvane::print {

// The attribute names of the company, as the statement's attribute lists qualify them.
struct AttributeNames {
    std::vector<std::string> header;   // on CO5L_CI12
    std::vector<std::string> line;     // on CO5L_CI13
};

// The filter's text converted; the replacements compare without regard to case, and the two null forms
// of customer and supplier go before their plain forms and before the general null form. A conversion
// that fails half-way answers what it had reached.
std::string groupCondition(const std::string& movementFilter, const AttributeNames& attributes = {});

// The report condition of the current group only: the extraction's condition, " And " and the condition of
// the movement filter in the node's tag (its text before the first "|" outside a quoted value). A node that
// restricts nothing (a date level without a period) prints the whole extraction. A group whose value holds
// a NUL character is refused (std::invalid_argument saying so): a statement's text ends at a NUL.
std::string currentGroupCondition(const std::string& extractionCondition, const std::string& nodeTag,
                                  const AttributeNames& attributes = {});

} // namespace quorvane::print
