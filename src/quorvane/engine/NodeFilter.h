#pragma once
// The movement filter a group node carries in its Tag: the text before the first "|" (consumers may append
// their own parts after it), with the attribute qualifiers removed so that the movement set knows its columns.

#include <string>
#include <string_view>

namespace quorvane {

std::string movementFilterOf(std::string_view tag);

} // namespace quorvane
