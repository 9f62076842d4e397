#pragma once
// What a report file says, once read: the page, the formulas with their designed texts, the parameters,
// the sort fields, the ten group areas, the sections with their objects, and the subreports. Plain
// values: the report document copies a definition and lets the caller change its formula texts, sort
// directions and parameter values before the print.

#include "report/formula/Value.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace report {

constexpr int groupLevels = 10;

struct FontSpec {
    std::string family = "DejaVu Sans";
    double size = 8;   // points
    bool bold = false;
    bool italic = false;
};

enum class Alignment { Left, Center, Right };

// What an object of kind Special shows.
// PageOfPages prints "3 di 12": the page's number and the document's count of pages; Currency the
// company's currency, in which the amounts are.
enum class SpecialField {
    PageNumber, PageOfPages, PrintDate, Title, CompanyName, CompanyAddress, CompanyTown, CompanyVatNumber, UserName,
    Currency
};

// Where a summary adds up: the whole report, the current page, or the current group of a level.
struct SummaryScope {
    enum class Kind { Report, Page, Group } kind = Kind::Report;
    int level = 0;   // 1…10 for a group
};

struct ReportObject {
    enum class Kind { Text, Field, Summary, Special, Line, Box, Subreport };
    Kind kind = Kind::Text;
    std::string label;             // where it is in the file, for messages: "sections.GF1[0].objects[2]"
    double x = 0, y = 0, width = 0, height = 0;   // millimetres from the section's top left corner
    std::string text;              // Text: the text; Field: the expression; Summary: what is summed;
                                   // Special: a prefix; Subreport: the subreport's name
    SpecialField special = SpecialField::PageNumber;
    SummaryScope scope;
    FontSpec font;
    Alignment alignment = Alignment::Left;
    std::string decimals;          // a number of decimals, or an expression such as {?DECIMALIEURO}
    bool thousands = true;
    bool blankWhenZero = false;
    std::string suppress;          // a Boolean formula text; empty: always shown
    double lineWidth = 0.2;        // millimetres, for lines and boxes
};

struct Section {
    std::string label;             // "sections.details[1]"
    double height = 0;             // millimetres
    std::string suppress;          // a Boolean formula text; empty: always printed
    std::string newPageBefore;     // group headers
    std::string newPageAfter;
    std::vector<ReportObject> objects;
};

struct GroupArea {
    std::string on;                // the formula text whose value groups the records
    int sortDirection = 0;         // 0 ascending, 1 descending
    bool hideForDrillDown = false;
    bool repeatHeader = false;     // the header prints again at the top of every page the group runs onto
    std::vector<Section> headers;
    std::vector<Section> footers;
};

struct SortField {
    std::string field;             // a reference: {TABLE.FIELD} or {@name}
    int sortDirection = 0;
};

struct FormulaField {
    std::string name;
    std::string text;
};

struct ParameterField {
    std::string name;
    formula::ValueType type = formula::ValueType::Text;
    formula::Value value;          // the designed default, replaced by the caller's current value
};

struct SubreportLink {
    std::string mainField;         // a reference of the main report
    std::string subreportField;    // the subreport's field it must equal
};

struct SubreportDefinition {
    std::string name;
    std::string statement;
    std::vector<SubreportLink> links;
    std::vector<FormulaField> formulas;
    std::vector<SortField> sortFields;
    std::vector<Section> header;   // once, before the first linked record
    std::vector<Section> details;
    std::vector<Section> footer;
};

struct PageSetup {
    bool landscape = false;        // A4 always
    double top = 10, right = 10, bottom = 10, left = 10;   // millimetres
};

struct ReportDefinition {
    std::string fileName;
    std::string title;
    PageSetup page;
    FontSpec font;
    std::vector<ParameterField> parameters;
    std::vector<FormulaField> formulas;
    std::vector<SortField> sortFields;
    std::array<std::optional<GroupArea>, groupLevels> groups;   // level n at index n − 1
    std::vector<Section> reportHeader, pageHeader, broughtForward, details, reportFooter, carriedForward,
        pageFooter;
    std::vector<SubreportDefinition> subreports;
};

// Every section of the main report, in printing order of the areas (report header, page header, brought
// forward, group headers 1…10, details, group footers 10…1, report footer, carried forward, page footer).
void forEachSection(const ReportDefinition& def, const std::function<void(const Section&)>& visit);

const SubreportDefinition* findSubreport(const ReportDefinition& def, const std::string& name);

} // namespace report
