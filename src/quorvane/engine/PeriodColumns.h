#pragma once
// The movement set's period columns: a grouping on the registration or document date by week, fortnight,
// month, quarter, four months, half-year or year is a grouping on the period key the extraction computed
// (DATAREGSETT … DATADOCANNO); its tree caption is the period's caption of the row's date.

#include "db/Value.h"
#include "hostfw/Language.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr const char* registrationDateColumn = "CI12_DATAREG";
inline constexpr const char* documentDateColumn = "CI12_DATADOC";

// Period codes of a date row of the ordering grid.
inline constexpr int periodDay = 1;
inline constexpr int periodNone = 8;

bool isDateColumn(std::string_view column);

// The column a grouping on a date column uses for a period code: the date itself for code 1, the period
// key for codes 2 to 7 and 9, and empty text for code 8 (no period) or any other code.
std::string periodColumn(std::string_view dateColumn, int periodCode);

// A period key column's caption of a movement row: which date it reads and the caption function.
struct PeriodCaption {
    const char* dateColumn;
    std::string (*caption)(const db::Value& date, hostfw::Language language);
};

// The caption of a period key column (DATAREGSETT … DATADOCANNO); none for any other column.
std::optional<PeriodCaption> periodCaptionOf(std::string_view column);

} // namespace quorvane
