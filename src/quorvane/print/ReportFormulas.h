#pragma once
// What the window writes into the printed ledger's report document just before printing (the formula half
// of gclsReport_BeforePrintReport), worked out from the ordering grid's rows: the account formulas, one
// sort formula and direction per ordering row, and per grouping level its grouping, texts, captions, page
// break and area direction. Grouping levels are numbered from the grid's last grouping row, 10, down to its
// first; levels the grid does not use keep the report's own formulas. With a conversion, the rate
// (NUMCAMBIO, a divisor for a currency quoted the other way round), the converted currency's decimals
// (NUMDECIMALICAMBIO) and the caption of the converted totals (STRCONTROVALORE).

#include "engine/Countervalue.h"
#include "print/AccountFormulas.h"
#include "selection/OrderingColumns.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvane::print {

struct FormulaText {
    std::string name;     // in upper case, levels and positions as plain integers ("RAGGRUPPAMENTO10")
    std::string text;
};

struct SortFieldDirection {
    int index;            // the record sort field, from 1
    int direction;        // 0 ascending, 1 descending
};

struct AreaSetting {
    std::string name;     // "GH1" … "GH10"
    int sortDirection;
    bool hideForDrillDown;   // the outermost level's area
};

struct ReportFormulaPlan {
    std::vector<FormulaText> formulas;
    std::vector<SortFieldDirection> sortFields;
    std::vector<AreaSetting> areas;
    std::vector<FormulaText> counterpartFormulas;   // of the subreport CONTROP; none without counter-parts
};

inline constexpr const char* counterpartSubreport = "CONTROP";

struct FormulaRequest {
    std::vector<OrderingColumn> rows;                  // the ordering grid's rows, in grid order
    std::optional<std::string> fixedOrderingField;     // the window's fixed ordering, when its flag is set
    bool withCounterparts = false;
    // The totals the window shows converted into another currency: the print's lines keep the ledger's own
    // amounts and its totals are followed by their countervalue.
    std::optional<Countervalue::Conversion> conversion;
};

// Throws db::Error when a chart's configuration cannot be read for the account formulas.
ReportFormulaPlan buildFormulaPlan(const FormulaRequest& request, AccountFormulas& accounts);

} // namespace quorvane::print
