#include "display/ResultsLayout.h"

namespace quorvane::display {

ResultsLayout resultsLayout(bool hasGroups, const PaneMetrics& m)
{
    ResultsLayout layout;
    layout.printCurrentGroupEnabled = hasGroups;
    if (!hasGroups) {
        layout.splitterTop = 30;
        layout.splitterHeight = m.formHeight - m.ungroupedTotalsHeight - m.scaleVertically(940);
        layout.ungroupedTotalsVisible = true;
        return layout;
    }
    layout.splitterTop = m.scaleVertically(2820);
    layout.splitterHeight = m.formHeight - m.treeHeight - m.scaleVertically(1500);
    layout.treeVisible = true;
    layout.selectionTotalsVisible = true;
    layout.expandCloseEnabled = true;
    return layout;
}

} // namespace quorvane::display
