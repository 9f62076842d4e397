#pragma once
// The texts a grouping level of the printed ledger shows: its header's group text (STRRAGGRUPPAMENTO), the
// description beside it (DECODIFICA), its footer's caption (CAPTION) and the rule that starts a new page
// when the group changes (SALTOPAGINA). Group texts follow the level's column, captions and descriptions
// the ordering row's caption. Lines are joined by CR LF.

#include <optional>
#include <string>

namespace quorvane::print {

// The group text for a level on `column` grouped on `reference`; none for a column whose text the report
// designs itself.
std::optional<std::string> groupTextFormula(const std::string& column, const std::string& reference);

// The footer's caption of level `level` for an ordering row's caption and column: "Tot. per" and the
// caption in lower case, with the group's description for coded columns and the date for the two dates.
std::string captionFormula(const std::string& caption, const std::string& column, int level);

// The description of a level's group by the row's caption; none for a caption without one.
std::optional<std::string> descriptionFormula(const std::string& caption);

// A new page when the level's value changes, becomes a value or becomes null; not while it stays null.
std::string nullAwarePageBreak(const std::string& reference);

// A date level breaks the page when its period changes.
std::string periodPageBreak(int level);

} // namespace quorvane::print
