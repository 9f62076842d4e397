#pragma once
// The summary panel (specchietto riepilogativo) after a processing: the main selection criteria in words,
// the currency the totals are shown in, and the whole selection's totals in the grouped or the ungrouped
// totals frame.

#include "engine/ControlCaptions.h"
#include "engine/Countervalue.h"
#include "engine/SelectionTotals.h"
#include "engine/TotalsCaptions.h"
#include "hostfw/CostLookupDecode.h"
#include "hostfw/Translator.h"
#include "selection/SelectionParameters.h"

#include <string>

namespace quorvane {

inline constexpr int textAdvancedAccountSelection = 51677;
inline constexpr std::size_t accountSummaryLength = 49;

// The window's five user-language words of the summary.
struct SummaryWords {
    std::string unrestricted;    // no limit on the criterion
    std::string exact;           // equal to a value
    std::string from;
    std::string to;
    std::string range;           // introduces "first / second"

    static SummaryWords of(const hostfw::Translator& translator);
};

struct SummarySources {
    const SelectionParameters& selection;
    std::string accountDescription;      // see summaryAccountDescription
    std::string movementTypeCaption;     // the caption of the movement-type selector USR_TIPOMOV
    SummaryWords words;
    std::string advancedAccountText;     // the user-language text of host message 51677
    const SelectionTotals& totals;       // the whole selection's
    bool grouped = false;
    TotalsFormats formats;
    const Countervalue& countervalue;
};

// AggiornamentoSpecchiettoRiepilogativo: the captions of TXT_RIEPCONTO (absent when the account choice is
// none of 0, 1, 2: the field keeps its caption), TXT_RIEPMOV, TXT_RIEPDATAREG, TXT_RIEPIMPORTO,
// TXT_RIEPQTA, TXT_RIEPCOMP, LBL_TOTVAL, LBL_PARTVAL and the four whole-selection totals fields.
ControlCaptions AggiornamentoSpecchiettoRiepilogativo(const SummarySources& sources);

// The account's description in the summary: what the account field's decoder says of the code, for a
// level above the accounts as well (whose description field is a search box, not a description); "" for
// no chart or a code the chart does not hold.
std::string summaryAccountDescription(const hostfw::CostLookupDecode* chart, const std::string& code);

// "\"code\" - description" cut to 49 characters; a longer text keeps 45 and ends with " ...".
std::string accountSummary(const std::string& code, const std::string& description);

} // namespace quorvane
