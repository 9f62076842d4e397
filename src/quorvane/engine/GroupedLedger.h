#pragma once
// The grouped view of a processing's movements, as long as the window lives: the break levels, the key
// table, the group tree and the configuration they were built from. After every processing the display
// configuration (ConfigurazioneVisualizzazioneMovimenti) reads the ordering grid's rows and sorts the
// movements, the tree is built (CaricamentoTree), and the window then lays out its panes and refreshes the
// totals and the summary panel. The tree is a step of its own: the totals and the summary do not depend on
// it and still follow when it stops half-way.

#include "db/Recordset.h"
#include "engine/BreakKeys.h"
#include "engine/DisplayConfiguration.h"
#include "engine/GroupCaptions.h"
#include "engine/GroupTreeModel.h"
#include "engine/GroupTreeProgress.h"
#include "engine/ProgressSink.h"

#include <vector>

namespace quorvane {

inline constexpr int textPreparingDisplay = 71675;
inline constexpr int progressPreparingDisplay = 3;

class GroupedLedger {
public:
    // Reads the break levels and the sorts from the rows and sorts the movement set; throws db::Error when
    // the movement set cannot be sorted so.
    void ConfigurazioneVisualizzazioneMovimenti(const std::vector<OrderingColumn>& rows, db::Recordset& movements,
                                                const hostfw::Translator& translator, ProgressSink& steps);

    // When the ledger is grouped, builds the key table and the tree from the sorted movement set. A failure
    // (db::Error from the movement set, std::invalid_argument for a level that cannot group) leaves the
    // nodes added so far.
    void CaricamentoTree(db::Recordset& movements, const GroupCaptions& captions, GroupTreeProgress& treeProgress);

    // SvuotaTree: removes every node of the tree.
    void SvuotaTree();

    const DisplayConfiguration& configuration() const { return configuration_; }
    bool hasGroups() const { return configuration_.hasGroups; }
    ArrayRotture& levels() { return configuration_.levels; }
    BreakKeys& keys() { return keys_; }
    GroupTreeModel& model() { return model_; }
    const GroupTree& tree() const { return model_.tree(); }

private:
    DisplayConfiguration configuration_;
    BreakKeys keys_;
    GroupTreeModel model_;
};

} // namespace quorvane
