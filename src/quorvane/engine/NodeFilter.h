#pragma once
// The movement filter a group node carries in its Tag: the text before the first "|" (consumers may append
// their own parts after it), with the attribute qualifiers removed so that the movement set knows its columns.
// A group's value is a quoted literal of the filter and may hold "|" or a qualifier's text itself: both
// are looked for outside the literals only.

#include <string>
#include <string_view>

namespace quorvane {

std::string movementFilterOf(std::string_view tag);

} // namespace quorvane
