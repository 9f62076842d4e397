#pragma once
// Walking the group tree: a node shows its group (the movement filter in its Tag becomes the movement set's
// filter and the grid shows those rows); expand-all opens every node and shows the selected group again;
// close-all closes every node and shows the top-level group that holds the selected one.
//
// The window's node click (TRE_GRUPPI_NodeClick) adds the totals, the wait cursor and the redraw lock around
// showGroup; the two tree commands call it back for the node they leave selected.

#include "controls/DataGrid.h"
#include "controls/GroupTreeView.h"
#include "db/Recordset.h"

#include <functional>

namespace quorvane::display {

using NodeClick = std::function<void(const QModelIndex& node)>;

// Applies the node's filter to the movement set and shows the filtered rows in the grid (none: no grid).
void showGroup(const QString& tag, db::Recordset& movements, controls::DataGrid* grid);

// CMD_ESPANDI: every node opened in one pass; with a node selected, it is selected again, shown through
// nodeClick and scrolled into view. Without one, nothing else changes.
void expandAllGroups(controls::GroupTreeView& tree, const NodeClick& nodeClick);

// CMD_CHIUDI: every node closed; with a node selected, its top-level ancestor becomes the selected node,
// shown through nodeClick and scrolled into view.
void closeAllGroups(controls::GroupTreeView& tree, const NodeClick& nodeClick);

} // namespace quorvane::display
