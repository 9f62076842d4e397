#pragma once
// The results panel of the window: the group tree with the totals of the group and of the whole selection
// beside it, the movement grid over the detail grid in the splitter, the totals of an ungrouped ledger and
// the summary of the selection under them, and the result commands.

class QWidget;

namespace quorvane::host {

struct FormControls;

// Creates the panel's controls as children of the window and lays them out. The totals and summary fields
// are label fields found by their control names, as the totals and the summary address them.
void buildResultsPanel(FormControls& c, QWidget* window);

// Shares the panel's height between the row of the tree and the splitter of the grids, in proportion to
// their design heights (twips), so that the panes keep the design's proportions as the window grows.
void shareResultsHeight(const FormControls& c, int treeRowTwips, int splitterTwips);

} // namespace quorvane::host
