#include "engine/GroupedLedger.h"

#include "engine/GroupTreeLoader.h"

namespace quorvane {

void GroupedLedger::SvuotaTree()
{
    model_.rebuild([](GroupTree& tree) { tree.clear(); });
}

void GroupedLedger::ConfigurazioneVisualizzazioneMovimenti(const std::vector<OrderingColumn>& rows,
                                                           db::Recordset& movements,
                                                           const hostfw::Translator& translator, ProgressSink& steps)
{
    configuration_ = configureDisplay(rows, translator);
    steps.progress(progressPreparingDisplay, textPreparingDisplay);
    movements.Sort(configuration_.movementSort());
}

void GroupedLedger::CaricamentoTree(db::Recordset& movements, const GroupCaptions& captions,
                                    GroupTreeProgress& treeProgress)
{
    if (!configuration_.hasGroups)
        return;
    keys_.ConfiguraChiavi(configuration_.levels, movements);
    SvuotaTree();
    model_.rebuild([&](GroupTree& tree) {
        GroupTreeLoader(movements, configuration_.levels, keys_, tree, captions, treeProgress).CaricamentoTree();
    });
}

} // namespace quorvane
