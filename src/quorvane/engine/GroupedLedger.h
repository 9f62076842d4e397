#pragma once
// The grouped view of a processing's movements, as long as the window lives: the break levels, the key
// table, the group tree and the configuration they were built from. After every processing the display
// configuration (ConfigurazioneVisualizzazioneMovimenti) rebuilds them from the ordering grid's rows; the
// window then lays out its panes and refreshes the totals and the summary panel.

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
    // Reads the break levels and the sorts from the rows, sorts the movement set and, when the ledger is
    // grouped, builds the key table and the tree. A failure (db::Error from the movement set,
    // std::invalid_argument for a level that cannot group) leaves the nodes added so far.
    void ConfigurazioneVisualizzazioneMovimenti(const std::vector<OrderingColumn>& rows, db::Recordset& movements,
                                                const hostfw::Translator& translator, const GroupCaptions& captions,
                                                ProgressSink& steps, GroupTreeProgress& treeProgress);

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
