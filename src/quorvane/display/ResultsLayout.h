#pragma once
// How the results panel is arranged after a processing (ConfigurazioneVisualizzazioneMovimenti and
// ImpostazioneAltezzaRigheGrid): a grouped ledger shows the tree above the grids with the whole selection's
// totals, and offers expand, close and "print current group"; an ungrouped one gives the grids the tree's
// room and shows its totals under them. Heights and tops are twips of the form.

#include <functional>

namespace quorvane::display {

inline const char* const printCurrentGroupItem = "Key_StampaGruppoCorrente";

struct PaneMetrics {
    int formHeight = 0;                 // the form's inner height
    int treeHeight = 0;                 // TRE_GRUPPI
    int ungroupedTotalsHeight = 0;      // FME_TOTALINOGRUPPO
    std::function<int(int)> scaleVertically = [](int twips) { return twips; };   // the form resizer's
};

struct ResultsLayout {
    int splitterTop = 0;                // ARQ_SPLIT
    int splitterHeight = 0;
    bool treeVisible = false;           // TRE_GRUPPI
    bool selectionTotalsVisible = false;   // FME_TOTALIGEN
    bool ungroupedTotalsVisible = false;   // FME_TOTALINOGRUPPO
    bool expandCloseEnabled = false;    // CMD_ESPANDI, CMD_CHIUDI
    bool printCurrentGroupEnabled = false;   // the print menu's printCurrentGroupItem
};

ResultsLayout resultsLayout(bool hasGroups, const PaneMetrics& metrics);

} // namespace quorvane::display
