#pragma once
// The comparison's fields beside the group totals: the comparison's balance, the variance and the variance in
// percent of the group shown, written as the totals are; all three empty when no comparison was processed,
// the percent empty when the comparison is zero.

#include "engine/ControlCaptions.h"
#include "engine/TotalsCaptions.h"

#include <optional>

namespace quorvane {

struct ComparisonFields {
    const char* comparison;
    const char* variance;
    const char* percent;
};

inline constexpr ComparisonFields groupComparisonFields{"TXT_TOTCONFRONTO", "TXT_TOTSCOSTAMENTO", "TXT_TOTSCOSTPERC"};

void setComparisonCaptions(ControlCaptions& captions, const ComparisonFields& fields, const db::Decimal& balance,
                           const std::optional<db::Decimal>& comparison, const TotalsFormats& formats,
                           const Countervalue& countervalue);

} // namespace quorvane
