#pragma once
// The caption of a group node: the level's caption, ": " and the group's value between double quotes
// (a period caption for a period column, a formatted account for an account column, a plain date as the
// host writes dates), then " - " and the value's description when the level has one; a group without a
// value (NULL, an empty or a blank text: GroupValues.h), and a level without a column, read as the host's
// "no value" text.

#include "db/Recordset.h"
#include "engine/AccountFormatting.h"
#include "engine/BreakLevels.h"
#include "hostfw/Language.h"

#include <string>

namespace quorvane {

inline constexpr int textNoValue = 78233;

struct GroupCaptionSources {
    std::string noValueText;           // the user-language text of host message 78233
    const AccountFormatting& accounts;
    int costCentreChart = 0;
    int expenseItemChart = 0;
    hostfw::Language language = hostfw::Language::Italian;   // of the month abbreviations
};

class GroupCaptions {
public:
    explicit GroupCaptions(GroupCaptionSources sources) : sources_(std::move(sources)) {}

    // The caption of a node of `level` whose group starts at the movement set's current row.
    std::string caption(const Rottura& level, const db::Recordset& movements) const;

private:
    std::string shownValue(const std::string& column, const std::string& text, const db::Recordset& movements) const;

    GroupCaptionSources sources_;
};

} // namespace quorvane
