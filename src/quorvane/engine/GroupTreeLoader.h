#pragma once
// The walk that builds the group tree: one forward pass over the sorted movement set, a comparison of the
// level values per row, and a new branch wherever a level's value changes. A change at level L opens new
// groups at L and at every deeper level; a group whose values come back after a different group gets a
// second node; a deeper group without a unique parent node goes to the top level.

#include "db/Recordset.h"
#include "engine/BreakKeys.h"
#include "engine/BreakLevels.h"
#include "engine/GroupCaptions.h"
#include "engine/GroupTree.h"
#include "engine/GroupTreeProgress.h"

#include <vector>

namespace quorvane {

class GroupTreeLoader {
public:
    // The key table must be configured for the levels, and the movement set sorted by them. Throws
    // std::invalid_argument when a level's column or description column is not in the movement set.
    GroupTreeLoader(db::Recordset& movements, ArrayRotture& levels, BreakKeys& keys, GroupTree& tree,
                    const GroupCaptions& captions, GroupTreeProgress& progress);

    // CaricamentoTree: the whole tree from the movement set, which ends on its first row.
    void CaricamentoTree();

    // ValorizzaArrayRotture: every level takes the current row's value and description.
    void ValorizzaArrayRotture();
    // ControllaArrayRotture: opens a branch at the first level whose value differs from the open group's.
    void ControllaArrayRotture();
    // InserimentoRamo: the node of `level` (1-based) under its parent group's node, and one node for every
    // deeper level below it.
    void InserimentoRamo(int level, bool first);

private:
    GroupNode& addNode(GroupNode* parent, int level, bool first);
    bool differs(std::size_t levelIndex) const;

    db::Recordset& movements_;
    ArrayRotture& levels_;
    BreakKeys& keys_;
    GroupTree& tree_;
    const GroupCaptions& captions_;
    GroupTreeProgress& progress_;
    std::vector<int> valueColumns_;          // the movement set's column of each level; -1 for none
    std::vector<int> descriptionColumns_;    // and of its description; -1 when the level has none
};

} // namespace quorvane
