#include "engine/GroupedLedger.h"

#include "engine/GroupTreeLoader.h"

namespace quorvane {

void GroupedLedger::SvuotaTree()
{
    model_.rebuild([](GroupTree& tree) { tree.clear(); });
}

void GroupedLedger::ConfigurazioneVisualizzazioneMovimenti(const std::vector<OrderingColumn>& rows,
                                                           db::Recordset& movements,
                                                           const hostfw::Translator& translator,
                                                           const GroupCaptions& captions, ProgressSink& steps,
                                                           GroupTreeProgress& treeProgress)
{
    configuration_ = configureDisplay(rows, translator);
    steps.progress(progressPreparingDisplay, textPreparingDisplay);
    movements.Sort(configuration_.movementSort());
    if (!configuration_.hasGroups)
        return;
    keys_.ConfiguraChiavi(configuration_.levels, movements);
    SvuotaTree();
    model_.rebuild([&](GroupTree& tree) {
        GroupTreeLoader(movements, configuration_.levels, keys_, tree, captions, treeProgress).CaricamentoTree();
    });
}

} // namespace quorvane
