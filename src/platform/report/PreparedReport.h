#pragma once
// A report ready to be drawn: its statement has run once, its formulas (the named ones and every
// object's expressions) are bound, its records are sorted, and its subreports' statements have run once
// each, indexed by their link fields. Drawing it twice (the preview, then the printer) walks the same
// records again; nothing goes back to the database.

#include "report/Records.h"
#include "report/ReportDefinition.h"
#include "report/Totals.h"
#include "report/formula/Evaluator.h"

#include "db/Connection.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace report {

struct CompiledObject {
    const ReportObject* object = nullptr;
    int value = -1;       // Field: the expression shown
    int summary = -1;     // Summary: its slot in the totals
    int suppress = -1;
    int decimals = -1;
    int subreport = -1;   // Subreport: its index among the prepared subreports
};

struct CompiledSection {
    const Section* section = nullptr;
    int suppress = -1;
    int newPageBefore = -1;
    int newPageAfter = -1;
    std::vector<CompiledObject> objects;
};

struct CompiledGroup {
    int level = 0;
    int key = -1;         // the formula the group's records share
    bool repeatHeader = false;
    std::vector<CompiledSection> headers;
    std::vector<CompiledSection> footers;
};

struct PreparedSubreport {
    std::string name;
    std::unique_ptr<Records> records;
    std::unique_ptr<formula::FormulaSet> formulas;
    Totals totals;
    std::vector<CompiledSection> header, details, footer;
    std::vector<int> mainLinks;                            // the link values, in the main report's formulas
    std::map<std::string, std::pair<long, long>> ranges;   // link key → its records [first, end)

    std::pair<long, long> linkedRecords(const std::string& key) const;
};

class PreparedReport {
public:
    // Runs the statement on `connection` (a subreport on its own connection when `subreportConnections`
    // names it). Throws db::Error, formula::FormulaError or std::runtime_error (a section taller than
    // the page) with a message fit for the user.
    PreparedReport(ReportDefinition definition, db::Connection& connection, const std::string& statement,
                   const std::map<std::string, db::Connection*>& subreportConnections);
    PreparedReport(const PreparedReport&) = delete;
    PreparedReport& operator=(const PreparedReport&) = delete;

    const ReportDefinition& definition() const { return definition_; }
    const Records& records() const { return *records_; }
    const formula::FormulaSet& formulas() const { return *formulas_; }
    const Totals& totals() const { return totals_; }
    const std::vector<PreparedSubreport>& subreports() const { return subreports_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

    const std::vector<CompiledSection>& reportHeader() const { return reportHeader_; }
    const std::vector<CompiledSection>& pageHeader() const { return pageHeader_; }
    const std::vector<CompiledSection>& broughtForward() const { return broughtForward_; }
    const std::vector<CompiledSection>& details() const { return details_; }
    const std::vector<CompiledSection>& reportFooter() const { return reportFooter_; }
    const std::vector<CompiledSection>& carriedForward() const { return carriedForward_; }
    const std::vector<CompiledSection>& pageFooter() const { return pageFooter_; }
    const std::vector<CompiledGroup>& groups() const { return groups_; }   // outermost first

    double pageHeight() const;   // millimetres, with the orientation

private:
    std::vector<CompiledSection> compile(const std::vector<Section>& sections, formula::FormulaSet& formulas,
                                         Totals& totals);
    void prepareSubreport(const SubreportDefinition& sub, db::Connection& connection);
    void checkHeights() const;

    ReportDefinition definition_;
    std::unique_ptr<Records> records_;
    std::unique_ptr<formula::FormulaSet> formulas_;
    Totals totals_;
    std::vector<CompiledSection> reportHeader_, pageHeader_, broughtForward_, details_, reportFooter_,
        carriedForward_, pageFooter_;
    std::vector<CompiledGroup> groups_;
    std::vector<PreparedSubreport> subreports_;
    std::vector<std::string> warnings_;
};

// The key under which a subreport's records are indexed by their link values.
std::string linkKey(const std::vector<formula::Value>& values);

} // namespace report
