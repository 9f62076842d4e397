#pragma once
// The host's text numbers of the tree's totals columns and of the comparison, numbered in a row: the window
// and the command line show them in the user's language from the host's catalogue.

namespace quorvane {

enum AnalysisText : int {
    textGroupColumn = 91601,
    textBalanceColumn,
    textQuantityColumn,
    textLinesColumn,
    textComparisonColumn,
    textVarianceColumn,
    textVariancePercentColumn,
    textCompareWith,
    textCompareNone,
    textComparePreviousYear,
    textComparePreviousPeriod,
    textCompareBudget,
    textRunningBalanceColumn,
};

} // namespace quorvane
